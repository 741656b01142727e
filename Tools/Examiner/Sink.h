// Sink receives the items of a channel form in order as the decoder reads
// them, so a renderer prints as the bytes arrive and nothing is kept. Items
// nest: a record's fields and a list's elements come between its Begin and
// End. A decoding that fails stops after the last item read whole; a record
// or list it stopped in gets no End. Every member does nothing by default.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "Schema.h"
#include "Source.h"

namespace Quorum::Tools::Examiner {

// Where an item is and what names it.
struct Item {
  const Schema* schema = nullptr;
  // The words that name the item in dumps and messages: a field's label,
  // "header 3", or the type's name for the value itself ("mail 2" among
  // several values).
  std::string label;
  std::string key;  // the JSON key of a record's field; empty otherwise
  std::uint64_t offset = 0;
  unsigned int depth = 0;  // 0 for the value itself
};

// What went wrong and where: a failure that stops decoding, or something
// that decodes but disagrees with itself.
struct Failure {
  std::uint64_t offset = 0;
  // What was being read, e.g. "body part 2 'report.pdf', content size";
  // empty for bytes left over after a complete value.
  std::string context;
  std::string message;

  // "offset 1032: <context>: <message>".
  std::string Describe() const;
};

// The bytes of one content, left in the source and read on request, as often
// as a renderer needs, while the Content call lasts.
class ContentBytes {
 public:
  ContentBytes(const Source& source, std::uint64_t offset, std::uint32_t size) noexcept
      : source_(source), offset_(offset), size_(size) {}

  std::uint32_t GetSize() const noexcept { return size_; }
  // The first `count` bytes, or all when there are fewer.
  std::string GetHead(std::size_t count) const;
  // Calls `piece(std::string_view)` with every byte in order, in pieces of at
  // most PieceSize bytes (a multiple of 3, so base64 needs no carry but at
  // the end).
  template <typename Piece>
  void ForEachPiece(const Piece& piece) const {
    std::string buffer;
    for (std::uint64_t done = 0; done < size_;) {
      buffer.resize(static_cast<std::size_t>(std::min<std::uint64_t>(PieceSize, size_ - done)));
      source_.ReadAt(offset_ + done, reinterpret_cast<unsigned char*>(buffer.data()),
                     buffer.size());
      piece(std::string_view(buffer));
      done += buffer.size();
    }
  }

  static constexpr std::size_t PieceSize = 3 * 16384;

 private:
  const Source& source_;
  std::uint64_t offset_;
  std::uint32_t size_;
};

class Sink {
 public:
  enum class ContentKind { Memory, Text };

  Sink() = default;
  Sink(const Sink&) = delete;
  Sink& operator=(const Sink&) = delete;
  virtual ~Sink() = default;

  virtual void BeginRecord(const Item& /*item*/) {}
  virtual void EndRecord(const Item& /*item*/) {}
  // A list whose count was read and found possible; its elements follow.
  virtual void BeginList(const Item& /*item*/, std::uint32_t /*count*/) {}
  virtual void EndList(const Item& /*item*/) {}
  virtual void Text(const Item& /*item*/, const std::u16string& /*units*/) {}
  virtual void Number(const Item& /*item*/, std::int64_t /*number*/) {}
  // A content flag of false: no content follows.
  virtual void NoContent(const Item& /*item*/) {}
  // A content of the kind the reader's default factory would make.
  virtual void Content(const Item& /*item*/, ContentKind /*kind*/, const ContentBytes& /*bytes*/) {}
  // Data that decodes but disagrees with itself (a Content-Size header
  // unlike its content's size); decoding goes on.
  virtual void Disagreement(const Failure& /*finding*/) {}
};

}  // namespace Quorum::Tools::Examiner
