#pragma once

#include "Strata/RequiresCxx20.h"

#include <exception>
#include <memory>
#include <string>

#include "Strata/Export.h"
#include "Strata/UniString.h"

namespace Strata {

class OBinaryChannel;

/// The root of every exception the libraries of this project throw.
///
/// It carries a message, the source file and line that raised it, an
/// optional cause (deep-copied, so an exception owns its whole chain) and an
/// integer error code. Source files are recorded relative to the repository
/// root ("Source/Strata/IChannelX.cpp"): the build maps the source tree away
/// from `__FILE__`. Raise through STRATA_THROW (Strata/Throw.h) so that every
/// exception records where it came from.
class STRATA_EXPORT StrataException : public std::exception {
 public:
  /// A null `message` or `sourceFile` means none; a null `cause` means none.
  /// The cause, when given, is cloned.
  ///@{
  StrataException(const UniString& message, const char* sourceFile, unsigned int sourceLine,
                  const StrataException* cause, int errorCode);
  StrataException(const char* message, const char* sourceFile, unsigned int sourceLine,
                  const StrataException* cause, int errorCode);
  ///@}
  /// No message, source location or cause; error code 0.
  StrataException();
  /// A copy clones the cause; a move takes it, and copy assignment changes
  /// nothing when the copy fails.
  ///@{
  StrataException(const StrataException& other);
  StrataException(StrataException&& other) noexcept;
  StrataException& operator=(const StrataException& other);
  StrataException& operator=(StrataException&& other) noexcept;
  ///@}
  ~StrataException() override;

  /// The message as UTF-8; empty when there is none.
  const char* what() const noexcept override;

  /// The message; empty when there is none.
  const UniString& GetMessage() const noexcept { return message_; }
  /// Null when no source file was recorded.
  const char* GetSourceFile() const noexcept;
  /// The source line that raised it; 0 when none was recorded.
  unsigned int GetSourceLine() const noexcept { return sourceLine_; }
  /// Null when there is no cause; owned by this exception.
  const StrataException* GetCause() const noexcept { return cause_.get(); }
  /// The error code given at construction.
  int GetErrorCode() const noexcept { return errorCode_; }

  /// The unqualified class name, a static string.
  virtual const char* GetName() const;
  /// A heap copy of the same dynamic class; the caller deletes it.
  virtual StrataException* Clone() const;
  /// Writes "Name: message (file:line)" and then each cause on a line of its
  /// own, as "  caused by Name: message (file:line)", as UTF-8 text; the
  /// location is left out when none was recorded.
  virtual void Print(OBinaryChannel& channel) const;

 private:
  UniString message_;
  std::string messageUtf8_;
  std::string sourceFile_;
  bool hasSourceFile_ = false;
  unsigned int sourceLine_ = 0;
  std::unique_ptr<StrataException> cause_;
  int errorCode_ = 0;
};

}  // namespace Strata
