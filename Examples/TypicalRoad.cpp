// Builds identifiers, sends them through a memory channel and reads them back.
#include <cstdio>
#include <memory>

#include "Quorum/Server/Mail/ClientId.h"
#include "Quorum/Server/Mail/MailId.h"
#include "Quorum/Server/Mail/MailboxSessionId.h"
#include "Quorum/Server/Mail/OwnerId.h"
#include "Strata/IChannelX.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Strata/StrataException.h"

using namespace Quorum::Server::Mail;

int main() {
  try {
    const OwnerId owner(Strata::UniString("alice"));
    const ClientId client(Strata::UniString("desktop-7"));
    const MailId mail(Strata::UniString("mail-0001"));
    const MailboxSessionId session(Strata::UniString("session-42"));
    std::printf("server: built owner '%s', client '%s', mail '%s', session '%s'\n",
                owner.ToString().ToCStr().c_str(), client.ToString().ToCStr().c_str(),
                mail.ToString().ToCStr().c_str(), session.ToString().ToCStr().c_str());

    Strata::MemoryOBinaryChannel bytes;
    Strata::OChannelX out(bytes);
    owner.Write(out);
    client.Write(out);
    mail.Write(out);
    session.Write(out);
    std::printf("server: wrote them to a memory channel (%u bytes)\n", bytes.GetSize());

    const unsigned int size = bytes.GetSize();
    Strata::MemoryIBinaryChannel received(bytes.ReleaseBuffer(), size, true);
    Strata::IChannelX in(received);
    OwnerId owner2;
    ClientId client2;
    MailId mail2;
    MailboxSessionId session2;
    owner2.Read(in);
    client2.Read(in);
    mail2.Read(in);
    session2.Read(in);
    const bool same = owner2 == owner && client2 == client && mail2 == mail && session2 == session;
    std::printf("client: read them back: %s\n", same ? "all equal" : "MISMATCH");
    return same ? 0 : 1;
  } catch (const Strata::StrataException& e) {
    std::fprintf(stderr, "failed: %s: %s (%s:%u)\n", e.GetName(), e.what(),
                 e.GetSourceFile() ? e.GetSourceFile() : "?", e.GetSourceLine());
    return 1;
  }
}
