#include "JsonRenderer.h"

#include <string>
#include <string_view>

#include "Internal/Text.h"

namespace Quorum::Tools::Examiner {

JsonRenderer::JsonRenderer(std::ostream& out, bool withContents, bool sequence)
    : out_(out), withContents_(withContents), sequence_(sequence) {
  if (sequence_) Open('[');
}

void JsonRenderer::BeginRecord(const Item& item) {
  Begin(item.key);
  Open('{');
}

void JsonRenderer::EndRecord(const Item& /*item*/) { Close('}'); }

void JsonRenderer::BeginList(const Item& item, std::uint32_t /*count*/) {
  Begin(item.key);
  Open('[');
}

void JsonRenderer::EndList(const Item& /*item*/) { Close(']'); }

void JsonRenderer::Text(const Item& item, const std::u16string& units) {
  Begin(item.key);
  if (const auto utf8 = internal::ToUtf8(units)) {
    out_ << internal::QuoteJson(*utf8);
    return;
  }
  Open('{');
  Begin("utf16");
  Open('[');
  for (const char16_t unit : units) {
    Begin({});
    out_ << static_cast<unsigned int>(unit);
  }
  Close(']');
  Close('}');
}

void JsonRenderer::Number(const Item& item, std::int64_t number) {
  Begin(item.key);
  out_ << number;
}

void JsonRenderer::NoContent(const Item& item) {
  Begin(item.key);
  out_ << "null";
}

void JsonRenderer::Content(const Item& item, ContentKind kind, const ContentBytes& bytes) {
  const bool isText = kind == ContentKind::Text;
  Begin(item.key);
  Open('{');
  Begin("kind");
  out_ << (isText ? "\"text\"" : "\"memory\"");
  Begin("size");
  out_ << bytes.GetSize();
  if (withContents_) {
    internal::Utf8Checker checker;
    if (isText) bytes.ForEachPiece([&checker](std::string_view piece) { checker.Add(piece); });
    std::string text;
    if (isText && checker.IsValid()) {
      Begin("text");
      out_ << '"';
      bytes.ForEachPiece([this, &text](std::string_view piece) {
        text.clear();
        internal::AppendJsonEscaped(piece, text);
        out_ << text;
      });
    } else {
      Begin("base64");
      out_ << '"';
      internal::Base64Encoder encoder;
      bytes.ForEachPiece([this, &encoder, &text](std::string_view piece) {
        text.clear();
        encoder.Add(piece, text);
        out_ << text;
      });
      text.clear();
      encoder.Finish(text);
      out_ << text;
    }
    out_ << '"';
  }
  Close('}');
}

void JsonRenderer::Finish(bool failed) {
  if (sequence_ && !failed) Close(']');
  if (written_) out_ << '\n';
}

void JsonRenderer::Begin(const std::string& key) {
  written_ = true;
  if (!empty_.empty()) {
    out_ << (empty_.back() ? "\n" : ",\n");
    empty_.back() = false;
    Indent();
  }
  if (!key.empty()) out_ << internal::QuoteJson(key) << ": ";
}

void JsonRenderer::Open(char bracket) {
  written_ = true;
  out_ << bracket;
  empty_.push_back(true);
}

void JsonRenderer::Close(char bracket) {
  const bool wasEmpty = empty_.back();
  empty_.pop_back();
  if (!wasEmpty) {
    out_ << '\n';
    Indent();
  }
  out_ << bracket;
}

void JsonRenderer::Indent() {
  for (std::size_t i = 0; i < empty_.size(); ++i) out_ << "  ";
}

}  // namespace Quorum::Tools::Examiner
