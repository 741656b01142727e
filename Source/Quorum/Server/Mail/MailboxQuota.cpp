// MailboxQuota is complete in its header; its channel form lives in UnsignedPair.cpp.
#include "Quorum/Server/Mail/MailboxQuota.h"
