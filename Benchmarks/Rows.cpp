// The rows Benchmarks/report prints: first the workloads the goals were set
// for, then the easier ones measured before, kept for comparison.
#include <string>
#include <vector>

#include "Comparison.h"

namespace QuorumBenchmarks {

std::vector<Row> ReportRows() {
  std::vector<Row> rows;
  const auto add = [&rows](std::string title, std::string ours, std::string baseline, double limit,
                           bool primary, double oursItems = 1, double baselineItems = 1) {
    rows.push_back(Row{std::move(title), std::move(ours), std::move(baseline), oursItems,
                       baselineItems, limit, primary});
  };

  add("Mail round trip / protobuf, text parts", "ours.MailRoundTrip.text",
      "protobuf.MailRoundTrip.text", 1.0, true);
  add("- read only", "ours.MailRead.text", "protobuf.MailRead.text", 1.0, true);
  add("- write only", "ours.MailWrite.text", "protobuf.MailWrite.text", 1.0, true);
  add("- writing a mail as Read returned it", "ours.MailWriteAsRead.text",
      "protobuf.MailWriteAsRead.text", 1.0, true);
  add("Mail round trip / protobuf, octet-stream parts", "ours.MailRoundTrip.octets",
      "protobuf.MailRoundTrip.octets", 1.0, true);
  add("Headers::Get / GMime header look-up, 100 headers", "ours.HeadersGet.100",
      "gmime.HeaderGet.100", 1.0, true);
  add("- the same at 100,000 headers", "ours.HeadersGet.100000", "gmime.HeaderGet.100000", 1.0,
      true);
  add("AddressList::Parse / GMime's, 100 addresses", "ours.AddressListParse.100",
      "gmime.AddressListParse.100", 0.2, true);
  add("Per-address parse and destroy, 500,000 / 100", "ours.AddressListParse.500000",
      "ours.AddressListParse.100", 1.5, true, 500000, 100);
  add("64 MiB body part round trip / memcpy into fresh memory", "ours.BodyPartRoundTrip64MiB",
      "baseline.Memcpy64MiB", 2.2, true);
  rows.back().counted = false;

  add("- read only, octet-stream parts", "ours.MailRead.octets", "protobuf.MailRead.octets", 1.0,
      false);
  add("- write only, octet-stream parts", "ours.MailWrite.octets", "protobuf.MailWrite.octets", 1.0,
      false);
  add("- writing as Read returned it, octet-stream parts", "ours.MailWriteAsRead.octets",
      "protobuf.MailWriteAsRead.octets", 1.0, false);
  add("Headers::Find / GMime header look-up, 100 headers", "ours.HeadersFind.100",
      "gmime.HeaderGet.100", 1.0, false);
  add("- the same at 100,000 headers", "ours.HeadersFind.100000", "gmime.HeaderGet.100000", 1.0,
      false);
  add("Easy mail round trip / protobuf", "ours.MailRoundTrip.easy", "protobuf.MailRoundTrip.easy",
      1.0, false);
  for (const char* kind : {"Headers", "Flags"}) {
    add(std::string("65,536 colliding / random names, ") + kind + "::Read",
        std::string("ours.") + kind + "Read.colliding", std::string("ours.") + kind + "Read.random",
        2.0, false);
  }
  add("65,536 colliding / random names, MailFetchPlan::Read", "ours.FetchPlanRead.colliding",
      "ours.FetchPlanRead.random", 2.0, false);
  for (const char* count : {"100", "100000"}) {
    for (const char* kind : {"Headers", "Parameters", "Flags"}) {
      const std::string prefix = std::string("ours.Easy") + kind;
      const std::string at = std::string(" at ") + count + " / GMime header list";
      add(std::string("easy ") + kind + " Set" + at, prefix + "Set." + count,
          std::string("gmime.HeaderSet.") + count, 1.0, false);
      add(std::string("easy ") + kind + " Get" + at, prefix + "Get." + count,
          std::string("gmime.EasyHeaderGet.") + count, 1.0, false);
      add(std::string("easy ") + kind + " Remove" + at, prefix + "Remove." + count,
          std::string("gmime.HeaderRemove.") + count, 1.0, false);
    }
    add(std::string("BodyParts::Get at ") + count + " / std::unordered_map",
        std::string("ours.BodyPartsGet.") + count, std::string("baseline.UnorderedMapGet.") + count,
        1.0, false);
  }
  add("1 MiB UTF-8 text content filled / its bare decoding", "ours.TextFillUtf8",
      "baseline.DecodeUtf8", 1.25, false);
  return rows;
}

}  // namespace QuorumBenchmarks
