#include <iostream>

#include "Quorum/Server/Mail.h"
#include "Strata/WholeValue.h"

int main() {
  using namespace Quorum::Server::Mail;
  Mail mail;
  mail.SetSubject("Quarterly report");
  mail.SetFrom(AddressList().Append(Address(MailboxId("Projects:Inbox:ann"), "Ann")));
  mail.GetFlags().Set("\\Seen");

  const std::vector<std::byte> bytes = Strata::ToBytes(mail);  // the channel form
  Mail copy = Strata::FromBytes<Mail>(bytes);
  std::cout << copy.GetSubject() << " from " << copy.GetFrom() << '\n';
  return copy == mail ? 0 : 1;
}
