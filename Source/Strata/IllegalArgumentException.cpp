#include "Strata/IllegalArgumentException.h"

namespace Strata {

STRATA_DEFINE_EXCEPTION(IllegalArgumentException)

}  // namespace Strata
