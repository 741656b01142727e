#include "Decoder.h"

#include <limits>

#include "Internal/Text.h"
#include "Strata/CountingIBinaryChannel.h"
#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/StrataException.h"
#include "Strata/Throw.h"

namespace Quorum::Tools::Examiner {

namespace {

using internal::FormatCount;
using Kind = Schema::Kind;

// "1 remains", "1,032 remain".
std::string Remain(std::uint64_t count) {
  return FormatCount(count) + (count == 1 ? " remains" : " remain");
}

Node MakeNode(std::string label, std::string key = {}) {
  Node node;
  node.label = std::move(label);
  node.key = std::move(key);
  return node;
}

std::string Plural(const std::string& noun) {
  return noun + (!noun.empty() && noun.back() == 's' ? "es" : "s");
}

// Content made as the reader's default factory makes it: text when the last
// header named Content-Type (in any case) has a value beginning with "text".
Node::ContentKind ContentKindFor(const Node& headers) {
  const Strata::UniString contentType("Content-Type");
  Node::ContentKind kind = Node::ContentKind::Memory;
  for (const Node& header : headers.children) {
    if (header.children.size() != 2) continue;
    if (Strata::UniString(header.children[0].text)
            .IsEqual(contentType, Strata::CaseSensitivity::Insensitive)) {
      kind = header.children[1].text.starts_with(u"text") ? Node::ContentKind::Text
                                                          : Node::ContentKind::Memory;
    }
  }
  return kind;
}

class Walker {
 public:
  Walker(const std::vector<unsigned char>& data, bool keepValues)
      : keepValues_(keepValues),
        data_(data),
        memory_(data.data(), static_cast<unsigned int>(data.size())),
        counting_(memory_),
        channel_(counting_) {}

  // Fills `node` as far as the data allows. A failed read throws and leaves
  // GetContext() and GetItemOffset() describing it.
  void Walk(const Schema& schema, Node& node, bool isElement = false) {
    node.schema = &schema;
    node.offset = GetPosition();
    itemOffset_ = node.offset;
    switch (schema.kind) {
      case Kind::Record:
        WalkRecord(schema, node, isElement);
        break;
      case Kind::List:
        WalkList(schema, node);
        break;
      case Kind::String:
        node.text = ReadString();
        break;
      case Kind::UnsignedInt:
        Need(4, "an unsigned int");
        node.number = channel_.ReadUnsignedInt();
        break;
      case Kind::Int:
        Need(4, "an int");
        node.number = channel_.ReadInt();
        break;
      case Kind::Short:
        Need(2, "a short");
        node.number = channel_.ReadShort();
        break;
      case Kind::Content:
        // A content stands alone only inside a body part, which passes its kind.
        context_.push_back(node.label);
        WalkContent(node, Node::ContentKind::Memory);
        context_.pop_back();
        break;
    }
    node.complete = true;
  }

  std::uint64_t GetPosition() const noexcept { return counting_.GetPosition(); }
  std::uint64_t GetRemaining() const noexcept { return data_.size() - GetPosition(); }
  std::string GetContext() const {
    std::string joined;
    for (const std::string& part : context_) joined += (joined.empty() ? "" : ", ") + part;
    return joined;
  }
  std::uint64_t GetItemOffset() const noexcept { return itemOffset_; }

 private:
  void WalkRecord(const Schema& schema, Node& node, bool isElement) {
    for (const Field& field : schema.fields) {
      node.children.push_back(MakeNode(field.label, field.key));
      Node& child = node.children.back();
      context_.push_back(field.label);
      if (field.schema->kind == Kind::Content) {
        child.schema = field.schema;
        const Node* headers = FindChild(node, "headers");
        WalkContent(child,
                    headers != nullptr ? ContentKindFor(*headers) : Node::ContentKind::Memory);
      } else {
        Walk(*field.schema, child);
      }
      context_.pop_back();
      // Messages call an element named by its first field by that name from here on.
      if (isElement && field.key == "name" && &field == &schema.fields.front()) {
        context_.back() += " '" + internal::ToUtf8(child.text).value_or("?") + "'";
      }
    }
  }

  void WalkList(const Schema& schema, Node& node) {
    const std::uint64_t minimum = schema.element->GetMinimumSize();
    const std::uint32_t count = PeekCount("a count");
    if (count * minimum > GetRemaining() - 4) {
      Fail("claims " + FormatCount(count) + " " + Plural(schema.elementLabel) + " of at least " +
           FormatCount(minimum) + " bytes each, " + Remain(GetRemaining() - 4));
    }
    node.number = channel_.ReadUnsignedInt();
    // The element's own label stands for the list's while it is read.
    const bool topLevel = context_.empty();
    if (topLevel) context_.emplace_back();
    const std::string listLabel = context_.back();
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::string label = schema.elementLabel + " " + std::to_string(i + 1);
      node.children.push_back(MakeNode(label));
      context_.back() = label;
      Walk(*schema.element, node.children.back(), true);
      if (!keepValues_) node.children.clear();
    }
    context_.back() = listLabel;
    if (topLevel) context_.pop_back();
  }

  void WalkContent(Node& node, Node::ContentKind kind) {
    node.offset = GetPosition();
    itemOffset_ = node.offset;
    context_.back() = "content flag";
    Need(1, "a bool");
    const unsigned char flag = data_[GetPosition()];
    if (flag > 1) Fail("invalid bool byte " + std::to_string(flag) + " (0 or 1 expected)");
    if (!channel_.ReadBool()) {
      node.complete = true;
      return;
    }
    node.contentKind = kind;
    context_.back() = "content size";
    itemOffset_ = GetPosition();
    const std::uint32_t size = PeekCount("a size");
    if (size > GetRemaining() - 4) {
      Fail("claims " + FormatCount(size) + " bytes, " + Remain(GetRemaining() - 4));
    }
    channel_.ReadUnsignedInt();
    if (keepValues_ && size != 0) {
      node.bytes.resize(size);
      Strata::IBinaryChannelUtilities::ReadFully(counting_, node.bytes.data(), size);
    } else {
      SkipBytes(size);
    }
    node.complete = true;
  }

  void SkipBytes(std::uint32_t count) {
    unsigned char skipped[4096];
    for (std::uint32_t left = count; left > 0;) {
      const unsigned int got = Strata::IBinaryChannelUtilities::ReadFully(
          counting_, skipped, std::min<std::uint32_t>(left, sizeof skipped));
      if (got == 0) Fail("unexpected end of data within the content");
      left -= got;
    }
  }

  std::u16string ReadString() {
    const std::uint32_t length = PeekCount("a length");
    if (std::uint64_t{length} * 2 > GetRemaining() - 4) {
      Fail("claims " + FormatCount(length) + " characters (" +
           FormatCount(std::uint64_t{length} * 2) + " bytes), " + Remain(GetRemaining() - 4));
    }
    return std::u16string(channel_.ReadUniString().GetUnits());
  }

  // The unsigned int at the current position, not yet consumed.
  std::uint32_t PeekCount(const char* what) {
    Need(4, what);
    const unsigned char* p = data_.data() + GetPosition();
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

  static const Node* FindChild(const Node& node, const std::string& key) {
    for (const Node& child : node.children) {
      if (child.key == key) return &child;
    }
    return nullptr;
  }

  const bool keepValues_;
  const std::vector<unsigned char>& data_;
  Strata::MemoryIBinaryChannel memory_;
  Strata::CountingIBinaryChannel counting_;
  Strata::IChannelX channel_;
  std::vector<std::string> context_;
  std::uint64_t itemOffset_ = 0;
};

}  // namespace

std::string Failure::Describe() const {
  return "offset " + std::to_string(offset) + ": " + (context.empty() ? "" : context + ": ") +
         message;
}

Decoding Decode(const Schema& schema, const std::vector<unsigned char>& data, bool keepValues) {
  Decoding decoding;
  decoding.root.label = schema.name;
  if (data.size() > std::numeric_limits<unsigned int>::max()) {
    decoding.failure = Failure{
        0,
        {},
        "input of " + FormatCount(data.size()) + " bytes is larger than a channel form can be"};
    return decoding;
  }
  Walker walker(data, keepValues);
  try {
    walker.Walk(schema, decoding.root);
  } catch (const Strata::StrataException& e) {
    decoding.failure = Failure{walker.GetItemOffset(), walker.GetContext(), e.what()};
    return decoding;
  }
  if (walker.GetRemaining() != 0) {
    decoding.failure =
        Failure{walker.GetPosition(),
                {},
                FormatCount(walker.GetRemaining()) + " trailing bytes after the " + schema.name};
  }
  return decoding;
}

}  // namespace Quorum::Tools::Examiner
