// Memory or another resource could not be obtained.
#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, OutOfMemoryException, GeneralException, -108);

}  // namespace Strata
