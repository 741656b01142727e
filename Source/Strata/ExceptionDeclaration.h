#pragma once

/// \file
/// The shape every exception class of this project shares, written once.

#include "Strata/StrataException.h"

/// Declares the exception class `Name`, deriving publicly and virtually from
/// `Base`, whose constructors take `DefaultCode` as the error code unless
/// given another, and export it with `EXPORT`.
///
/// The class has four constructor forms, the last of which is also the
/// default constructor: (UniString message, file, line, cause, code),
/// (UniString message, file, line, code), (const char* message, file, line,
/// cause, code) and (const char* message = null, file = null, line = 0,
/// code); plus copy, move (which copies, so the source keeps its state),
/// assignment, GetName and Clone. Every base is virtual, so the most derived
/// class initialises the single StrataException part directly. Raise it with
/// STRATA_THROW (Strata/Throw.h); STRATA_DEFINE_EXCEPTION defines the members
/// in a source file.
#define STRATA_DECLARE_EXCEPTION(EXPORT, Name, Base, DefaultCode)                             \
  class EXPORT Name : public virtual Base {                                                   \
   public:                                                                                    \
    /** A message, the source file and line that raise it, and its cause (cloned). */         \
    Name(const ::Strata::UniString& message, const char* sourceFile, unsigned int sourceLine, \
         const ::Strata::StrataException& cause, int errorCode = DefaultCode);                \
    /** A message and the source file and line that raise it; no cause. */                    \
    Name(const ::Strata::UniString& message, const char* sourceFile, unsigned int sourceLine, \
         int errorCode = DefaultCode);                                                        \
    /** A UTF-8 message, the source file and line that raise it, and its cause (cloned). */   \
    Name(const char* message, const char* sourceFile, unsigned int sourceLine,                \
         const ::Strata::StrataException& cause, int errorCode = DefaultCode);                \
    /** A UTF-8 message and the source file and line; null or 0 means none. */                \
    Name(const char* message = nullptr, const char* sourceFile = nullptr,                     \
         unsigned int sourceLine = 0, int errorCode = DefaultCode);                           \
    /** Copies clone the cause; the move constructor copies too, so the source keeps its      \
        state, while move assignment takes it. */                                             \
    /**@{*/                                                                                   \
    Name(const Name& other);                                                                  \
    Name(Name&& other);                                                                       \
    Name& operator=(const Name& other);                                                       \
    Name& operator=(Name&& other) noexcept;                                                   \
    /**@}*/                                                                                   \
    ~Name() override;                                                                         \
    const char* GetName() const override;                                                     \
    ::Strata::StrataException* Clone() const override;                                        \
  }

/// Defines the members STRATA_DECLARE_EXCEPTION declares, in a source file.
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
