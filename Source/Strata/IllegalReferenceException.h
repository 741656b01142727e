// An index or reference outside the legal range.
#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, IllegalReferenceException, GeneralException, -50);

}  // namespace Strata
