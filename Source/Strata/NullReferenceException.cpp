#include "Strata/NullReferenceException.h"

namespace Strata {

STRATA_DEFINE_EXCEPTION(NullReferenceException)

}  // namespace Strata
