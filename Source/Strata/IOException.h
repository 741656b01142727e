#pragma once

#include "Strata/ExceptionDeclaration.h"
#include "Strata/GeneralException.h"

namespace Strata {

/// A channel, file or stream failed, or its data was malformed or truncated.
/// Default error code -36.
STRATA_DECLARE_EXCEPTION(STRATA_EXPORT, IOException, GeneralException, -36);

}  // namespace Strata
