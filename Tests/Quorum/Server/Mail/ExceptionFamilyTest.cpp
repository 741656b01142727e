#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "Quorum/Server/Mail/AddressException.h"
#include "Quorum/Server/Mail/BodyPartContentException.h"
#include "Quorum/Server/Mail/BodyPartException.h"
#include "Quorum/Server/Mail/HeaderException.h"
#include "Quorum/Server/Mail/InvalidAddressException.h"
#include "Quorum/Server/Mail/InvalidHeaderNameException.h"
#include "Quorum/Server/Mail/InvalidMailboxIdException.h"
#include "Quorum/Server/Mail/InvalidMailboxNameException.h"
#include "Quorum/Server/Mail/InvalidMailboxNamespaceNameException.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"
#include "Quorum/Server/Mail/MailException.h"
#include "Quorum/Server/Mail/MailboxIdException.h"
#include "Quorum/Server/Mail/MailboxManagerCommonException.h"
#include "Quorum/Server/Mail/MailboxNameException.h"
#include "Quorum/Server/Mail/MailboxNamespaceException.h"
#include "Quorum/Server/Mail/ParameterException.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/Throw.h"

using namespace Quorum::Server::Mail;
using Strata::StrataException;
using Strata::UniString;

namespace {

// Checks one member of the family: its name, its empty default state with
// code -7003, Clone, and that a raised one is caught by its base and the root
// with this file recorded repository-relative.
template <typename E, typename Base>
void CheckMember(const char* name) {
  const E empty;
  EXPECT_STREQ(empty.GetName(), name);
  EXPECT_STREQ(empty.what(), "") << name;
  EXPECT_EQ(empty.GetSourceFile(), nullptr) << name;
  EXPECT_EQ(empty.GetCause(), nullptr) << name;
  EXPECT_EQ(empty.GetErrorCode(), -7003) << name;
  const std::unique_ptr<StrataException> clone(static_cast<const StrataException&>(empty).Clone());
  EXPECT_NE(dynamic_cast<E*>(clone.get()), nullptr) << name;
  try {
    STRATA_THROW(E, "raised");
  } catch (const Base& e) {
    EXPECT_STREQ(e.GetSourceFile(), "Tests/Quorum/Server/Mail/ExceptionFamilyTest.cpp");
    EXPECT_NE(dynamic_cast<const MailboxManagerCommonException*>(&e), nullptr) << name;
  }
}

#define CHECK_MEMBER(E, Base) CheckMember<E, Base>(#E)

}  // namespace

TEST(ExceptionFamily, EveryMemberIsNamedClonesAndIsCaughtByItsBaseAndTheRoot) {
  CHECK_MEMBER(MailboxManagerCommonException, Strata::GeneralException);
  CHECK_MEMBER(AddressException, MailboxManagerCommonException);
  CHECK_MEMBER(InvalidAddressException, AddressException);
  CHECK_MEMBER(BodyPartContentException, MailboxManagerCommonException);
  CHECK_MEMBER(BodyPartException, MailboxManagerCommonException);
  CHECK_MEMBER(HeaderException, MailboxManagerCommonException);
  CHECK_MEMBER(InvalidHeaderNameException, HeaderException);
  CHECK_MEMBER(MailException, MailboxManagerCommonException);
  CHECK_MEMBER(MailboxIdException, MailboxManagerCommonException);
  CHECK_MEMBER(InvalidMailboxIdException, MailboxIdException);
  CHECK_MEMBER(MailboxNameException, MailboxManagerCommonException);
  CHECK_MEMBER(InvalidMailboxNameException, MailboxNameException);
  CHECK_MEMBER(MailboxNamespaceException, MailboxManagerCommonException);
  CHECK_MEMBER(InvalidMailboxNamespaceNameException, MailboxNamespaceException);
  CHECK_MEMBER(ParameterException, MailboxManagerCommonException);
  CHECK_MEMBER(InvalidParameterNameException, ParameterException);
}

TEST(ExceptionFamily, CloneAndAssignmentKeepTheClassAndTheWholeState) {
  const Strata::IOException cause("Disk gone.", "Source/Disk.cpp", 4u);
  const InvalidMailboxNameException original(UniString("Invalid mailbox name: 'a/b'."),
                                             "Source/Quorum/Server/Mail/MailboxName.cpp", 42u,
                                             cause, -1);
  const std::unique_ptr<StrataException> clone(
      static_cast<const StrataException&>(original).Clone());
  EXPECT_EQ(dynamic_cast<InvalidMailboxIdException*>(clone.get()), nullptr);
  InvalidMailboxNameException assigned;
  assigned = original;
  InvalidMailboxNameException moved("other", nullptr, 0u);
  moved = InvalidMailboxNameException(original);
  for (const StrataException* copy : {clone.get(), static_cast<StrataException*>(&assigned),
                                      static_cast<StrataException*>(&moved)}) {
    EXPECT_STREQ(copy->GetName(), "InvalidMailboxNameException");
    EXPECT_EQ(copy->GetMessage(), original.GetMessage());
    EXPECT_STREQ(copy->GetSourceFile(), "Source/Quorum/Server/Mail/MailboxName.cpp");
    EXPECT_EQ(copy->GetSourceLine(), 42u);
    EXPECT_EQ(copy->GetErrorCode(), -1);
    ASSERT_NE(copy->GetCause(), nullptr);
    EXPECT_NE(copy->GetCause(), original.GetCause());  // a deep copy
    EXPECT_STREQ(copy->GetCause()->GetSourceFile(), "Source/Disk.cpp");
  }
}

TEST(ExceptionFamily, TheConstructorFormsPassTheirArgumentsOn) {
  const Strata::IOException cause("Disk gone.", "Source/Disk.cpp", 4u);
  const MailException withTextAndCause(UniString("one"), "a.cpp", 1u, cause);
  const MailException withText(UniString("two"), "b.cpp", 2u, -5);
  const MailException withLiteralAndCause("three", "c.cpp", 3u, cause, -6);
  EXPECT_EQ(withTextAndCause.GetErrorCode(), -7003);
  EXPECT_STREQ(withTextAndCause.GetCause()->what(), "Disk gone.");
  EXPECT_STREQ(withText.GetSourceFile(), "b.cpp");
  EXPECT_EQ(withText.GetErrorCode(), -5);
  EXPECT_EQ(withLiteralAndCause.GetSourceLine(), 3u);
  EXPECT_EQ(withLiteralAndCause.GetErrorCode(), -6);
  EXPECT_STREQ(withLiteralAndCause.what(), "three");
}

TEST(ExceptionFamily, TheRootCatchesNoneOfTheBaseLibraryExceptions) {
  const auto caughtByRoot = [](const auto& raise) {
    try {
      raise();
    } catch (const MailboxManagerCommonException&) {
      return true;
    } catch (const Strata::GeneralException&) {
    }
    return false;
  };
  EXPECT_FALSE(caughtByRoot([] { throw Strata::IllegalArgumentException("x"); }));
  EXPECT_FALSE(caughtByRoot([] { throw Strata::IOException("x"); }));
  EXPECT_FALSE(caughtByRoot([] { throw Strata::GeneralException("x"); }));
  EXPECT_TRUE(caughtByRoot([] { throw InvalidAddressException("x"); }));
}
