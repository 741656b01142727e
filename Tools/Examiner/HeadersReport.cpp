#include "HeadersReport.h"

#include <functional>
#include <limits>

#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailHeaders.h"
#include "Strata/IChannelX.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/StrataException.h"

namespace Quorum::Tools::Examiner {

namespace {

using Quorum::Server::Mail::Mail;
using Quorum::Server::Mail::MailHeaders;

struct TypedHeader {
  const Strata::UniString& name;
  std::function<Strata::UniString(Mail&)> show;
};

}  // namespace

bool RenderHeaders(const std::vector<unsigned char>& data, std::ostream& out) {
  Mail mail;
  try {
    if (data.size() > std::numeric_limits<unsigned int>::max()) {
      out << "error: input too large\n";
      return false;
    }
    Strata::MemoryIBinaryChannel memory(data.data(), static_cast<unsigned int>(data.size()));
    Strata::IChannelX channel(memory);
    mail.Read(channel);
    if (memory.GetAvailable() != 0) {
      out << "error: " << memory.GetAvailable() << " trailing bytes after the mail\n";
      return false;
    }
  } catch (const Strata::StrataException& e) {
    out << "error: " << e.what() << '\n';
    return false;
  }
  const TypedHeader typed[] = {
      {MailHeaders::From, [](Mail& m) { return m.GetFrom().ToString(); }},
      {MailHeaders::To, [](Mail& m) { return m.GetTo().ToString(); }},
      {MailHeaders::ReplyTo, [](Mail& m) { return m.GetReplyTo().ToString(); }},
      {MailHeaders::Subject, [](Mail& m) { return m.GetSubject(); }},
      {MailHeaders::Importance, [](Mail& m) { return m.GetImportance().ToString(); }},
      {MailHeaders::Sent, [](Mail& m) { return m.GetSent().ToString(); }},
      {MailHeaders::Received, [](Mail& m) { return m.GetReceived().ToString(); }},
  };
  out << "Id: " << mail.GetId().GetId().ToCStr() << '\n';
  for (const TypedHeader& header : typed) {
    out << header.name.ToCStr() << ": ";
    Server::Mail::Header raw;
    if (!mail.GetHeader(header.name, raw)) {
      out << "(absent)\n";
      continue;
    }
    try {
      out << header.show(mail).ToCStr() << '\n';
    } catch (const Strata::StrataException& e) {
      out << "does not parse: " << e.what() << '\n';
    }
  }
  return true;
}

}  // namespace Quorum::Tools::Examiner
