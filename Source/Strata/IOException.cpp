#include "Strata/IOException.h"

namespace Strata {

STRATA_DEFINE_EXCEPTION(IOException)

}  // namespace Strata
