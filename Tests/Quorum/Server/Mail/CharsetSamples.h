// Text parts as internet mail carries them: charsets other than UTF-8, bytes
// that are not valid in the charset they claim, binary data labelled as text,
// and valid UTF-8 with awkward characters. Each sample is a Content-Type
// value, the charset a content takes from it, the bytes, the text they decode
// to, and whether a text content must keep the bytes besides that text.
#pragma once

#include <string_view>
#include <vector>

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/Mail.h"

namespace CharsetSamples {

using namespace std::string_view_literals;
using MailTest::Bytes;

struct Sample {
  const char* name;
  const char* contentType;
  const char* charset;
  Bytes bytes;
  std::u16string_view text;
  bool kept;
};

// The bytes of a literal, embedded zero bytes included.
template <std::size_t N>
Bytes B(const char (&literal)[N]) {
  return Bytes(literal, literal + N - 1);
}

inline const std::vector<Sample>& All() {
  static const std::vector<Sample> samples = {
      {"latin1.html", "text/html; charset=\"iso-8859-1\"", "iso-8859-1", B("\xA1This caf\xE9"),
       u"\u00A1This caf\u00E9", true},
      {"latin9.txt", "text/plain; charset=ISO-8859-15", "ISO-8859-15", B("\xA4uro \xBDuvre"),
       u"\u20ACuro \u0153uvre", true},
      {"cp1252.txt", "text/plain;\r\n\tcharset=windows-1252", "windows-1252",
       B("\x93Quotes\x94 \x96 \x80"
         "5"),
       u"\u201CQuotes\u201D \u2013 \u20AC5", true},
      {"koi8.txt", "text/plain; CHARSET=koi8-r; format=flowed", "koi8-r",
       B("\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2"), u"Привет, мир", true},
      {"gb2312.txt", "text/plain; charset = \"GB2312\"", "GB2312",
       B("\xD6\xD0\xCE\xC4\xD3\xCA\xBC\xFE"), u"中文邮件", true},
      {"big5.txt", "text/plain; charset=big5", "big5", B("\xA4\xA4\xA4\xE5\xB6l\xA5\xF3"),
       u"中文郵件", true},
      {"sjis.txt", "text/plain; charset=Shift_JIS", "Shift_JIS",
       B("\x93\xFA\x96{\x8C\xEA\x82\xCC\x83\x81\x81[\x83\x8B"), u"日本語のメール", true},
      {"utf16.txt", "text/plain; charset=utf-16", "utf-16",
       B("\xFF\xFEG\x00r\x00\xFC\x00\xDF\x00"
         "e\x00 \x00=\xD8\x00\xDE"),
       u"Grüße \U0001F600", true},
      {"cesu8.txt", "text/plain; charset=CESU-8", "CESU-8", B("smile \xED\xA0\xBD\xED\xB8\x80"),
       u"smile \U0001F600", true},
      {"cesu8-as-utf8.txt", "text/plain; charset=UTF-8", "UTF-8",
       B("smile \xED\xA0\xBD\xED\xB8\x80"), u"smile \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD", true},
      {"image.png", "text/plain", "",
       B("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0\x1F\x15\xC4\x89"),
       u"\uFFFDPNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0\x1F\x15\u0109"sv, true},
      {"ascii-latin1.txt", "text/plain; charset=us-ascii", "us-ascii", B("caf\xE9 au lait"),
       u"caf\uFFFD au lait", true},
      {"unknown.txt", "text/plain; charset=x-no-such-charset", "x-no-such-charset", B("\xA1Hola!"),
       u"\uFFFDHola!", true},
      {"latin1-ascii.txt", "text/plain; charset=iso-8859-1", "iso-8859-1", B("plain ASCII"),
       u"plain ASCII", false},
      {"utf8.txt", "text/plain; charset=utf-8", "utf-8",
       B("\xEF\xBB\xBFone\rtwo\r\nthree\0four \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
       u"\uFEFFone\rtwo\r\nthree\0four \u00E9\u20AC\U0001F600"sv, false},
  };
  return samples;
}

// A mail holding every sample as a body part of its own, each content a
// MemoryContent of the sample's bytes, as a server fills it from the decoded
// parts of a message.
inline Quorum::Server::Mail::Mail MakeMail() {
  using namespace Quorum::Server::Mail;
  Mail mail(MailId("mail-charsets"));
  mail.SetSubject(u"Text parts in many charsets");
  for (const Sample& sample : All()) {
    const auto part = Strata::MakeRef<BodyPart>(sample.name);
    part->SetContentType(sample.contentType);
    part->SetContent(ContentTestSupport::MakeMemory(sample.bytes));
    mail.GetBodyParts().Add(part);
  }
  return mail;
}

}  // namespace CharsetSamples
