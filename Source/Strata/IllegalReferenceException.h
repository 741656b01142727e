#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

/// An index or reference outside the legal range. Default error code -50.
STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, IllegalReferenceException, GeneralException, -50);

}  // namespace Strata
