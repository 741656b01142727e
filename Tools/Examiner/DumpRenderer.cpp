#include "DumpRenderer.h"

#include <cstdio>
#include <string>

#include "Internal/Text.h"

namespace Quorum::Tools::Examiner {

namespace {

using internal::FormatCount;
using Kind = Schema::Kind;

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

// The first bytes as quoted text when they read as text (a character cut by
// the preview's end is left out), else as hex.
std::string Preview(const std::vector<unsigned char>& bytes) {
  const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::string more = bytes.size() > PreviewSize ? " ..." : "";
  std::string_view head = all.substr(0, PreviewSize);
  const std::size_t mostCut = bytes.size() > PreviewSize ? 3 : 0;
  for (std::size_t cut = 0; cut <= mostCut; ++cut) {
    const std::string_view shorter = head.substr(0, head.size() - cut);
    if (IsPlainText(shorter)) return internal::Quote(shorter) + more;
  }
  std::string hex;
  for (std::size_t i = 0; i < head.size(); ++i) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%s%02x", i == 0 ? "" : " ",
                  static_cast<unsigned int>(bytes[i]));
    hex += digits;
  }
  return hex + more;
}

std::string DescribeContent(const Node& node) {
  if (node.contentKind == Node::ContentKind::None) return "none";
  std::string text = node.contentKind == Node::ContentKind::Text ? "text, " : "memory, ";
  text += FormatCount(node.bytes.size()) + (node.bytes.size() == 1 ? " byte" : " bytes");
  return node.bytes.empty() ? text : text + ": " + Preview(node.bytes);
}

// The line of one item without its offset and indentation; empty for an
// item that holds nothing to show.
std::string Describe(const Node& node) {
  const Kind kind = node.schema->kind;
  if (kind == Kind::Record) {
    if (!node.schema->IsNamedValue()) return node.label;
    std::string line = node.label + ":";
    if (!node.children.empty() && node.children[0].complete) {
      line += ' ';
      line += ShowText(node.children[0].text);
    }
    if (node.children.size() == 2 && node.children[1].complete) {
      line += " = ";
      line += ShowText(node.children[1].text);
    }
    return line;
  }
  if (kind == Kind::List) {
    return node.label + ": " + FormatCount(static_cast<std::uint64_t>(node.number));
  }
  if (!node.complete && kind != Kind::Content) return {};
  if (kind == Kind::String) return node.label + ": " + ShowText(node.text);
  if (kind == Kind::Content) return node.complete ? node.label + ": " + DescribeContent(node) : "";
  return node.label + ": " + std::to_string(node.number);
}

void RenderNode(const Node& node, unsigned int depth, std::ostream& out) {
  if (node.schema == nullptr) return;
  // A list's count line needs its count; a list that failed there shows nothing.
  const bool countRead = node.schema->kind != Kind::List || node.complete || !node.children.empty();
  const std::string line = countRead ? Describe(node) : "";
  if (line.empty()) return;
  char offset[24];
  std::snprintf(offset, sizeof offset, "%10llu  ", static_cast<unsigned long long>(node.offset));
  out << offset << std::string(2 * depth, ' ') << line << '\n';
  if (node.schema->IsNamedValue()) return;
  for (const Node& child : node.children) RenderNode(child, depth + 1, out);
}

}  // namespace

void RenderDump(const Decoding& decoding, std::ostream& out) {
  RenderNode(decoding.root, 0, out);
  if (decoding.failure) out << "error at " << decoding.failure->Describe() << '\n';
}

}  // namespace Quorum::Tools::Examiner
