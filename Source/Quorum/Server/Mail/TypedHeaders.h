// TypedHeaders is the header collection of a mail or a body part together
// with the parsed bits of the typed values its owner derives from them; the
// owner keeps the cached values themselves. It holds the rules that keep the
// headers the single source of truth:
//  - a typed value is parsed on first use (Parse) and its bit set only when
//    parsing succeeded, so a failed parse leaves everything as it was;
//  - every change of a header (Set, Remove) clears the bit of that name (any
//    case), replacing or clearing all headers clears every bit;
//  - a typed setter writes its header through Set or Remove too, so the next
//    reading parses exactly the text that was written.
// A move leaves the source without headers and without bits. Not
// thread-safe.
#pragma once

#include <span>

#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Strata/UniString.h"

namespace Quorum::Server::Mail {

class QUORUM_MAIL_EXPORT TypedHeaders {
 public:
  // A typed header: its name and its bit among the parsed bits.
  struct Typed {
    const Strata::UniString* name;
    unsigned char bit;
  };

  // REQUIRES: `typed` outlives this object and every copy (a static table).
  explicit TypedHeaders(std::span<const Typed> typed) noexcept : typed_(typed) {}
  TypedHeaders(std::span<const Typed> typed, const Headers& headers)
      : typed_(typed), headers_(headers) {}

  TypedHeaders(const TypedHeaders&) = default;
  TypedHeaders(TypedHeaders&& other) noexcept;
  TypedHeaders& operator=(const TypedHeaders&) = default;
  TypedHeaders& operator=(TypedHeaders&& other) noexcept;
  ~TypedHeaders() = default;

  const Headers& Get() const noexcept { return headers_; }
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

  // The value of the header `name` (any case); false when there is none.
  bool FindValue(const Strata::UniString& name, Strata::UniString& value) const;

  // As Headers, then the bit of the name is cleared; when Headers throws,
  // nothing changes. The name is copied first, so it may be a stored one.
  void Set(const Header& header);
  void Set(const Strata::UniString& name, const Strata::UniString& value);
  bool Remove(const Header& header);
  bool Remove(const Strata::UniString& name);
  // Removes the header `name`, then sets it to `text` when `present`: the
  // header moves to the end of the storage order.
  void Rewrite(const Strata::UniString& name, bool present, const Strata::UniString& text);

  // Exchanges the headers with `headers` and clears every bit.
  void Exchange(Headers& headers) noexcept;
  void Clear() noexcept;
  // Clears every bit, so each typed value is parsed again on first use.
  void ForgetAll() noexcept { bits_ = 0; }
  // Exchanges headers and bits.
  void Swap(TypedHeaders& other) noexcept;

 private:
  void Forget(const Strata::UniString& name) noexcept;

  std::span<const Typed> typed_;
  Headers headers_;
  unsigned char bits_ = 0;
};

}  // namespace Quorum::Server::Mail
