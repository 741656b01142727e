#include "JsonRenderer.h"

#include <string_view>

#include "Internal/Text.h"

namespace Quorum::Tools::Examiner {

namespace {

using Json = nlohmann::ordered_json;
using Kind = Schema::Kind;

Json TextToJson(const std::u16string& units) {
  if (const auto utf8 = internal::ToUtf8(units)) return *utf8;
  Json array = Json::array();
  for (const char16_t unit : units) array.push_back(static_cast<unsigned int>(unit));
  return Json{{"utf16", std::move(array)}};
}

Json ContentToJson(const Node& node, bool withContents) {
  if (node.contentKind == Node::ContentKind::None) return nullptr;
  const bool isText = node.contentKind == Node::ContentKind::Text;
  Json content{{"kind", isText ? "text" : "memory"}, {"size", node.bytes.size()}};
  if (!withContents) return content;
  const std::string_view bytes(reinterpret_cast<const char*>(node.bytes.data()), node.bytes.size());
  if (isText && internal::IsValidUtf8(bytes)) {
    content["text"] = std::string(bytes);
  } else {
    content["base64"] = internal::EncodeBase64(node.bytes);
  }
  return content;
}

}  // namespace

nlohmann::ordered_json ToJson(const Node& node, bool withContents) {
  switch (node.schema->kind) {
    case Kind::Record: {
      Json object = Json::object();
      for (const Node& child : node.children) object[child.key] = ToJson(child, withContents);
      return object;
    }
    case Kind::List: {
      Json array = Json::array();
      for (const Node& child : node.children) array.push_back(ToJson(child, withContents));
      return array;
    }
    case Kind::String:
      return TextToJson(node.text);
    case Kind::Content:
      return ContentToJson(node, withContents);
    case Kind::UnsignedInt:
    case Kind::Int:
    case Kind::Short:
      break;
  }
  return node.number;
}

}  // namespace Quorum::Tools::Examiner
