#include "DumpRenderer.h"

#include <cstdio>
#include <string>

#include "Internal/Text.h"

namespace Quorum::Tools::Examiner {

namespace {

using internal::FormatCount;

constexpr std::size_t PreviewSize = 32;

std::string ShowText(const std::u16string& units) {
  if (const auto utf8 = internal::ToUtf8(units)) return internal::Quote(*utf8);
  std::string hex = "UTF-16";
  for (const char16_t unit : units) {
    char digits[8];
    std::snprintf(digits, sizeof digits, " %04x", static_cast<unsigned int>(unit));
    hex += digits;
  }
  return hex;
}

bool IsPlainText(std::string_view bytes) {
  if (!internal::IsValidUtf8(bytes)) return false;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\n' && c != '\r' && c != '\t') || byte == 0x7F) return false;
  }
  return true;
}

// The first bytes of a content of `size` bytes as quoted text when they read
// as text (a character cut by the preview's end is left out), else as hex.
std::string Preview(std::string_view head, std::uint64_t size) {
  const std::string more = size > PreviewSize ? " ..." : "";
  const std::size_t mostCut = size > PreviewSize ? 3 : 0;
  for (std::size_t cut = 0; cut <= mostCut; ++cut) {
    const std::string_view shorter = head.substr(0, head.size() - cut);
    if (IsPlainText(shorter)) return internal::Quote(shorter) + more;
  }
  std::string hex;
  for (std::size_t i = 0; i < head.size(); ++i) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%s%02x", i == 0 ? "" : " ",
                  static_cast<unsigned int>(static_cast<unsigned char>(head[i])));
    hex += digits;
  }
  return hex + more;
}

}  // namespace

void DumpRenderer::BeginRecord(const Item& item) {
  if (pendingItem_) return;
  if (item.schema->IsNamedValue()) {
    pendingItem_ = item;
    pending_ = item.label + ":";
    pendingTexts_ = 0;
    return;
  }
  Line(item, item.label);
}

void DumpRenderer::EndRecord(const Item& item) {
  if (pendingItem_ && pendingItem_->depth == item.depth) Finish();
}

void DumpRenderer::BeginList(const Item& item, std::uint32_t count) {
  Line(item, item.label + ": " + FormatCount(count));
}

void DumpRenderer::Text(const Item& item, const std::u16string& units) {
  if (pendingItem_) {
    pending_ += (pendingTexts_++ == 0 ? " " : " = ") + ShowText(units);
    return;
  }
  Line(item, item.label + ": " + ShowText(units));
}

void DumpRenderer::Number(const Item& item, std::int64_t number) {
  Line(item, item.label + ": " + std::to_string(number));
}

void DumpRenderer::NoContent(const Item& item) { Line(item, item.label + ": none"); }

void DumpRenderer::Content(const Item& item, ContentKind kind, const ContentBytes& bytes) {
  const std::uint32_t size = bytes.GetSize();
  std::string text = item.label + (kind == ContentKind::Text ? ": text, " : ": memory, ") +
                     FormatCount(size) + (size == 1 ? " byte" : " bytes");
  if (size != 0) text += ": " + Preview(bytes.GetHead(PreviewSize), size);
  Line(item, text);
}

void DumpRenderer::Finish() {
  if (!pendingItem_) return;
  const Item item = *pendingItem_;
  pendingItem_.reset();
  Line(item, pending_);
}

void DumpRenderer::Line(const Item& item, const std::string& text) {
  char offset[24];
  std::snprintf(offset, sizeof offset, "%10llu  ", static_cast<unsigned long long>(item.offset));
  std::string line = offset;
  line.append(2 * item.depth, ' ');
  line += text;
  line += '\n';
  out_ << line;
}

}  // namespace Quorum::Tools::Examiner
