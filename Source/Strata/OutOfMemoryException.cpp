#include "Strata/OutOfMemoryException.h"

namespace Strata {

STRATA_DEFINE_EXCEPTION(OutOfMemoryException)

}  // namespace Strata
