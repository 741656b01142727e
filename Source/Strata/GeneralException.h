#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/StrataException.h"

namespace Strata {

/// Base of the general-purpose exceptions. Default error code -1.
STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, GeneralException, StrataException, -1);

}  // namespace Strata
