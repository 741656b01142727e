// RoundTrip_Mail through protobuf: the same fields serialised to a string and
// parsed back.
#include <benchmark/benchmark.h>

#include <string>

#include "RoundTrip.pb.h"

namespace {

peer::Mail MakeMail() {
  peer::Mail mail;
  mail.set_id("mail-0001");
  for (int i = 0; i < 50; ++i) {
    peer::Header* header = mail.add_headers();
    header->set_name("X-Header-" + std::to_string(i));
    header->set_value(std::string(40, 'v'));
  }
  for (int p = 0; p < 3; ++p) {
    peer::Part* part = mail.add_parts();
    part->set_name("part-" + std::to_string(p));
    for (const char* name : {"Content-Type", "X-One", "Content-Size"}) {
      peer::Header* header = part->add_headers();
      header->set_name(name);
      header->set_value("application/octet-stream");
    }
    std::string bytes(1024, '\0');
    for (int i = 0; i < 1024; ++i) bytes[i] = static_cast<char>(i * 31);
    part->set_content(bytes);
  }
  for (const char* flag : {"Seen", "Answered", "Flagged", "$Label1", "$Label2"}) {
    mail.add_flags(flag);
  }
  return mail;
}

void Peer_ProtobufMailRoundTrip(benchmark::State& state) {
  const peer::Mail mail = MakeMail();
  for (auto _ : state) {
    std::string bytes;
    mail.SerializeToString(&bytes);
    peer::Mail read;
    read.ParseFromString(bytes);
    benchmark::DoNotOptimize(read);
  }
}

}  // namespace

BENCHMARK(Peer_ProtobufMailRoundTrip)->Unit(benchmark::kMicrosecond);
