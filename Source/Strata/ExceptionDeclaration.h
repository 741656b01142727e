// The shape every exception class of this project shares, written once.
//
// STRATA_DECLARE_EXCEPTION(EXPORT, Name, Base, DefaultCode) declares a class
// deriving publicly and virtually from Base with the four constructor forms
//   (UniString message, file, line, cause, code = DefaultCode)
//   (UniString message, file, line, code = DefaultCode)
//   (const char* message, file, line, cause, code = DefaultCode)
//   (const char* message = null, file = null, line = 0, code = DefaultCode)
// the last of which is also the default constructor, plus copy, move (which
// copies, so the source keeps its state), assignment, GetName and Clone.
// Every base is virtual, so the most derived class initialises the single
// StrataException part directly.
// STRATA_DEFINE_EXCEPTION(Name) defines the members in a .cpp.
#pragma once

#include "Strata/StrataException.h"

#define STRATA_DECLARE_EXCEPTION(EXPORT, Name, Base, DefaultCode)                             \
  class EXPORT Name : public virtual Base {                                                   \
   public:                                                                                    \
    Name(const ::Strata::UniString& message, const char* sourceFile, unsigned int sourceLine, \
         const ::Strata::StrataException& cause, int errorCode = DefaultCode);                \
    Name(const ::Strata::UniString& message, const char* sourceFile, unsigned int sourceLine, \
         int errorCode = DefaultCode);                                                        \
    Name(const char* message, const char* sourceFile, unsigned int sourceLine,                \
         const ::Strata::StrataException& cause, int errorCode = DefaultCode);                \
    Name(const char* message = nullptr, const char* sourceFile = nullptr,                     \
         unsigned int sourceLine = 0, int errorCode = DefaultCode);                           \
    Name(const Name& other);                                                                  \
    Name(Name&& other);                                                                       \
    Name& operator=(const Name& other);                                                       \
    Name& operator=(Name&& other) noexcept;                                                   \
    ~Name() override;                                                                         \
    const char* GetName() const override;                                                     \
    ::Strata::StrataException* Clone() const override;                                        \
  }

#define STRATA_DEFINE_EXCEPTION(Name)                                                             \
  Name::Name(const ::Strata::UniString& message, const char* sourceFile, unsigned int sourceLine, \
             const ::Strata::StrataException& cause, int errorCode)                               \
      : ::Strata::StrataException(message, sourceFile, sourceLine, &cause, errorCode) {}          \
  Name::Name(const ::Strata::UniString& message, const char* sourceFile, unsigned int sourceLine, \
             int errorCode)                                                                       \
      : ::Strata::StrataException(message, sourceFile, sourceLine, nullptr, errorCode) {}         \
  Name::Name(const char* message, const char* sourceFile, unsigned int sourceLine,                \
             const ::Strata::StrataException& cause, int errorCode)                               \
      : ::Strata::StrataException(message, sourceFile, sourceLine, &cause, errorCode) {}          \
  Name::Name(const char* message, const char* sourceFile, unsigned int sourceLine, int errorCode) \
      : ::Strata::StrataException(message, sourceFile, sourceLine, nullptr, errorCode) {}         \
  Name::Name(const Name& other) = default;                                                        \
  Name::Name(Name&& other) : Name(static_cast<const Name&>(other)) {}                             \
  Name& Name::operator=(const Name& other) {                                                      \
    ::Strata::StrataException::operator=(other);                                                  \
    return *this;                                                                                 \
  }                                                                                               \
  Name& Name::operator=(Name&& other) noexcept {                                                  \
    ::Strata::StrataException::operator=(std::move(other));                                       \
    return *this;                                                                                 \
  }                                                                                               \
  Name::~Name() = default;                                                                        \
  const char* Name::GetName() const { return #Name; }                                             \
  ::Strata::StrataException* Name::Clone() const { return new Name(*this); }
