#include <iostream>

#include "Quorum/Server/Mail.h"
#include "Strata/WholeValue.h"

int main() {
  using namespace Quorum::Server::Mail;
  Mail mail(MailId("mail-0001"));  // valid with an id, a From and a To
  mail.SetFrom(AddressList().Append(Address(MailboxId("Projects:Inbox:ann"), "Ann")));
  mail.SetTo(AddressList().Append(Address(MailboxId("Projects:Inbox:bob"), "Bob")));
  mail.SetSubject("Quarterly report");
  mail.SetRead(true);  // stores the flag MailFlags::Read

  const std::vector<std::byte> bytes = Strata::ToBytes(mail);  // the channel form
  Mail copy = Strata::FromBytes<Mail>(bytes);
  std::cout << copy.GetId() << ": " << copy.GetSubject() << " from " << copy.GetFrom() << " to "
            << copy.GetTo() << (copy.IsRead() ? ", read" : ", unread") << '\n';
  return copy.IsValid() && copy == mail ? 0 : 1;
}
