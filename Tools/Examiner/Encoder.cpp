#include "Encoder.h"

#include <cstdint>
#include <limits>
#include <string>

#include "Internal/Text.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Strata/Throw.h"

namespace Quorum::Tools::Examiner {

namespace {

using Json = nlohmann::ordered_json;
using Kind = Schema::Kind;

[[noreturn]] void Refuse(const std::string& path, const std::string& problem) {
  const std::string message = (path.empty() ? "value" : path) + ": " + problem;
  STRATA_THROW(Strata::IllegalArgumentException, Strata::UniString(message.c_str()));
}

class Writer {
 public:
  Writer() : channel_(bytes_) {}

  void Write(const Schema& schema, const Json& value, const std::string& path) {
    switch (schema.kind) {
      case Kind::Record:
        return WriteRecord(schema, value, path);
      case Kind::List: {
        if (!value.is_array()) Refuse(path, "an array expected");
        if (value.size() > std::numeric_limits<std::uint32_t>::max())
          Refuse(path, "too many items");
        channel_.WriteUnsignedInt(static_cast<std::uint32_t>(value.size()));
        for (std::size_t i = 0; i < value.size(); ++i) {
          Write(*schema.element, value[i], path + "[" + std::to_string(i) + "]");
        }
        return;
      }
      case Kind::String:
        return WriteString(value, path);
      case Kind::UnsignedInt:
        channel_.WriteUnsignedInt(static_cast<std::uint32_t>(
            ToNumber(value, 0, std::numeric_limits<std::uint32_t>::max(), path)));
        return;
      case Kind::Int:
        channel_.WriteInt(
            static_cast<std::int32_t>(ToNumber(value, std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max(), path)));
        return;
      case Kind::Short:
        channel_.WriteShort(
            static_cast<std::int16_t>(ToNumber(value, std::numeric_limits<std::int16_t>::min(),
                                               std::numeric_limits<std::int16_t>::max(), path)));
        return;
      case Kind::Content:
        return WriteContent(value, path);
    }
  }

  std::vector<unsigned char> TakeBytes() const {
    const unsigned char* data = bytes_.GetBuffer();
    return data == nullptr ? std::vector<unsigned char>()
                           : std::vector<unsigned char>(data, data + bytes_.GetSize());
  }

 private:
  void WriteRecord(const Schema& schema, const Json& value, const std::string& path) {
    if (!value.is_object()) Refuse(path, "an object expected");
    for (const auto& item : value.items()) {
      bool known = false;
      for (const Field& field : schema.fields) known = known || field.key == item.key();
      if (!known) Refuse(path, "unknown key \"" + item.key() + "\"");
    }
    for (const Field& field : schema.fields) {
      const std::string fieldPath = path.empty() ? field.key : path + "." + field.key;
      if (!value.contains(field.key)) Refuse(fieldPath, "missing");
      Write(*field.schema, value.at(field.key), fieldPath);
    }
  }

  void WriteString(const Json& value, const std::string& path) {
    std::u16string units;
    if (value.is_string()) {
      const auto converted = internal::ToUtf16(value.get_ref<const std::string&>());
      if (!converted) Refuse(path, "text is not valid UTF-8");
      units = *converted;
    } else if (value.is_object() && value.size() == 1 && value.contains("utf16") &&
               value["utf16"].is_array()) {
      for (const Json& unit : value["utf16"]) {
        units += static_cast<char16_t>(ToNumber(unit, 0, 0xFFFF, path + ".utf16"));
      }
    } else {
      Refuse(path, "a string or {\"utf16\": [units]} expected");
    }
    if (units.size() > std::numeric_limits<std::uint32_t>::max()) Refuse(path, "text too long");
    channel_.WriteUniString(Strata::UniString(std::move(units)));
  }

  void WriteContent(const Json& value, const std::string& path) {
    if (value.is_null()) {
      channel_.WriteBool(false);
      return;
    }
    if (!value.is_object()) Refuse(path, "null or an object expected");
    std::vector<unsigned char> bytes;
    if (value.contains("text") && value["text"].is_string()) {
      const std::string& text = value["text"].get_ref<const std::string&>();
      bytes.assign(text.begin(), text.end());
    } else if (value.contains("base64") && value["base64"].is_string()) {
      auto decoded = internal::DecodeBase64(value["base64"].get_ref<const std::string&>());
      if (!decoded) Refuse(path + ".base64", "not valid base64");
      bytes = std::move(*decoded);
    } else {
      Refuse(path, "the bytes were left out (no \"text\" or \"base64\")");
    }
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) Refuse(path, "content too large");
    if (value.contains("size") &&
        ToNumber(value["size"], 0, std::numeric_limits<std::uint32_t>::max(), path + ".size") !=
            static_cast<std::int64_t>(bytes.size())) {
      Refuse(path + ".size", "differs from the " + std::to_string(bytes.size()) + " bytes given");
    }
    channel_.WriteBool(true);
    channel_.WriteUnsignedInt(static_cast<std::uint32_t>(bytes.size()));
    if (!bytes.empty()) {
      channel_.GetBinaryChannel().Write(bytes.data(), static_cast<unsigned int>(bytes.size()));
    }
  }

  static std::int64_t ToNumber(const Json& value, std::int64_t least, std::int64_t most,
                               const std::string& path) {
    if (!value.is_number_integer()) Refuse(path, "an integer expected");
    if (value.is_number_unsigned()) {
      const auto number = value.get<std::uint64_t>();
      if (number > static_cast<std::uint64_t>(most)) Refuse(path, "out of range");
      return static_cast<std::int64_t>(number);
    }
    const auto number = value.get<std::int64_t>();
    if (number < least || number > most) Refuse(path, "out of range");
    return number;
  }

  Strata::MemoryOBinaryChannel bytes_;
  Strata::OChannelX channel_;
};

}  // namespace

std::vector<unsigned char> Encode(const Schema& schema, const nlohmann::ordered_json& value) {
  Writer writer;
  writer.Write(schema, value, "");
  return writer.TakeBytes();
}

std::vector<unsigned char> EncodeAll(const Schema& schema, const nlohmann::ordered_json& values) {
  if (!values.is_array()) Refuse("", "an array of values expected");
  Writer writer;
  for (std::size_t i = 0; i < values.size(); ++i) {
    // Appended piece by piece: g++ 12 at -O3 mistakes "[" + ... + "]" for an
    // overlapping copy (-Wrestrict).
    std::string path = "[";
    path.append(std::to_string(i)).append("]");
    writer.Write(schema, values[i], path);
  }
  return writer.TakeBytes();
}

nlohmann::ordered_json ParseJson(std::string_view text) {
  unsigned int depth = 0;
  bool inString = false;
  bool escaped = false;
  for (const char c : text) {
    if (escaped) {
      escaped = false;
    } else if (inString) {
      escaped = c == '\\';
      inString = c != '"';
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > MaxJsonDepth) {
        STRATA_THROW(Strata::IllegalArgumentException,
                     Strata::UniString::Format("nested deeper than %u levels", MaxJsonDepth));
      }
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  auto value = Json::parse(text.begin(), text.end(), nullptr, false);
  if (value.is_discarded()) STRATA_THROW(Strata::IllegalArgumentException, "not valid JSON");
  return value;
}

}  // namespace Quorum::Tools::Examiner
