// An empty counted reference was dereferenced.
#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, NullReferenceException, GeneralException, -50);

}  // namespace Strata
