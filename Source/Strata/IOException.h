// A channel, file or stream failed, or its data was malformed or truncated.
#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, IOException, GeneralException, -36);

}  // namespace Strata
