#include "Strata/GeneralException.h"

namespace Strata {

STRATA_DEFINE_EXCEPTION(GeneralException)

}  // namespace Strata
