#include "Strata/IllegalReferenceException.h"

namespace Strata {

STRATA_DEFINE_EXCEPTION(IllegalReferenceException)

}  // namespace Strata
