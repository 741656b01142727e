#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

/// Memory or another resource could not be obtained. Default error code -108.
STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, OutOfMemoryException, GeneralException, -108);

}  // namespace Strata
