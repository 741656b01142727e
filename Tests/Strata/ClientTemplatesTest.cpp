// A client library that, as many do, defines std::hash and fmt::formatter,
// and declares operator<<, for every type of a concept of its own, a concept
// that the values of this library meet too. This file compiles only while
// this library defines them, and declares its operator<<, for its own types
// alone.
#include <gtest/gtest.h>

#include <concepts>
#include <cstddef>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <unordered_set>

namespace Client {

template <typename T>
concept Hashable = requires(const T& value) {
  { value.GenerateHashValue() } -> std::convertible_to<std::size_t>;
};

template <typename T>
concept Printable = requires(const T& value) {
  value.ToString();
};

struct Key {
  unsigned int GenerateHashValue() const { return 7; }
  std::string ToString() const { return "key"; }
  bool operator==(const Key&) const = default;
};

template <Printable T>
std::ostream& operator<<(std::ostream& out, const T& value) {
  return out << value.ToString();
}

// Streams as the client's own code does, where its operator<< is in scope.
template <typename T>
concept Streamable = requires(std::ostream& out, const T& value) {
  out << value;
};

template <typename... T>
std::string Streamed(const T&... values) {
  std::ostringstream out;
  ((out << values << ' '), ...);
  return out.str();
}

}  // namespace Client

template <Client::Hashable T>
struct std::hash<T> {
  std::size_t operator()(const T& value) const { return value.GenerateHashValue() + 1; }
};

#ifdef QUORUM_TEST_FMT
#include <fmt/format.h>
#include <fmt/ranges.h>

template <Client::Printable T>
struct fmt::formatter<T> : fmt::formatter<std::string_view> {
  auto format(const T& value, fmt::format_context& context) const {
    return fmt::formatter<std::string_view>::format(value.ToString(), context);
  }
};

#include "Strata/Format.h"
#endif

#include "Conduit.h"
#include "Quorum/Server/Mail.h"
#include "Strata.h"

using namespace Quorum::Server::Mail;

namespace {

template <typename... T>
constexpr bool kHashedByTheLibrary =
    (std::is_base_of_v<Strata::internal::HashByValue<T>, std::hash<T>> && ...);
static_assert(kHashedByTheLibrary<Strata::UniString, Address, ClientId, MailId, MailboxId,
                                  MailboxName, MailboxNamespace, MailboxSessionId, OwnerId>);

// Every value with a text form streams, also where the client's blanket
// operator<< is in scope, and formats with {fmt}.
template <typename... T>
struct TextForms {
  static constexpr bool kStreamed = (Client::Streamable<T> && ...);
#ifdef QUORUM_TEST_FMT
  static constexpr bool kFormatted =
      (std::is_base_of_v<Strata::internal::TextFormatter<T>, fmt::formatter<T>> && ...);
#endif
};
using ValuesWithTextForms =
    TextForms<Strata::UniString, Conduit::Location, Address, AddressList, ClientId,
              ContentDisposition, Date, Disposition, Flag, Flags, Header, Headers, Importance,
              MailId, MailboxAccess, MailboxId, MailboxName, MailboxNamespace, MailboxSessionId,
              MailboxSessionInfo, OwnerId, Parameter, Parameters>;
static_assert(ValuesWithTextForms::kStreamed);
#ifdef QUORUM_TEST_FMT
static_assert(ValuesWithTextForms::kFormatted);
#endif

}  // namespace

TEST(ClientTemplates, LiveBesideTheLibrarysOwn) {
  EXPECT_EQ(std::hash<Client::Key>{}(Client::Key{}), 8u);
  EXPECT_EQ(std::hash<MailId>{}(MailId("m")), MailId("m").GenerateHashValue());
  const std::unordered_set<MailId> ids = {MailId("a"), MailId("b"), MailId("a")};
  EXPECT_EQ(ids.size(), 2u);
  // The numbered values print their text, not their number.
  EXPECT_EQ(Client::Streamed(Client::Key{}, MailId("m"), Importance(Importance::Low), Date(5),
                             Strata::UniString("u"), Conduit::Location("/a")),
            "key m low 5 u /a ");
#ifdef QUORUM_TEST_FMT
  Flags flags;
  flags.Set("Read").Set("Draft");
  EXPECT_EQ(fmt::format("{} {} {:>3}", Client::Key{}, MailId("m"), Importance(Importance::Low)),
            "key m low");
  EXPECT_EQ(fmt::format("{}", flags), "Read,Draft");  // the text form, not a range
#endif
}
