#include "Quorum/Server/Mail/Contents/TextContent.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "Quorum/Common/IO/NullIBinaryChannel.h"
#include "Quorum/Server/Mail/Contents/Internal/TextBytes.h"
#include "Strata/IOException.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/Throw.h"

namespace Quorum::Server::Mail::Contents {

struct TextContent::Record {
  Strata::UniString text;
  // The byte count: of `bytes` when they are kept, else of the text's UTF-8
  // form.
  unsigned int size = 0;
  // The bytes the content was filled with, kept only when the UTF-8 form of
  // `text` is not exactly them; never empty when not null.
  std::unique_ptr<unsigned char[]> bytes;
  Strata::UniString charset;
};

namespace {

unsigned int Utf8Size(const Strata::UniString& text) {
  const std::uint64_t count = internal::CountUtf8Bytes(text.GetUnits());
  if (count > std::numeric_limits<unsigned int>::max()) {
    STRATA_THROW(Strata::IOException, "Failed to size text content: text is too large.");
  }
  return static_cast<unsigned int>(count);
}

}  // namespace

// Yields the kept bytes, or else the UTF-8 bytes of the record's text,
// encoding as it goes, so no second copy of the content is built.
class TextContentIBinaryChannel : public Strata::IBinaryChannel {
 public:
  explicit TextContentIBinaryChannel(Strata::Ref<TextContent::Record> record)
      : record_(std::move(record)), kept_(record_->bytes != nullptr) {}

  unsigned int Read(unsigned char* data, unsigned int count) override {
    if (record_.IsNull()) return 0;
    return kept_ ? ReadKept(data, count) : ReadEncoded(data, count);
  }

  unsigned int GetAvailable() const override {
    if (record_.IsNull() || !kept_ || record_->bytes == nullptr) return 0;
    return record_->size -
           static_cast<unsigned int>(std::min<std::size_t>(position_, record_->size));
  }

  void Close() override { record_.Release(); }

 private:
  unsigned int ReadKept(unsigned char* data, unsigned int count) {
    if (record_->bytes == nullptr || position_ >= record_->size) return 0;
    const unsigned int done = std::min(count, record_->size - static_cast<unsigned int>(position_));
    std::memcpy(data, record_->bytes.get() + position_, done);
    position_ += done;
    return done;
  }

  unsigned int ReadEncoded(unsigned char* data, unsigned int count) {
    const std::u16string_view units = record_->text.GetUnits();
    unsigned int done = 0;
    while (done < count) {
      if (pendingStart_ < pendingEnd_) {
        data[done++] = pending_[pendingStart_++];
      } else if (position_ < units.size() && units[position_] < 0x80) {
        done += CopyAscii(units, data + done, count - done);
      } else if (position_ < units.size()) {
        pendingStart_ = 0;
        pendingEnd_ = internal::EncodeUtf8Character(units, position_, pending_);
      } else {
        break;
      }
    }
    return done;
  }

  // Copies the units below 0x80 from position_ on, at most `most`, each as
  // its byte; returns how many. Whole blocks of 16 go first: with SSE2 two
  // loads, a test and one narrowing store each, else tested a word at a time.
  unsigned int CopyAscii(std::u16string_view units, unsigned char* out, unsigned int most) {
    constexpr std::size_t kBlock = 16;
    const std::size_t count = std::min<std::size_t>(most, units.size() - position_);
    const char16_t* from = units.data() + position_;
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
    for (; count - i >= kBlock; i += kBlock) {
      const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 8));
      const __m128i above = _mm_and_si128(_mm_or_si128(low, next), high);
      if (_mm_movemask_epi8(_mm_cmpeq_epi16(above, _mm_setzero_si128())) != 0xFFFF) break;
      // Every unit is below 0x80, so the saturating pack keeps each whole.
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, next));
    }
#else
    for (; count - i >= kBlock; i += kBlock) {
      // A copy of the block, which the stores below cannot change, tested
      // a word at a time.
      char16_t block[kBlock];
      std::memcpy(block, from + i, sizeof block);
      std::uint64_t words[sizeof block / 8];
      std::memcpy(words, block, sizeof block);
      std::uint64_t any = 0;
      for (const std::uint64_t word : words) any |= word;
      if ((any & 0xFF80FF80FF80FF80ull) != 0) break;
      for (std::size_t k = 0; k < kBlock; ++k) out[i + k] = static_cast<unsigned char>(block[k]);
    }
#endif
    for (; i < count && from[i] < 0x80; ++i) out[i] = static_cast<unsigned char>(from[i]);
    position_ += i;
    return static_cast<unsigned int>(i);
  }

  Strata::Ref<TextContent::Record> record_;
  bool kept_;
  // In the kept bytes, or in the text's code units.
  std::size_t position_ = 0;
  unsigned char pending_[4] = {};
  unsigned int pendingStart_ = 0;
  unsigned int pendingEnd_ = 0;
};

// Collects the written bytes and, on the first Close, makes their decoding in
// the record's charset the record's text, keeping the bytes when that text
// does not give them back. Later Close calls do nothing. While every byte
// written is ASCII, they are collected as the units they decode to in UTF-8,
// so such a content is neither copied nor scanned again on Close.
class TextContentOBinaryChannel : public Strata::MemoryOBinaryChannel {
 public:
  explicit TextContentOBinaryChannel(Strata::Ref<TextContent::Record> record)
      : record_(std::move(record)) {}

  void Write(const unsigned char* data, unsigned int count) override {
    if (!ascii_ || IsClosed() || count == 0) {
      MemoryOBinaryChannel::Write(data, count);
      return;
    }
    if (internal::IsAscii(data, count)) {
      if (count > std::numeric_limits<unsigned int>::max() - units_.size()) {
        STRATA_THROW(Strata::IOException, "Failed to write: buffer is full.");
      }
      const std::size_t done = units_.size();
      units_.resize(done + count);
      std::copy(data, data + count, units_.data() + done);
      return;
    }
    // The first byte outside ASCII: the bytes so far, then these, are kept
    // as they come.
    const std::unique_ptr<unsigned char[]> before = NarrowUnits();
    MemoryOBinaryChannel::Write(before.get(), static_cast<unsigned int>(units_.size()));
    MemoryOBinaryChannel::Write(data, count);
    ascii_ = false;
    std::u16string().swap(units_);
  }

  void ReserveMore(unsigned int count) noexcept override {
    if (!ascii_) {
      MemoryOBinaryChannel::ReserveMore(count);
      return;
    }
    try {
      units_.reserve(units_.size() + count);
    } catch (...) {
      // Only a hint: the writes will grow the units as they come.
    }
  }

  void Close() override {
    if (IsClosed()) return;
    MemoryOBinaryChannel::Close();
    Strata::Ref<TextContent::Record> record = std::move(record_);
    if (ascii_ && internal::DecodesAsUtf8(record->charset)) {
      const auto size = static_cast<unsigned int>(units_.size());
      Strata::UniString text(std::move(units_));
      record->text.Swap(text);
      record->size = size;
      record->bytes.reset();
      return;
    }
    if (ascii_) {
      // A charset that reads ASCII bytes otherwise decodes them itself.
      Decode(*record, NarrowUnits(), static_cast<unsigned int>(units_.size()));
      return;
    }
    const unsigned int count = GetSize();
    Decode(*record, std::unique_ptr<unsigned char[]>(ReleaseBuffer()), count);
  }

 private:
  // Makes the decoding of the bytes the record's text, keeping the bytes
  // when that text does not give them back.
  static void Decode(TextContent::Record& record, std::unique_ptr<unsigned char[]> bytes,
                     unsigned int count) {
    internal::DecodedText decoded = internal::DecodeText(bytes.get(), count, record.charset);
    if (decoded.exact) {
      bytes.reset();
    } else if (count != 0 && count < Strata::MemoryOBinaryChannel::kFirstCapacity) {
      // Kept for good: a few bytes do not hold on to the channel's first
      // buffer.
      auto exact = std::make_unique_for_overwrite<unsigned char[]>(count);
      std::memcpy(exact.get(), bytes.get(), count);
      bytes.swap(exact);
    }
    record.text.Swap(decoded.text);
    record.size = count;
    record.bytes.swap(bytes);
  }

  // The bytes the units were collected from.
  std::unique_ptr<unsigned char[]> NarrowUnits() const {
    auto bytes = std::make_unique_for_overwrite<unsigned char[]>(units_.size());
    std::copy(units_.begin(), units_.end(), bytes.get());
    return bytes;
  }

  Strata::Ref<TextContent::Record> record_;
  bool ascii_ = true;
  // The bytes written, while all of them are ASCII.
  std::u16string units_;
};

TextContent::TextContent() : record_(Strata::MakeRef<Record>()) {}

TextContent::TextContent(const Strata::UniString& text) : TextContent() { SetText(text); }

TextContent::~TextContent() = default;

Strata::Ref<Strata::OBinaryChannel> TextContent::GetOutputChannel() {
  return Strata::MakeRef<TextContentOBinaryChannel>(record_);
}

Strata::Ref<Strata::IBinaryChannel> TextContent::GetInputChannel() {
  if (record_->size == 0) return Strata::MakeRef<Common::IO::NullIBinaryChannel>();
  return Strata::MakeRef<TextContentIBinaryChannel>(record_);
}

unsigned int TextContent::GetSize() const { return record_->size; }

bool TextContent::Equals(const BodyPartContent& other) const {
  if (const auto* text = dynamic_cast<const TextContent*>(&other)) {
    const Record& mine = *record_;
    const Record& theirs = *text->record_;
    if (mine.bytes == nullptr && theirs.bytes == nullptr) return mine.text == theirs.text;
    if (mine.bytes != nullptr && theirs.bytes != nullptr) {
      return mine.size == theirs.size &&
             std::memcmp(mine.bytes.get(), theirs.bytes.get(), mine.size) == 0;
    }
  }
  return BodyPartContent::Equals(other);
}

BodyPartContent* TextContent::Clone() const {
  auto clone = std::make_unique<TextContent>();
  Record& copy = *clone->record_;
  copy.text = record_->text;
  copy.size = record_->size;
  copy.charset = record_->charset;
  if (record_->bytes != nullptr) {
    copy.bytes = std::make_unique_for_overwrite<unsigned char[]>(record_->size);
    std::memcpy(copy.bytes.get(), record_->bytes.get(), record_->size);
  }
  return clone.release();
}

const Strata::UniString& TextContent::GetText() const noexcept { return record_->text; }

void TextContent::SetText(const Strata::UniString& text) {
  const unsigned int size = Utf8Size(text);
  Strata::UniString copy(text);
  record_->text.Swap(copy);
  record_->size = size;
  record_->bytes.reset();
  record_->charset.Clear();
}

const Strata::UniString& TextContent::GetCharset() const noexcept { return record_->charset; }

void TextContent::SetCharset(const Strata::UniString& charset) {
  Strata::UniString name(charset);
  Record& record = *record_;
  if (record.bytes != nullptr) {
    internal::DecodedText decoded = internal::DecodeText(record.bytes.get(), record.size, name);
    record.text.Swap(decoded.text);
    if (decoded.exact) record.bytes.reset();
  } else if (record.size > 0) {
    // Without kept bytes the content's bytes are the text's UTF-8 form.
    const std::string utf8 = record.text.ToCStr();
    const auto* data = reinterpret_cast<const unsigned char*>(utf8.data());
    internal::DecodedText decoded = internal::DecodeText(data, record.size, name);
    std::unique_ptr<unsigned char[]> kept;
    if (!decoded.exact) {
      kept = std::make_unique_for_overwrite<unsigned char[]>(record.size);
      std::memcpy(kept.get(), data, record.size);
    }
    record.text.Swap(decoded.text);
    record.bytes.swap(kept);
  }
  record.charset.Swap(name);
}

}  // namespace Quorum::Server::Mail::Contents
