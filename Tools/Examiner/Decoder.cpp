#include "Decoder.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "Internal/Text.h"
#include "Quorum/Common/UnsignedInteger32.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/StrataException.h"
#include "Strata/Throw.h"
#include "Strata/UniString.h"

namespace Quorum::Tools::Examiner {

namespace {

using internal::FormatCount;
using ContentKind = Sink::ContentKind;
using Kind = Schema::Kind;

// "1 remains", "1,032 remain".
std::string Remain(std::uint64_t count) {
  return FormatCount(count) + (count == 1 ? " remains" : " remain");
}

std::string Plural(const std::string& noun) {
  return noun + (!noun.empty() && noun.back() == 's' ? "es" : "s");
}

// What the reader looks at in the headers of a body part: the content is
// made as its default factory makes it (text when the last header named
// Content-Type, in any case, has a value beginning with "text"), and the
// last Content-Size header states the content's size.
struct ContentHeaders {
  ContentKind kind = ContentKind::Memory;
  std::optional<std::u16string> contentSize;

  void Note(const std::u16string& name, const std::u16string& value) {
    static const Strata::UniString contentType("Content-Type");
    static const Strata::UniString contentSizeName("Content-Size");
    const Strata::UniString header(name);
    if (header.IsEqual(contentType, Strata::CaseSensitivity::Insensitive)) {
      kind = value.starts_with(u"text") ? ContentKind::Text : ContentKind::Memory;
    } else if (header.IsEqual(contentSizeName, Strata::CaseSensitivity::Insensitive)) {
      contentSize = value;
    }
  }

  // Empty when the Content-Size header is absent or names `size`.
  std::string Disagreement(std::uint32_t size) const {
    if (!contentSize) return {};
    unsigned int stated = 0;
    if (Common::UnsignedInteger32::Parse(Strata::UniString(*contentSize), stated) &&
        stated == size) {
      return {};
    }
    return "Content-Size header says " +
           internal::Quote(internal::ToUtf8(*contentSize).value_or("?")) + ", the content holds " +
           FormatCount(size) + (size == 1 ? " byte" : " bytes");
  }
};

class Walker {
 public:
  Walker(Source& source, Sink& sink) : source_(source), channel_(source), sink_(sink) {}

  // Walks one value from the current position. `context` leads every
  // failure's context (empty for none). A failed read throws and leaves
  // GetContext() and GetItemOffset() describing it.
  void WalkValue(const Schema& schema, std::string label, std::string context) {
    context_.clear();
    if (!context.empty()) context_.push_back(std::move(context));
    Walk(schema, Item{&schema, std::move(label), {}, GetPosition(), 0});
  }

  std::uint64_t GetPosition() const noexcept { return source_.GetPosition(); }
  std::uint64_t GetRemaining() const noexcept { return source_.GetRemaining(); }
  std::string GetContext() const {
    std::string joined;
    for (const std::string& part : context_) joined += (joined.empty() ? "" : ", ") + part;
    return joined;
  }
  std::uint64_t GetItemOffset() const noexcept { return itemOffset_; }

 private:
  void Walk(const Schema& schema, const Item& item, bool isElement = false) {
    itemOffset_ = item.offset;
    switch (schema.kind) {
      case Kind::Record:
        WalkRecord(schema, item, isElement);
        break;
      case Kind::List:
        WalkList(schema, item);
        break;
      case Kind::String:
        lastText_ = ReadString();
        sink_.Text(item, lastText_);
        break;
      case Kind::UnsignedInt:
        Need(4, "an unsigned int");
        sink_.Number(item, channel_.ReadUnsignedInt());
        break;
      case Kind::Int:
        Need(4, "an int");
        sink_.Number(item, channel_.ReadInt());
        break;
      case Kind::Short:
        Need(2, "a short");
        sink_.Number(item, channel_.ReadShort());
        break;
      case Kind::Content:
        // A content stands alone only inside a body part, which passes its headers.
        context_.push_back(item.label);
        WalkContent(item, nullptr);
        context_.pop_back();
        break;
    }
  }

  void WalkRecord(const Schema& schema, const Item& item, bool isElement) {
    sink_.BeginRecord(item);
    const bool hasContent =
        std::any_of(schema.fields.begin(), schema.fields.end(),
                    [](const Field& f) { return f.schema->kind == Kind::Content; });
    ContentHeaders contentHeaders;
    std::u16string firstText;
    for (const Field& field : schema.fields) {
      const Item child{field.schema, field.label, field.key, GetPosition(), item.depth + 1};
      context_.push_back(field.label);
      if (field.schema->kind == Kind::Content) {
        WalkContent(child, &contentHeaders);
      } else {
        ContentHeaders* const outer = watching_;
        if (field.key == "headers") watching_ = hasContent ? &contentHeaders : nullptr;
        Walk(*field.schema, child);
        watching_ = outer;
      }
      context_.pop_back();
      if (&field == &schema.fields.front() && field.schema->kind == Kind::String) {
        firstText = lastText_;
        // Messages call an element named by its first field by that name from here on.
        if (isElement && field.key == "name") {
          context_.back() += " '" + internal::ToUtf8(firstText).value_or("?") + "'";
        }
      }
    }
    if (watching_ != nullptr && schema.IsNamedValue()) watching_->Note(firstText, lastText_);
    sink_.EndRecord(item);
  }

  void WalkList(const Schema& schema, const Item& item) {
    const std::uint64_t minimum = schema.element->GetMinimumSize();
    const std::uint32_t count = PeekCount("a count");
    if (count * minimum > GetRemaining() - 4) {
      Fail("claims " + FormatCount(count) + " " + Plural(schema.elementLabel) + " of at least " +
           FormatCount(minimum) + " bytes each, " + Remain(GetRemaining() - 4));
    }
    channel_.ReadUnsignedInt();
    sink_.BeginList(item, count);
    // The element's own label stands for the list's while it is read; the
    // value itself has no label of its own in the context.
    const bool ownSlot = item.depth == 0;
    if (ownSlot) context_.emplace_back();
    const std::string listLabel = context_.back();
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::string label = schema.elementLabel + " " + std::to_string(i + 1);
      context_.back() = label;
      Walk(*schema.element, Item{schema.element, label, {}, GetPosition(), item.depth + 1}, true);
    }
    context_.back() = listLabel;
    if (ownSlot) context_.pop_back();
    sink_.EndList(item);
  }

  void WalkContent(const Item& item, const ContentHeaders* headers) {
    itemOffset_ = item.offset;
    context_.back() = "content flag";
    Need(1, "a bool");
    unsigned char flag = 0;
    source_.Peek(&flag, 1);
    if (flag > 1) Fail("invalid bool byte " + std::to_string(flag) + " (0 or 1 expected)");
    if (!channel_.ReadBool()) {
      sink_.NoContent(item);
      return;
    }
    context_.back() = "content size";
    itemOffset_ = GetPosition();
    const std::uint32_t size = PeekCount("a size");
    if (size > GetRemaining() - 4) {
      Fail("claims " + FormatCount(size) + " bytes, " + Remain(GetRemaining() - 4));
    }
    channel_.ReadUnsignedInt();
    if (headers != nullptr) {
      if (std::string message = headers->Disagreement(size); !message.empty()) {
        context_.back() = item.label;
        sink_.Disagreement(Failure{item.offset, GetContext(), std::move(message)});
      }
    }
    sink_.Content(item, headers != nullptr ? headers->kind : ContentKind::Memory,
                  ContentBytes(source_, GetPosition(), size));
    source_.Skip(size);
  }

  std::u16string ReadString() {
    const std::uint32_t length = PeekCount("a length");
    if (std::uint64_t{length} * 2 > GetRemaining() - 4) {
      Fail("claims " + FormatCount(length) + " characters (" +
           FormatCount(std::uint64_t{length} * 2) + " bytes), " + Remain(GetRemaining() - 4));
    }
    return std::u16string(channel_.ReadUniString().GetUnits());
  }

  // The unsigned int at the current position, not yet taken.
  std::uint32_t PeekCount(const char* what) {
    Need(4, what);
    unsigned char p[4];
    source_.Peek(p, 4);
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
  }

  void Need(std::uint64_t count, const char* what) {
    if (GetRemaining() < count) {
      Fail(std::string("unexpected end of data: ") + what + " takes " + FormatCount(count) +
           (count == 1 ? " byte, " : " bytes, ") + Remain(GetRemaining()));
    }
  }

  [[noreturn]] void Fail(const std::string& message) {
    STRATA_THROW(Strata::IOException, Strata::UniString(message.c_str()));
  }

  Source& source_;
  Strata::IChannelX channel_;
  Sink& sink_;
  std::vector<std::string> context_;
  std::uint64_t itemOffset_ = 0;
  std::u16string lastText_;             // the text read last
  ContentHeaders* watching_ = nullptr;  // the body part whose headers are read
};

// Walks one value and turns a failed read into the decoding's failure.
bool WalkOne(Walker& walker, const Schema& schema, std::string label, std::string context,
             Decoding& decoding) {
  try {
    walker.WalkValue(schema, std::move(label), std::move(context));
  } catch (const Strata::StrataException& e) {
    decoding.failure = Failure{walker.GetItemOffset(), walker.GetContext(), e.what()};
    return false;
  }
  ++decoding.values;
  return true;
}

}  // namespace

std::string Failure::Describe() const {
  return "offset " + std::to_string(offset) + ": " + (context.empty() ? "" : context + ": ") +
         message;
}

std::string ContentBytes::GetHead(std::size_t count) const {
  std::string head(std::min<std::size_t>(count, size_), '\0');
  source_.ReadAt(offset_, reinterpret_cast<unsigned char*>(head.data()), head.size());
  return head;
}

Decoding Decode(const Schema& schema, Source& source, Sink& sink) {
  Decoding decoding;
  Walker walker(source, sink);
  if (WalkOne(walker, schema, schema.name, {}, decoding) && source.GetRemaining() != 0) {
    const std::uint64_t left = source.GetRemaining();
    decoding.failure =
        Failure{source.GetPosition(),
                {},
                FormatCount(left) + (left == 1 ? " trailing byte" : " trailing bytes") +
                    " after the " + schema.name};
  }
  return decoding;
}

Decoding DecodeAll(const Schema& schema, Source& source, Sink& sink) {
  Decoding decoding;
  Walker walker(source, sink);
  while (source.GetRemaining() != 0) {
    const std::string label = schema.name + " " + std::to_string(decoding.values + 1);
    if (!WalkOne(walker, schema, label, label, decoding)) break;
  }
  return decoding;
}

}  // namespace Quorum::Tools::Examiner
