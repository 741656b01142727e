// JsonRenderer prints the items a decoder hands it as JSON while they are
// read, in the layout of nlohmann::json's dump(2): records as objects in
// field order, lists as arrays, numbers as numbers, text as strings (text
// that is not well-formed UTF-16 as {"utf16": [units]}), and a content as
// null or {"kind", "size", then "text" or "base64"}; a content is "text"
// when it is text content holding valid UTF-8. Encode reads exactly this
// form back. Nothing waits for a whole value: only a text content's bytes
// are read twice, once to learn whether they are valid UTF-8 and once to
// print them. A decoding that fails leaves the JSON unfinished.
#pragma once

#include <ostream>
#include <vector>

#include "Sink.h"

namespace Quorum::Tools::Examiner {

class JsonRenderer : public Sink {
 public:
  // `withContents` false leaves out the bytes of every content (kind and
  // size stay), which Encode then refuses. `sequence` puts the values
  // decoded one after another into one array.
  JsonRenderer(std::ostream& out, bool withContents = true, bool sequence = false);

  void BeginRecord(const Item& item) override;
  void EndRecord(const Item& item) override;
  void BeginList(const Item& item, std::uint32_t count) override;
  void EndList(const Item& item) override;
  void Text(const Item& item, const std::u16string& units) override;
  void Number(const Item& item, std::int64_t number) override;
  void NoContent(const Item& item) override;
  void Content(const Item& item, ContentKind kind, const ContentBytes& bytes) override;

  // Closes the array of a sequence and ends the last line; after a failure
  // only ends the line.
  void Finish(bool failed);

 private:
  // Starts a value: the separator, the indentation and the key.
  void Begin(const std::string& key);
  void Open(char bracket);
  void Close(char bracket);
  void Indent();

  std::ostream& out_;
  const bool withContents_;
  const bool sequence_;
  // For each open object or array: whether nothing was put in it yet.
  std::vector<bool> empty_;
  bool written_ = false;
};

}  // namespace Quorum::Tools::Examiner
