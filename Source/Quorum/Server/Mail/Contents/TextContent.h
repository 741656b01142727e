#pragma once

#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Export.h"
#include "Strata/Ref.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::Contents {

class TextContentOBinaryChannel;
class TextContentIBinaryChannel;

/// A body part content whose bytes are kept as text.
///
/// Bytes written through an output channel are decoded on Close in the
/// content's charset (UTF-8 when it has none or ICU does not know it; each
/// sequence malformed in the charset becomes U+FFFD). When the UTF-8 form of
/// that text is exactly the bytes, as for all valid UTF-8, only the text is
/// kept. Otherwise the content keeps the bytes as they came besides the
/// text: its channels, ReadAllBytes, GetSize, Clone, Equals and a body
/// part's Write then give those bytes, while GetText gives their decoding,
/// so a Latin-1 0xA1 reads as U+00A1 and one not valid in UTF-8 as U+FFFD.
///
/// The text, the bytes and the charset live in a record shared with the
/// content's open output channels, which hand their bytes over on Close
/// (once; destroying a channel unclosed drops them). Copies are made with
/// Clone. Not thread-safe.
class QUORUM_MAIL_EXPORT TextContent : public BodyPartContent {
 public:
  /// The empty text, no charset.
  TextContent();
  /// The text `text`, no charset. Throws Strata::IOException when the
  /// text's UTF-8 form does not fit a 32-bit size.
  explicit TextContent(const Strata::UniString& text);
  ~TextContent() override;
  TextContent(const TextContent&) = delete;
  TextContent& operator=(const TextContent&) = delete;

  /// A channel collecting bytes apart; on Close they are decoded in the
  /// charset and replace the content's text and kept bytes.
  Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() override;
  /// An empty content gives a Quorum::Common::IO::NullIBinaryChannel; any
  /// other a channel over the kept bytes, or one that encodes the text as
  /// it is read: close the channel before changing the content.
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override;
  /// The number of kept bytes, or else of UTF-8 bytes of the whole text,
  /// U+0000 characters included.
  unsigned int GetSize() const override;
  /// Two TextContents without kept bytes compare texts exactly; when either
  /// keeps bytes, and for other kinds, the bytes are compared.
  bool Equals(const BodyPartContent& other) const override;
  /// Copies the text, the kept bytes and the charset.
  BodyPartContent* Clone() const override;

  /// The text: as set, or decoded from the bytes written (see the class).
  const Strata::UniString& GetText() const noexcept;
  /// The bytes become the text's UTF-8 form: kept bytes are dropped and the
  /// charset is cleared. Throws as the constructor with a text.
  void SetText(const Strata::UniString& text);

  /// The charset name as given (for a body part read from a channel, the
  /// "charset" parameter of its Content-Type); empty when none was given.
  const Strata::UniString& GetCharset() const noexcept;
  /// The bytes stay as they are and the text becomes their decoding in
  /// `charset` (any of ICU's names, in any case; empty for UTF-8), keeping
  /// the bytes besides as described for the class. Output channels closed
  /// later decode in it too.
  void SetCharset(const Strata::UniString& charset);

 private:
  friend class TextContentOBinaryChannel;
  friend class TextContentIBinaryChannel;
  struct Record;

  Strata::Ref<Record> record_;
};

}  // namespace Quorum::Server::Mail::Contents
