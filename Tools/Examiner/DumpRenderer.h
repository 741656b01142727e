// DumpRenderer prints the items a decoder hands it as an indented tree, one
// item a line as soon as it is read, each line led by the decimal byte
// offset where the item begins. Contents show their kind, size and first
// bytes (as text when they read as text, else in hex). A header (a name and
// a value) waits for its value to share one line; Finish prints what a
// failed decoding left waiting.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "Sink.h"

namespace Quorum::Tools::Examiner {

class DumpRenderer : public Sink {
 public:
  explicit DumpRenderer(std::ostream& out) : out_(out) {}

  void BeginRecord(const Item& item) override;
  void EndRecord(const Item& item) override;
  void BeginList(const Item& item, std::uint32_t count) override;
  void Text(const Item& item, const std::u16string& units) override;
  void Number(const Item& item, std::int64_t number) override;
  void NoContent(const Item& item) override;
  void Content(const Item& item, ContentKind kind, const ContentBytes& bytes) override;

  // Prints the line of a header the decoding stopped in.
  void Finish();

 private:
  void Line(const Item& item, const std::string& text);

  std::ostream& out_;
  // The line of the header being read, and its item.
  std::optional<Item> pendingItem_;
  std::string pending_;
  unsigned int pendingTexts_ = 0;
};

}  // namespace Quorum::Tools::Examiner
