#include <gtest/gtest.h>

#include <memory>
#include <utility>

// Each header brings in its base class.
#include "Quorum/Server/Mail/BodyPartContentException.h"
#include "Quorum/Server/Mail/BodyPartException.h"
#include "Quorum/Server/Mail/InvalidAddressException.h"
#include "Quorum/Server/Mail/InvalidHeaderNameException.h"
#include "Quorum/Server/Mail/InvalidMailboxIdException.h"
#include "Quorum/Server/Mail/InvalidMailboxNameException.h"
#include "Quorum/Server/Mail/InvalidMailboxNamespaceNameException.h"
#include "Quorum/Server/Mail/InvalidParameterNameException.h"
#include "Quorum/Server/Mail/MailException.h"
#include "Strata/IOException.h"
#include "Strata/Throw.h"

using namespace Quorum::Server::Mail;
using Strata::StrataException;

namespace {

// Checks one member of the family: its name and default code -7003, that
// Clone, moves and assignment keep its class and whole state (the cause deep-copied),
// and that a raised one is caught by its base and the root, with this file
// recorded repository-relative.
template <typename E, typename Base>
void CheckMember(const char* name) {
  const Strata::IOException cause("Disk gone.", "Source/Disk.cpp", 4u);
  const E original(Strata::UniString("Bad."), "Source/Quorum/Server/Mail/X.cpp", 42u, cause);
  const std::unique_ptr<StrataException> clone(
      static_cast<const StrataException&>(original).Clone());
  E assigned;
  assigned = original;
  E source(original);
  const E moved(std::move(source));  // a move copies: the source keeps its state
  EXPECT_NE(dynamic_cast<E*>(clone.get()), nullptr) << name;
  const StrataException* copies[] = {&original, clone.get(), &assigned, &source, &moved};
  for (const StrataException* copy : copies) {
    EXPECT_STREQ(copy->GetName(), name);
    EXPECT_STREQ(copy->what(), "Bad.") << name;
    EXPECT_STREQ(copy->GetSourceFile(), "Source/Quorum/Server/Mail/X.cpp") << name;
    EXPECT_EQ(copy->GetErrorCode(), -7003) << name;
    ASSERT_NE(copy->GetCause(), nullptr) << name;
    EXPECT_STREQ(copy->GetCause()->GetName(), "IOException") << name;
  }
  EXPECT_NE(clone->GetCause(), original.GetCause());
  EXPECT_NE(assigned.GetCause(), original.GetCause());
  try {
    STRATA_THROW(E, "raised");
  } catch (const Base& e) {
    EXPECT_STREQ(e.GetSourceFile(), "Tests/Quorum/Server/Mail/ExceptionFamilyTest.cpp");
    EXPECT_NE(dynamic_cast<const MailboxManagerCommonException*>(&e), nullptr) << name;
  }
}

#define CHECK_MEMBER(E, Base) CheckMember<E, Base>(#E)

}  // namespace

TEST(ExceptionFamily, EveryMemberIsNamedCopiesItsStateAndIsCaughtByItsBaseAndTheRoot) {
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
