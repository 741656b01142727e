#include "Quorum/Server/Mail/BodyPartContent.h"

#include <algorithm>
#include <cstring>

#include "Quorum/Common/DebugPrintEx.h"
#include "Quorum/Server/Mail/BodyPartContentException.h"
#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IOException.h"
#include "Strata/OutOfMemoryException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

namespace {

constexpr unsigned int CompareBlockSize = 4096;
constexpr const char* EqualityFailedMessage = "Failed to check equality of body part contents.";

// A failure to close after comparing changes nothing about the answer, so it
// is reported on the debug output at most.
void CloseQuietly(const Strata::Ref<Strata::IBinaryChannel>& channel) noexcept {
  if (channel.IsNull()) return;
  try {
    channel->Close();
  } catch (const Strata::OutOfMemoryException&) {
  } catch (const Strata::StrataException& e) {
    Common::DebugPrintEx(e);
  } catch (...) {
  }
}

bool IsAtEnd(Strata::IBinaryChannel& channel) {
  unsigned char byte = 0;
  return channel.Read(&byte, 1) == 0;
}

// Compares `size` bytes block by block, reading the other content's channel
// first, then checks that both channels end there: a channel that ends
// early or runs on does not hold the content it announced.
bool SameBytes(Strata::IBinaryChannel& theirs, Strata::IBinaryChannel& ours, unsigned int size) {
  unsigned char theirBlock[CompareBlockSize];
  unsigned char ourBlock[CompareBlockSize];
  for (unsigned int left = size; left > 0;) {
    const unsigned int wanted = std::min(left, CompareBlockSize);
    if (Strata::IBinaryChannelUtilities::ReadFully(theirs, theirBlock, wanted) != wanted ||
        Strata::IBinaryChannelUtilities::ReadFully(ours, ourBlock, wanted) != wanted ||
        std::memcmp(theirBlock, ourBlock, wanted) != 0) {
      return false;
    }
    left -= wanted;
  }
  return IsAtEnd(theirs) && IsAtEnd(ours);
}

}  // namespace

BodyPartContent::~BodyPartContent() = default;

BodyPartContent& BodyPartContent::operator=(const BodyPartContent&) { return *this; }

bool BodyPartContent::Equals(const BodyPartContent& other) const {
  try {
    return CompareBytes(other);
  } catch (const BodyPartContentException& e) {
    throw BodyPartContentException(EqualityFailedMessage, STRATA_HERE, e);
  } catch (const Strata::OutOfMemoryException&) {
    throw;
  } catch (const Strata::IOException& e) {
    throw BodyPartContentException(EqualityFailedMessage, STRATA_HERE, e);
  } catch (const Strata::StrataException& e) {
    Common::DebugPrintEx(e);
    throw BodyPartContentException(EqualityFailedMessage, STRATA_HERE, e);
  }
}

bool BodyPartContent::CompareBytes(const BodyPartContent& other) const {
  const unsigned int size = GetSize();
  if (size != other.GetSize()) return false;
  // Reading through a fresh channel leaves a content's bytes as they are, so
  // a constant content may open one. If opening ours throws, theirs is
  // released unclosed.
  const Strata::Ref<Strata::IBinaryChannel> theirs =
      const_cast<BodyPartContent&>(other).GetInputChannel();
  const Strata::Ref<Strata::IBinaryChannel> ours =
      const_cast<BodyPartContent&>(*this).GetInputChannel();
  bool equal = theirs.IsNull() && ours.IsNull();
  if (!theirs.IsNull() && !ours.IsNull()) {
    try {
      equal = SameBytes(*theirs, *ours, size);
    } catch (...) {
      CloseQuietly(theirs);
      CloseQuietly(ours);
      throw;
    }
  }
  CloseQuietly(theirs);
  CloseQuietly(ours);
  return equal;
}

std::vector<std::byte> BodyPartContent::ReadAllBytes() const {
  std::vector<std::byte> bytes;
  const Strata::Ref<Strata::IBinaryChannel> channel =
      const_cast<BodyPartContent&>(*this).GetInputChannel();
  if (channel.IsNull()) return bytes;
  try {
    bytes.reserve(GetSize());
    unsigned char block[4096];
    for (unsigned int n = 0; (n = channel->Read(block, sizeof block)) != 0;) {
      const auto* first = reinterpret_cast<const std::byte*>(block);
      bytes.insert(bytes.end(), first, first + n);
    }
  } catch (...) {
    CloseQuietly(channel);
    throw;
  }
  channel->Close();
  return bytes;
}

}  // namespace Quorum::Server::Mail
