#include "Quorum/Server/Mail/Contents/TextContent.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>

#include "Quorum/Common/IO/NullIBinaryChannel.h"
#include "Strata/IOException.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents {

struct TextContent::Record {
  Strata::UniString text;
  unsigned int size = 0;
};

namespace {

bool IsHighSurrogate(char16_t unit) noexcept { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) noexcept { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Encodes the character at `units[index]` as UTF-8 into `out` (room for four
// bytes); returns the byte count and advances `index` past the character. A
// lone surrogate becomes U+FFFD, as Strata::UniString::ToCStr encodes it.
unsigned int EncodeCharacter(std::u16string_view units, std::size_t& index,
                             unsigned char* out) noexcept {
  char32_t c = units[index++];
  if (c < 0x80) {
    out[0] = static_cast<unsigned char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
    out[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (IsHighSurrogate(static_cast<char16_t>(c)) && index < units.size() &&
      IsLowSurrogate(units[index])) {
    c = 0x10000 + ((c - 0xD800) << 10) + (units[index++] - 0xDC00);
    out[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
    out[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 4;
  }
  if (IsHighSurrogate(static_cast<char16_t>(c)) || IsLowSurrogate(static_cast<char16_t>(c))) {
    c = 0xFFFD;
  }
  out[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
  out[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
  out[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
  return 3;
}

// The UTF-8 byte count of the whole text, counted without building the
// UTF-8 form. U+0000 counts like any other character.
unsigned int CountUtf8Bytes(const Strata::UniString& text) {
  const std::u16string_view units = text.GetUnits();
  std::uint64_t count = 0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (unit < 0x80) {
      count += 1;
    } else if (unit < 0x800) {
      count += 2;
    } else if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      count += 4;
      ++i;
    } else {
      count += 3;
    }
  }
  if (count > std::numeric_limits<unsigned int>::max()) {
    STRATA_THROW(Strata::IOException, "Failed to size text content: text is too large.");
  }
  return static_cast<unsigned int>(count);
}

}  // namespace

// Yields the UTF-8 bytes of the record's text, encoding as it goes, so no
// second copy of the content is built.
class TextContentIBinaryChannel : public Strata::IBinaryChannel {
 public:
  explicit TextContentIBinaryChannel(Strata::Ref<TextContent::Record> record)
      : record_(std::move(record)) {}

  unsigned int Read(unsigned char* data, unsigned int count) override {
    if (record_.IsNull()) return 0;
    const std::u16string_view units = record_->text.GetUnits();
    unsigned int done = 0;
    while (done < count) {
      if (pendingStart_ < pendingEnd_) {
        data[done++] = pending_[pendingStart_++];
      } else if (position_ < units.size() && units[position_] < 0x80) {
        data[done++] = static_cast<unsigned char>(units[position_++]);
      } else if (position_ < units.size()) {
        pendingStart_ = 0;
        pendingEnd_ = EncodeCharacter(units, position_, pending_);
      } else {
        break;
      }
    }
    return done;
  }

  void Close() override { record_.Release(); }

 private:
  Strata::Ref<TextContent::Record> record_;
  std::size_t position_ = 0;
  unsigned char pending_[4] = {};
  unsigned int pendingStart_ = 0;
  unsigned int pendingEnd_ = 0;
};

// Collects the written bytes and, on the first Close, makes their UTF-8
// decoding the record's text. Later Close calls do nothing.
class TextContentOBinaryChannel : public Strata::MemoryOBinaryChannel {
 public:
  explicit TextContentOBinaryChannel(Strata::Ref<TextContent::Record> record)
      : record_(std::move(record)) {}

  void Close() override {
    if (IsClosed()) return;
    MemoryOBinaryChannel::Close();
    Strata::UniString text;
    if (GetSize() > 0)
      text = Strata::UniString(GetBuffer(), GetSize(), Strata::CharacterCode::UTF8);
    const unsigned int size = CountUtf8Bytes(text);
    record_->text.Swap(text);
    record_->size = size;
    record_.Release();
    // The collected bytes are decoded; free them now.
    std::unique_ptr<unsigned char[]> released(ReleaseBuffer());
  }

 private:
  Strata::Ref<TextContent::Record> record_;
};

TextContent::TextContent() : record_(Strata::MakeRef<Record>()) {}

TextContent::TextContent(const Strata::UniString& text) : TextContent() { SetText(text); }

TextContent::~TextContent() = default;

Strata::Ref<Strata::OBinaryChannel> TextContent::GetOutputChannel() {
  return Strata::MakeRef<TextContentOBinaryChannel>(record_);
}

Strata::Ref<Strata::IBinaryChannel> TextContent::GetInputChannel() {
  if (record_->text.IsEmpty()) return Strata::MakeRef<Common::IO::NullIBinaryChannel>();
  return Strata::MakeRef<TextContentIBinaryChannel>(record_);
}

unsigned int TextContent::GetSize() const { return record_->size; }

bool TextContent::Equals(const BodyPartContent& other) const {
  if (const auto* text = dynamic_cast<const TextContent*>(&other)) {
    return record_->text == text->record_->text;
  }
  return BodyPartContent::Equals(other);
}

BodyPartContent* TextContent::Clone() const { return new TextContent(record_->text); }

const Strata::UniString& TextContent::GetText() const noexcept { return record_->text; }

void TextContent::SetText(const Strata::UniString& text) {
  const unsigned int size = CountUtf8Bytes(text);
  record_->text = text;
  record_->size = size;
}

}  // namespace Quorum::Server::Mail::Contents
