#include "Strata/StrataException.h"

#include "Strata/OBinaryChannel.h"

namespace Strata {
namespace {

std::unique_ptr<StrataException> CloneCause(const StrataException* cause) {
  return std::unique_ptr<StrataException>(cause == nullptr ? nullptr : cause->Clone());
}

void WriteText(OBinaryChannel& channel, const std::string& text) {
  channel.Write(reinterpret_cast<const unsigned char*>(text.data()),
                static_cast<unsigned int>(text.size()));
}

}  // namespace

StrataException::StrataException(const UniString& message, const char* sourceFile,
                                 unsigned int sourceLine, const StrataException* cause,
                                 int errorCode)
    : message_(message),
      messageUtf8_(message.ToCStr()),
      sourceFile_(sourceFile == nullptr ? "" : sourceFile),
      hasSourceFile_(sourceFile != nullptr),
      sourceLine_(sourceLine),
      cause_(CloneCause(cause)),
      errorCode_(errorCode) {}

StrataException::StrataException(const char* message, const char* sourceFile,
                                 unsigned int sourceLine, const StrataException* cause,
                                 int errorCode)
    : StrataException(UniString(message), sourceFile, sourceLine, cause, errorCode) {}

StrataException::StrataException() = default;

StrataException::StrataException(const StrataException& other)
    : std::exception(other),
      message_(other.message_),
      messageUtf8_(other.messageUtf8_),
      sourceFile_(other.sourceFile_),
      hasSourceFile_(other.hasSourceFile_),
      sourceLine_(other.sourceLine_),
      cause_(CloneCause(other.cause_.get())),
      errorCode_(other.errorCode_) {}

StrataException::StrataException(StrataException&& other) noexcept = default;

StrataException& StrataException::operator=(const StrataException& other) {
  if (this != &other) {
    StrataException copy(other);
    *this = std::move(copy);
  }
  return *this;
}

StrataException& StrataException::operator=(StrataException&& other) noexcept = default;

StrataException::~StrataException() = default;

const char* StrataException::what() const noexcept { return messageUtf8_.c_str(); }

const char* StrataException::GetSourceFile() const noexcept {
  return hasSourceFile_ ? sourceFile_.c_str() : nullptr;
}

const char* StrataException::GetName() const { return "StrataException"; }

StrataException* StrataException::Clone() const { return new StrataException(*this); }

void StrataException::Print(OBinaryChannel& channel) const {
  const char* prefix = "";
  for (const StrataException* e = this; e != nullptr; e = e->GetCause()) {
    std::string line = std::string(prefix) + e->GetName() + ": " + e->what();
    if (e->hasSourceFile_) {
      line += " (" + e->sourceFile_ + ":" + std::to_string(e->sourceLine_) + ")";
    }
    line += '\n';
    WriteText(channel, line);
    prefix = "  caused by ";
  }
}

}  // namespace Strata
