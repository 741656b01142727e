#include "Quorum/Server/Mail/BodyParts.h"

#include <algorithm>
#include <utility>

#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail {

namespace {

void CheckPart(const Strata::Ref<BodyPart>& part, const char* sourceFile, unsigned int sourceLine) {
  if (part.IsNull()) {
    throw Strata::IllegalArgumentException("Invalid body part: part is null.", sourceFile,
                                           sourceLine);
  }
  if (!part->IsValid()) {
    throw Strata::IllegalArgumentException("Invalid body part: part is not valid.", sourceFile,
                                           sourceLine);
  }
}

void CheckName(const Strata::UniString& name, const char* sourceFile, unsigned int sourceLine) {
  if (name.IsEmpty()) {
    throw Strata::IllegalArgumentException("Invalid body part name: name is empty.", sourceFile,
                                           sourceLine);
  }
}

}  // namespace

BodyParts::BodyParts() = default;

BodyParts::BodyParts(const BodyParts& other) {
  table_.Reserve(other.GetSize());
  // The parts are copied as they are, not re-checked: a collection read from
  // a channel (a part with an empty name, a "Content-Size" at odds with its
  // content) copies to an equal one.
  for (const auto& [name, part] : other.table_) table_.Set(name, Strata::MakeRef<BodyPart>(*part));
}

BodyParts::BodyParts(BodyParts&& other) noexcept : table_(std::move(other.table_)) {}

const BodyParts& BodyParts::operator=(const BodyParts& other) {
  if (this != &other) {
    BodyParts copy(other);
    Swap(copy);
  }
  return *this;
}

BodyParts& BodyParts::operator=(BodyParts&& other) noexcept {
  BodyParts taken(std::move(other));
  Swap(taken);
  return *this;
}

BodyParts::~BodyParts() = default;

void BodyParts::Add(const Strata::Ref<BodyPart>& part) {
  CheckPart(part, STRATA_HERE);
  table_.Set(part->GetName(), part);
}

bool BodyParts::Contains(const Strata::Ref<BodyPart>& part) const {
  CheckPart(part, STRATA_HERE);
  const Strata::Ref<BodyPart>* stored = table_.Find(part->GetName());
  return stored != nullptr && *part == **stored;
}

bool BodyParts::Remove(const Strata::Ref<BodyPart>& part) {
  CheckPart(part, STRATA_HERE);
  const Strata::Ref<BodyPart>* stored = table_.Find(part->GetName());
  if (stored == nullptr || !(*part == **stored)) return false;
  return table_.Remove(part->GetName());
}

bool BodyParts::Contains(const Strata::UniString& name) const {
  CheckName(name, STRATA_HERE);
  return table_.Contains(name);
}

Strata::Ref<BodyPart> BodyParts::Get(const Strata::UniString& name) {
  CheckName(name, STRATA_HERE);
  const Strata::Ref<BodyPart>* stored = table_.Find(name);
  return stored == nullptr ? Strata::Ref<BodyPart>() : *stored;
}

bool BodyParts::Remove(const Strata::UniString& name) {
  CheckName(name, STRATA_HERE);
  return table_.Remove(name);
}

bool BodyParts::operator==(const BodyParts& other) const {
  if (this == &other) return true;
  if (GetSize() != other.GetSize()) return false;
  for (const auto& [name, part] : table_) {
    const Strata::Ref<BodyPart>* stored = other.table_.Find(name);
    if (stored == nullptr || !(*part == **stored)) return false;
  }
  return true;
}

void BodyParts::Write(Strata::OChannelX& channel) const {
  channel.WriteCount(GetSize());
  for (const auto& [name, part] : table_) part->Write(channel, name);
}

void BodyParts::Read(Strata::IChannelX& channel) {
  DefaultBodyPartContentFactory factory;
  Read(channel, factory);
}

void BodyParts::Read(Strata::IChannelX& channel, BodyPartContentFactory& factory) {
  BodyParts read;
  const unsigned int count = channel.ReadUnsignedInt();
  // Room for as many parts as the channel says it can still deliver, each
  // at least its name's length, its header count and the content flag; the
  // count alone is never trusted.
  constexpr unsigned int kLeastPartBytes = 9;
  read.table_.Reserve(std::min(count, channel.GetBinaryChannel().GetAvailable() / kLeastPartBytes));
  for (unsigned int left = count; left > 0; --left) {
    auto part = Strata::MakeRef<BodyPart>();
    part->Read(channel, factory);
    read.table_.Set(part->GetName(), std::move(part));
  }
  Swap(read);
}

}  // namespace Quorum::Server::Mail
