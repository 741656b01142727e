#include "Quorum/Server/Mail/TextOutput.h"

#include <ostream>

#include "Quorum/Server/Mail/Address.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Quorum/Server/Mail/ClientId.h"
#include "Quorum/Server/Mail/ContentDisposition.h"
#include "Quorum/Server/Mail/Date.h"
#include "Quorum/Server/Mail/Disposition.h"
#include "Quorum/Server/Mail/Flag.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Importance.h"
#include "Quorum/Server/Mail/MailId.h"
#include "Quorum/Server/Mail/MailboxAccess.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Quorum/Server/Mail/MailboxName.h"
#include "Quorum/Server/Mail/MailboxNamespace.h"
#include "Quorum/Server/Mail/MailboxSessionId.h"
#include "Quorum/Server/Mail/MailboxSessionInfo.h"
#include "Quorum/Server/Mail/OwnerId.h"
#include "Quorum/Server/Mail/Parameter.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Strata/UniString.h"

#define QUORUM_MAIL_TEXT_OUTPUT(Type) \
  std::ostream& operator<<(std::ostream& out, const Type& value) { return out << value.ToString(); }

namespace Quorum::Server::Mail {

QUORUM_MAIL_TEXT_OUTPUT(Address)
QUORUM_MAIL_TEXT_OUTPUT(AddressList)
QUORUM_MAIL_TEXT_OUTPUT(ClientId)
QUORUM_MAIL_TEXT_OUTPUT(ContentDisposition)
QUORUM_MAIL_TEXT_OUTPUT(Date)
QUORUM_MAIL_TEXT_OUTPUT(Disposition)
QUORUM_MAIL_TEXT_OUTPUT(Flag)
QUORUM_MAIL_TEXT_OUTPUT(Flags)
QUORUM_MAIL_TEXT_OUTPUT(Header)
QUORUM_MAIL_TEXT_OUTPUT(Headers)
QUORUM_MAIL_TEXT_OUTPUT(Importance)
QUORUM_MAIL_TEXT_OUTPUT(MailId)
QUORUM_MAIL_TEXT_OUTPUT(MailboxAccess)
QUORUM_MAIL_TEXT_OUTPUT(MailboxId)
QUORUM_MAIL_TEXT_OUTPUT(MailboxName)
QUORUM_MAIL_TEXT_OUTPUT(MailboxNamespace)
QUORUM_MAIL_TEXT_OUTPUT(MailboxSessionId)
QUORUM_MAIL_TEXT_OUTPUT(MailboxSessionInfo)
QUORUM_MAIL_TEXT_OUTPUT(OwnerId)
QUORUM_MAIL_TEXT_OUTPUT(Parameter)
QUORUM_MAIL_TEXT_OUTPUT(Parameters)

}  // namespace Quorum::Server::Mail
