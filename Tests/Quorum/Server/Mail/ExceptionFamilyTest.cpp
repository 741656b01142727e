#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

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
#include "Strata/NullReferenceException.h"

using namespace Quorum::Server::Mail;
using Strata::StrataException;
using Strata::UniString;

namespace {

struct Named {
  std::unique_ptr<StrataException> exception;
  const char* name;
};

template <typename E>
Named Make(const char* name) {
  return Named{std::make_unique<E>(), name};
}

std::vector<Named> EveryMember() {
  std::vector<Named> members;
  members.push_back(Make<MailboxManagerCommonException>("MailboxManagerCommonException"));
  members.push_back(Make<AddressException>("AddressException"));
  members.push_back(Make<InvalidAddressException>("InvalidAddressException"));
  members.push_back(Make<BodyPartContentException>("BodyPartContentException"));
  members.push_back(Make<BodyPartException>("BodyPartException"));
  members.push_back(Make<HeaderException>("HeaderException"));
  members.push_back(Make<InvalidHeaderNameException>("InvalidHeaderNameException"));
  members.push_back(Make<MailException>("MailException"));
  members.push_back(Make<MailboxIdException>("MailboxIdException"));
  members.push_back(Make<InvalidMailboxIdException>("InvalidMailboxIdException"));
  members.push_back(Make<MailboxNameException>("MailboxNameException"));
  members.push_back(Make<InvalidMailboxNameException>("InvalidMailboxNameException"));
  members.push_back(Make<MailboxNamespaceException>("MailboxNamespaceException"));
  members.push_back(
      Make<InvalidMailboxNamespaceNameException>("InvalidMailboxNamespaceNameException"));
  members.push_back(Make<ParameterException>("ParameterException"));
  members.push_back(Make<InvalidParameterNameException>("InvalidParameterNameException"));
  return members;
}

void ExpectSameState(const StrataException& actual, const StrataException& expected) {
  EXPECT_EQ(actual.GetMessage(), expected.GetMessage());
  EXPECT_STREQ(actual.GetSourceFile(), expected.GetSourceFile());
  EXPECT_EQ(actual.GetSourceLine(), expected.GetSourceLine());
  EXPECT_EQ(actual.GetErrorCode(), expected.GetErrorCode());
  ASSERT_EQ(actual.GetCause() == nullptr, expected.GetCause() == nullptr);
  if (actual.GetCause() != nullptr) {
    EXPECT_STREQ(actual.GetCause()->GetName(), expected.GetCause()->GetName());
    EXPECT_EQ(actual.GetCause()->GetMessage(), expected.GetCause()->GetMessage());
  }
}

// One member of the family with its direct base.
template <typename E, typename B>
struct Member {
  using Exception = E;
  using Base = B;
};

}  // namespace

TEST(ExceptionFamily, EveryMemberIsNamedAndStartsEmptyWithCode7003) {
  const std::vector<Named> members = EveryMember();
  ASSERT_EQ(members.size(), 16u);
  for (const Named& member : members) {
    const StrataException& e = *member.exception;
    EXPECT_STREQ(e.GetName(), member.name);
    EXPECT_TRUE(e.GetMessage().IsEmpty()) << member.name;
    EXPECT_STREQ(e.what(), "") << member.name;
    EXPECT_EQ(e.GetSourceFile(), nullptr) << member.name;
    EXPECT_EQ(e.GetSourceLine(), 0u) << member.name;
    EXPECT_EQ(e.GetCause(), nullptr) << member.name;
    EXPECT_EQ(e.GetErrorCode(), -7003) << member.name;
    EXPECT_NE(dynamic_cast<const MailboxManagerCommonException*>(&e), nullptr) << member.name;

    const std::unique_ptr<StrataException> clone(e.Clone());
    EXPECT_STREQ(clone->GetName(), member.name);
  }
}

TEST(ExceptionFamily, CloneThroughTheRootKeepsTheClassAndTheState) {
  const Strata::IOException cause("Disk gone.", "Source/Disk.cpp", 4u);
  const InvalidMailboxNameException original(UniString("Invalid mailbox name: 'a/b'."),
                                             "Source/Quorum/Server/Mail/MailboxName.cpp", 42u,
                                             cause, -1);
  const StrataException& root = original;
  const std::unique_ptr<StrataException> clone(root.Clone());
  EXPECT_NE(dynamic_cast<InvalidMailboxNameException*>(clone.get()), nullptr);
  EXPECT_NE(dynamic_cast<MailboxNameException*>(clone.get()), nullptr);
  EXPECT_NE(dynamic_cast<MailboxManagerCommonException*>(clone.get()), nullptr);
  EXPECT_NE(dynamic_cast<Strata::GeneralException*>(clone.get()), nullptr);
  EXPECT_EQ(dynamic_cast<InvalidMailboxIdException*>(clone.get()), nullptr);
  ExpectSameState(*clone, original);
  EXPECT_NE(clone->GetCause(), original.GetCause());  // a deep copy
  EXPECT_STREQ(clone->GetCause()->GetSourceFile(), "Source/Disk.cpp");
}

TEST(ExceptionFamily, TheFourConstructorFormsPassTheirArgumentsOn) {
  const Strata::IOException cause("Disk gone.", "Source/Disk.cpp", 4u);
  const MailException withTextAndCause(UniString("one"), "a.cpp", 1u, cause);
  const MailException withText(UniString("two"), "b.cpp", 2u, -5);
  const MailException withLiteralAndCause("three", "c.cpp", 3u, cause, -6);
  const MailException withLiteral("four", "d.cpp", 4u);
  EXPECT_STREQ(withTextAndCause.what(), "one");
  EXPECT_EQ(withTextAndCause.GetErrorCode(), -7003);
  EXPECT_STREQ(withTextAndCause.GetCause()->what(), "Disk gone.");
  EXPECT_STREQ(withText.GetSourceFile(), "b.cpp");
  EXPECT_EQ(withText.GetErrorCode(), -5);
  EXPECT_EQ(withText.GetCause(), nullptr);
  EXPECT_EQ(withLiteralAndCause.GetSourceLine(), 3u);
  EXPECT_EQ(withLiteralAndCause.GetErrorCode(), -6);
  EXPECT_STREQ(withLiteralAndCause.GetCause()->GetName(), "IOException");
  EXPECT_STREQ(withLiteral.what(), "four");
  EXPECT_EQ(withLiteral.GetErrorCode(), -7003);
  EXPECT_EQ(withLiteral.GetCause(), nullptr);
}

template <typename T>
class ExceptionMember : public ::testing::Test {};

using Members =
    ::testing::Types<Member<MailboxManagerCommonException, Strata::GeneralException>,
                     Member<AddressException, MailboxManagerCommonException>,
                     Member<InvalidAddressException, AddressException>,
                     Member<BodyPartContentException, MailboxManagerCommonException>,
                     Member<BodyPartException, MailboxManagerCommonException>,
                     Member<HeaderException, MailboxManagerCommonException>,
                     Member<InvalidHeaderNameException, HeaderException>,
                     Member<MailException, MailboxManagerCommonException>,
                     Member<MailboxIdException, MailboxManagerCommonException>,
                     Member<InvalidMailboxIdException, MailboxIdException>,
                     Member<MailboxNameException, MailboxManagerCommonException>,
                     Member<InvalidMailboxNameException, MailboxNameException>,
                     Member<MailboxNamespaceException, MailboxManagerCommonException>,
                     Member<InvalidMailboxNamespaceNameException, MailboxNamespaceException>,
                     Member<ParameterException, MailboxManagerCommonException>,
                     Member<InvalidParameterNameException, ParameterException>>;
TYPED_TEST_SUITE(ExceptionMember, Members);

TYPED_TEST(ExceptionMember, IsCaughtByItsBaseTheRootAndTheBaseLibrary) {
  using E = typename TypeParam::Exception;
  using B = typename TypeParam::Base;
  static_assert(std::is_base_of_v<B, E>);
  const auto raise = [] { throw E("raised", "x.cpp", 1u); };
  EXPECT_THROW(raise(), B);
  EXPECT_THROW(raise(), MailboxManagerCommonException);
  EXPECT_THROW(raise(), Strata::GeneralException);
  EXPECT_THROW(raise(), StrataException);
  EXPECT_THROW(raise(), std::exception);
}

TYPED_TEST(ExceptionMember, CopyMoveAndAssignmentKeepTheWholeState) {
  using E = typename TypeParam::Exception;
  const Strata::IllegalArgumentException cause("Bad.", "c.cpp", 7u);
  const E original(UniString(u"message \u00E9"), "Source/Quorum/Server/Mail/X.cpp", 12u, cause, -9);

  const E copy(original);
  ExpectSameState(copy, original);
  E source(original);
  const E moved(std::move(source));
  ExpectSameState(moved, original);
  E assigned;
  assigned = original;
  ExpectSameState(assigned, original);
  E moveAssigned("other", "o.cpp", 1u);
  E moveSource(original);
  moveAssigned = std::move(moveSource);
  ExpectSameState(moveAssigned, original);
  const E& alias = assigned;
  assigned = alias;  // self-assignment keeps the state
  ExpectSameState(assigned, original);
}

TEST(ExceptionFamily, TheRootCatchesNoneOfTheBaseLibraryExceptions) {
  const auto caughtByRoot = [](const auto& raise) {
    try {
      raise();
    } catch (const MailboxManagerCommonException&) {
      return true;
    } catch (const Strata::GeneralException&) {
      return false;
    }
    return false;
  };
  EXPECT_FALSE(caughtByRoot([] { throw Strata::IllegalArgumentException("x"); }));
  EXPECT_FALSE(caughtByRoot([] { throw Strata::NullReferenceException("x"); }));
  EXPECT_FALSE(caughtByRoot([] { throw Strata::IOException("x"); }));
  EXPECT_FALSE(caughtByRoot([] { throw Strata::GeneralException("x"); }));
  EXPECT_TRUE(caughtByRoot([] { throw InvalidAddressException("x"); }));
}
