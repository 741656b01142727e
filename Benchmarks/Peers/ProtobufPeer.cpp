// The mail workloads of RoundTripBenchmark.cpp through protobuf: a message
// holding the same fields as our mail (names and values as strings, contents
// as bytes), serialised to a string with SerializeToString and parsed back
// with ParseFromString.
#include <benchmark/benchmark.h>

#include <string>

#include "Comparison.h"
#include "RoundTrip.pb.h"
#include "Workloads.h"

namespace QuorumBenchmarks {
namespace {

using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::Headers;

template <typename Message>
void CopyHeaders(const Headers& headers, Message& message) {
  for (const Header& header : headers) {
    peer::Header* copy = message.add_headers();
    copy->set_name(header.GetName().ToCStr());
    copy->set_value(header.GetValue().ToCStr());
  }
}

peer::Mail PeerOf(const Quorum::Server::Mail::Mail& mail) {
  peer::Mail message;
  message.set_id(mail.GetId().GetId().ToCStr());
  CopyHeaders(mail.GetHeaders(), message);
  for (const auto& part : mail.GetBodyParts()) {
    peer::Part* copy = message.add_parts();
    copy->set_name(part->GetName().ToCStr());
    CopyHeaders(part->GetHeaders(), *copy);
    copy->set_content(ContentBytes(*part));
  }
  for (const auto& flag : mail.GetFlags()) message.add_flags(flag.GetName().ToCStr());
  return message;
}

Operation RoundTrip(const peer::Mail& mail) {
  return [mail](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      std::string bytes;
      mail.SerializeToString(&bytes);
      peer::Mail read;
      read.ParseFromString(bytes);
      benchmark::DoNotOptimize(read);
    }
  };
}

Operation WriteOnly(const peer::Mail& mail) {
  return [mail](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      std::string bytes;
      mail.SerializeToString(&bytes);
      benchmark::DoNotOptimize(bytes.data());
    }
  };
}

Operation ReadOnly(const peer::Mail& mail) {
  return [bytes = mail.SerializeAsString()](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      peer::Mail read;
      read.ParseFromString(bytes);
      benchmark::DoNotOptimize(read);
    }
  };
}

// The message as ParseFromString returns it.
peer::Mail Parsed(const peer::Mail& mail) {
  peer::Mail read;
  read.ParseFromString(mail.SerializeAsString());
  return read;
}

constexpr std::size_t kMailsCounted = 20;

QUORUM_BENCHMARK_CASE("protobuf.MailRoundTrip.text", kMailsCounted,
                      [] { return RoundTrip(PeerOf(RealisticMail(PartKind::Text))); });
QUORUM_BENCHMARK_CASE("protobuf.MailRoundTrip.octets", kMailsCounted,
                      [] { return RoundTrip(PeerOf(RealisticMail(PartKind::Octets))); });
QUORUM_BENCHMARK_CASE("protobuf.MailRoundTrip.easy", kMailsCounted,
                      [] { return RoundTrip(PeerOf(EasyMail())); });
QUORUM_BENCHMARK_CASE("protobuf.MailWrite.text", kMailsCounted,
                      [] { return WriteOnly(PeerOf(RealisticMail(PartKind::Text))); });
QUORUM_BENCHMARK_CASE("protobuf.MailWrite.octets", kMailsCounted,
                      [] { return WriteOnly(PeerOf(RealisticMail(PartKind::Octets))); });
QUORUM_BENCHMARK_CASE("protobuf.MailRead.text", kMailsCounted,
                      [] { return ReadOnly(PeerOf(RealisticMail(PartKind::Text))); });
QUORUM_BENCHMARK_CASE("protobuf.MailRead.octets", kMailsCounted,
                      [] { return ReadOnly(PeerOf(RealisticMail(PartKind::Octets))); });
QUORUM_BENCHMARK_CASE("protobuf.MailWriteAsRead.text", kMailsCounted,
                      [] { return WriteOnly(Parsed(PeerOf(RealisticMail(PartKind::Text)))); });
QUORUM_BENCHMARK_CASE("protobuf.MailWriteAsRead.octets", kMailsCounted,
                      [] { return WriteOnly(Parsed(PeerOf(RealisticMail(PartKind::Octets)))); });

}  // namespace
}  // namespace QuorumBenchmarks
