// Internal: the rules that keep the headers of a mail or a body part the
// single source of truth for the typed values its owner caches. The owner
// holds the headers and one parsed bit per cached value; a TypedHeaders is a
// short-lived view of both, made with the owner's table of typed headers.
//  - A typed value is parsed on first use (Parse) and its bit set only when
//    parsing succeeded, so a failed parse leaves everything as it was.
//  - Every change of a header (Set, Remove, Rewrite) clears the bit of that
//    name (any case); replacing or clearing all headers clears every bit.
//  - A typed setter compares with what the header says now (Current) and
//    writes through Set or Rewrite, so the next reading parses exactly the
//    text written.
// Every change keeps the strong guarantee: what can fail happens before the
// headers change.
#pragma once

#include <optional>
#include <span>
#include <utility>

#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail::internal {

// The value of header `name` (any case); false, `value` untouched, when there
// is none.
bool FindValue(const Headers& headers, const Strata::UniString& name, Strata::UniString& value);

// The value `parse()` gives, or nothing when it throws one of `Malformed`.
template <typename Parser>
auto ParsedOrNothing(Parser& parse) -> std::optional<decltype(parse())> {
  return parse();
}
template <typename Malformed, typename... More, typename Parser>
auto ParsedOrNothing(Parser& parse) -> std::optional<decltype(parse())> {
  try {
    return ParsedOrNothing<More...>(parse);
  } catch (const Malformed&) {
    return std::nullopt;
  }
}

class TypedHeaders {
 public:
  // A typed header: its name and its bit among the parsed bits.
  struct Typed {
    const Strata::UniString* name;
    unsigned char bit;
  };

  // REQUIRES: `typed` outlives the view (a static table).
  TypedHeaders(std::span<const Typed> typed, Headers& headers, unsigned char& bits) noexcept
      : typed_(typed), headers_(headers), bits_(bits) {}

  bool IsParsed(unsigned char bit) const noexcept { return (bits_ & bit) != 0; }

  // Unless `bit` is set, calls `parse()`, which must store its value only
  // once it converted, and then sets `bit`. What `parse` throws passes
  // through with the bit left clear.
  template <typename Parser>
  void Parse(unsigned char bit, Parser&& parse) {
    if (IsParsed(bit)) return;
    parse();
    bits_ = static_cast<unsigned char>(bits_ | bit);
  }

  // What the header of `bit` says now: a copy of `cached` when the bit is
  // set, else what `parse()` makes of the header; nothing when `parse`
  // refuses the header by throwing one of `Malformed`.
  template <typename... Malformed, typename T, typename Parser>
  std::optional<T> Current(unsigned char bit, const T& cached, Parser&& parse) const {
    if (IsParsed(bit)) return cached;
    return ParsedOrNothing<Malformed...>(parse);
  }

  // As Headers, then the bit of the name is cleared.
  void Set(const Header& header);
  void Set(const Strata::UniString& name, const Strata::UniString& value);
  bool Remove(const Header& header);
  bool Remove(const Strata::UniString& name);
  // Removes the header `name` (the last header moving into its place) and,
  // when `present`, appends it again with `text`: it moves to the end.
  void Rewrite(const Strata::UniString& name, bool present, const Strata::UniString& text);

  // Exchanges the headers with `headers` and clears every bit.
  void Exchange(Headers& headers) noexcept;
  void Clear() noexcept;

 private:
  void Forget(const Strata::UniString& name) noexcept;

  std::span<const Typed> typed_;
  Headers& headers_;
  unsigned char& bits_;
};

}  // namespace Quorum::Server::Mail::internal
