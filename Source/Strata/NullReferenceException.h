#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

/// An empty counted reference was dereferenced. Default error code -50.
STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, NullReferenceException, GeneralException, -50);

}  // namespace Strata
