// A body part may carry a Content-Size header that does not give its
// content's size: Read keeps such a header as read, and Write refuses the
// part. The fuzzers use these checks to tell that refusal from a fault.
#pragma once

#include "Quorum/Common/UnsignedInteger32.h"
#include "Quorum/Server/Mail/BodyPartHeaders.h"
#include "Quorum/Server/Mail/Mail.h"

namespace fuzz {

// Whether the part has a Content-Size header that does not give its
// content's size.
inline bool StatesAnotherSize(const Quorum::Server::Mail::BodyPart& part) {
  using namespace Quorum::Server::Mail;
  Header header;
  unsigned int stated = 0;
  return !part.GetContent().IsNull() && part.GetHeader(BodyPartHeaders::ContentSize, header) &&
         !(Quorum::Common::UnsignedInteger32::Parse(header.GetValue(), stated) &&
           stated == part.GetContent()->GetSize());
}

// Whether any part of the mail does.
inline bool StatesAnotherSize(const Quorum::Server::Mail::Mail& mail) {
  for (const auto& part : mail.GetBodyParts().Enumerate()) {
    if (StatesAnotherSize(*part)) return true;
  }
  return false;
}

}  // namespace fuzz
