#include "Strata/Ref.h"

#include "Strata/NullReferenceException.h"

namespace Strata::internal {

void ThrowNullReference(const char* sourceFile, unsigned int sourceLine) {
  throw NullReferenceException("Null reference.", sourceFile, sourceLine);
}

}  // namespace Strata::internal
