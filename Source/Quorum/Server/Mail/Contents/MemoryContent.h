#pragma once

#include "Strata/RequiresCxx20.h"

#include <cstddef>
#include <span>

#include "Quorum/Commons/DataBuffer.h"
#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/Ref.h"

namespace Quorum::Server::Mail::Contents {

/// A body part content whose bytes live in a byte buffer.
///
/// The buffer object is shared with the content's open output channels: a
/// channel collects its bytes apart and hands them over on Close (once;
/// destroying a channel unclosed drops them). Copies are made with Clone.
/// Not thread-safe.
class QUORUM_MAIL_EXPORT MemoryContent : public BodyPartContent {
 public:
  /// An empty content.
  MemoryContent();
  /// A copy of `data`.
  explicit MemoryContent(const Commons::DataBuffer<unsigned char>& data);
  /// A copy of `bytes`; throws Strata::IllegalArgumentException when they
  /// are more than an unsigned int can count.
  explicit MemoryContent(std::span<const std::byte> bytes);
  ~MemoryContent() override;
  MemoryContent(const MemoryContent&) = delete;
  MemoryContent& operator=(const MemoryContent&) = delete;

  /// A channel collecting bytes apart; on Close they replace the buffer's.
  Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() override;
  /// Reads the buffer in place: close the channel before changing the
  /// content.
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override;
  /// The buffer's size.
  unsigned int GetSize() const override;
  /// Another MemoryContent compares buffers directly; other kinds by bytes.
  bool Equals(const BodyPartContent& other) const override;
  /// A new MemoryContent with a copy of the buffer.
  BodyPartContent* Clone() const override;

  /// The shared buffer itself: changes through it change the content at
  /// once.
  ///@{
  const Commons::DataBuffer<unsigned char>& GetData() const noexcept { return *data_.Get(); }
  Commons::DataBuffer<unsigned char>& GetData() noexcept { return *data_.Get(); }
  ///@}
  /// Assigns into the shared buffer object, so channels already open on
  /// this content keep handing over to it.
  void SetData(const Commons::DataBuffer<unsigned char>& data);

 private:
  Strata::Ref<Commons::DataBuffer<unsigned char>> data_;
};

}  // namespace Quorum::Server::Mail::Contents
