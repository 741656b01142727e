// Base of the general-purpose exceptions.
#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/StrataException.h"

namespace Strata {

STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, GeneralException, StrataException, -1);

}  // namespace Strata
