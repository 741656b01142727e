#include "HeadersReport.h"

#include <cstdint>
#include <functional>
#include <string>

#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailHeaders.h"
#include "Strata/IChannelX.h"
#include "Strata/StrataException.h"

namespace Quorum::Tools::Examiner {

namespace {

using Quorum::Server::Mail::Mail;
using Quorum::Server::Mail::MailHeaders;

struct TypedHeader {
  const Strata::UniString& name;
  std::function<Strata::UniString(Mail&)> show;
};

// Reads the next mail from the source; false, with the library's message
// printed after `prefix`, when the bytes there are not a mail.
bool ReadMail(Source& source, Mail& mail, std::ostream& errors, const std::string& prefix) {
  try {
    Strata::IChannelX channel(source);
    mail.Read(channel);
    return true;
  } catch (const Strata::StrataException& e) {
    errors << "error: " << prefix << e.what() << '\n';
    return false;
  }
}

// Prints the id and the typed headers; false when one does not parse.
bool PrintTypedHeaders(Mail& mail, std::ostream& out) {
  const TypedHeader typed[] = {
      {MailHeaders::From, [](Mail& m) { return m.GetFrom().ToString(); }},
      {MailHeaders::To, [](Mail& m) { return m.GetTo().ToString(); }},
      {MailHeaders::ReplyTo, [](Mail& m) { return m.GetReplyTo().ToString(); }},
      {MailHeaders::Subject, [](Mail& m) { return m.GetSubject(); }},
      {MailHeaders::Importance, [](Mail& m) { return m.GetImportance().ToString(); }},
      {MailHeaders::Sent, [](Mail& m) { return m.GetSent().ToString(); }},
      {MailHeaders::Received, [](Mail& m) { return m.GetReceived().ToString(); }},
  };
  bool parsed = true;
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
      parsed = false;
    }
  }
  return parsed;
}

}  // namespace

bool RenderHeaders(Source& source, std::ostream& out, std::ostream& errors) {
  Mail mail;
  if (!ReadMail(source, mail, errors, "")) return false;
  if (const std::uint64_t left = source.GetRemaining(); left != 0) {
    errors << "error: " << left << (left == 1 ? " trailing byte" : " trailing bytes")
           << " after the mail\n";
    return false;
  }
  return PrintTypedHeaders(mail, out);
}

bool RenderAllHeaders(Source& source, std::ostream& out, std::ostream& errors) {
  bool parsed = true;
  for (std::uint64_t index = 1; source.GetRemaining() != 0; ++index) {
    const std::uint64_t offset = source.GetPosition();
    Mail mail;
    const std::string where =
        "offset " + std::to_string(offset) + ": mail " + std::to_string(index) + ": ";
    if (!ReadMail(source, mail, errors, where)) return false;
    out << "mail " << index << ", offset " << offset << '\n';
    parsed = PrintTypedHeaders(mail, out) && parsed;
  }
  return parsed;
}

}  // namespace Quorum::Tools::Examiner
