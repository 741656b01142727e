#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

/// An argument broke the documented precondition of an operation. Default error code -50.
STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, IllegalArgumentException, GeneralException, -50);

}  // namespace Strata
