#pragma once

#include "Quorum/Server/Mail/Disposition.h"
#include "Quorum/Server/Mail/Export.h"
#include "Quorum/Server/Mail/Parameters.h"

namespace Quorum::Server::Mail {

/// The typed value of a body part's content disposition header: a
/// Disposition and its Parameters.
///
/// Its text form is the disposition word, then ';' and the parameters when
/// there are any, with no white space. It crosses a channel only as header
/// text. A value type, not thread-safe.
class QUORUM_MAIL_EXPORT ContentDisposition {
 public:
  /// Inline, no parameters.
  ContentDisposition() = default;
  /// The disposition, with no parameters or with a copy of `parameters`.
  ///@{
  explicit ContentDisposition(const Disposition& disposition) : disposition_(disposition) {}
  ContentDisposition(const Disposition& disposition, const Parameters& parameters)
      : disposition_(disposition), parameters_(parameters) {}
  ///@}
  /// Copy assignment copies the parameters before it changes anything.
  ///@{
  ContentDisposition(const ContentDisposition&) = default;
  ContentDisposition(ContentDisposition&&) noexcept = default;
  ContentDisposition& operator=(const ContentDisposition& other);
  ContentDisposition& operator=(ContentDisposition&&) noexcept = default;
  ///@}
  ~ContentDisposition() = default;

  /// The disposition.
  const Disposition& GetDisposition() const noexcept { return disposition_; }
  /// The parameters, to read or change in place.
  ///@{
  Parameters& GetParameters() noexcept { return parameters_; }
  const Parameters& GetParameters() const noexcept { return parameters_; }
  ///@}
  /// Replaces the disposition.
  void SetDisposition(const Disposition& disposition) noexcept { disposition_ = disposition; }
  /// Replaces the parameters by a copy of `parameters`; unchanged if the copy
  /// fails.
  void SetParameters(const Parameters& parameters);

  /// Equal disposition numbers and equal parameters (order ignored).
  ///@{
  bool operator==(const ContentDisposition& other) const;
  bool operator!=(const ContentDisposition& other) const { return !(*this == other); }
  ///@}

  /// "inline", or for example attachment;filename="a b.txt".
  Strata::UniString ToString() const;

  /// Parses the disposition word (exactly "attachment" or "inline") and,
  /// after a single ';', the parameters as Parameters::Parse does. Returns
  /// false, leaving `contentDisposition` untouched, for malformed text.
  /// Throws Strata::IllegalArgumentException "Invalid content disposition
  /// string: string is empty." for the empty text, and "Invalid disposition
  /// string: string is empty." for a text that starts with ';' and goes on.
  static bool Parse(const Strata::UniString& text, ContentDisposition& contentDisposition);

 private:
  Disposition disposition_;
  Parameters parameters_;
};

}  // namespace Quorum::Server::Mail
