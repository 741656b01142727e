// TextContent keeps a body part's bytes as text and presents them to channels
// as the text's UTF-8 bytes. The text and its UTF-8 size live in a record
// shared with the content's open output channels, which decode what was
// written and hand it over on Close (once; destroying a channel unclosed
// drops it). Copies are made with Clone. Not thread-safe.
#pragma once

#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/Ref.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::Contents {

class TextContentOBinaryChannel;
class TextContentIBinaryChannel;

class QUORUM_MAIL_EXPORT TextContent : public BodyPartContent {
 public:
  TextContent();
  // Throws Strata::IOException when the text's UTF-8 form does not fit a
  // 32-bit size.
  explicit TextContent(const Strata::UniString& text);
  ~TextContent() override;
  TextContent(const TextContent&) = delete;
  TextContent& operator=(const TextContent&) = delete;

  Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() override;
  // An empty text gives a Quorum::Common::IO::NullIBinaryChannel; any other
  // text a channel that encodes it as it is read: close the channel before
  // changing the content.
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override;
  // The number of UTF-8 bytes of the whole text, U+0000 characters included.
  unsigned int GetSize() const override;
  // Another TextContent compares texts exactly; other kinds by bytes.
  bool Equals(const BodyPartContent& other) const override;
  BodyPartContent* Clone() const override;

  const Strata::UniString& GetText() const noexcept;
  // Same exception as the constructor with a text.
  void SetText(const Strata::UniString& text);

 private:
  friend class TextContentOBinaryChannel;
  friend class TextContentIBinaryChannel;
  struct Record;

  Strata::Ref<Record> record_;
};

}  // namespace Quorum::Server::Mail::Contents
