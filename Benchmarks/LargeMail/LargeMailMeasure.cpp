// Times and peak memory of mails with 1 GiB contents, each beside `cp` of the
// same bytes in the same run, runs interleaved so that a noisy machine slows
// both alike:
//   - reading a mail with one 1 GiB application/octet-stream part from a
//     file channel through SpillingBodyPartContentFactory;
//   - the same with a text/plain part;
//   - writing a body part whose 1 GiB FileContent goes into a file channel.
// Peak memory is VmHWM after reading less VmRSS before it (the peak is reset
// first through /proc/self/clear_refs). Writes about 5 GiB to the scratch
// folder, so it is no part of CI or ctest: Benchmarks/report runs it.
//   LargeMailMeasure <scratch folder> [runs]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Quorum/Common/IO/FileIBinaryChannel.h"
#include "Quorum/Common/IO/FileOBinaryChannel.h"
#include "Quorum/Server/Mail/Contents/FileContent.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/SpillingBodyPartContentFactory.h"

extern char** environ;

namespace {

using namespace Quorum::Server::Mail;
using Quorum::Common::IO::FileIBinaryChannel;
using Quorum::Common::IO::FileOBinaryChannel;
using Quorum::Common::IO::FileShare;
namespace fs = std::filesystem;

constexpr std::uint64_t kSize = std::uint64_t{1} << 30;

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A line of /proc/self/status in KiB, such as VmHWM or VmRSS.
long StatusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key + ":", 0) == 0)
      return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
  }
  return -1;
}

bool ResetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

double TimeCopy(const fs::path& from, const fs::path& to) {
  const std::string source = from.string(), target = to.string();
  const double seconds = Seconds([&] {
    char* argv[] = {const_cast<char*>("cp"), const_cast<char*>(source.c_str()),
                    const_cast<char*>(target.c_str()), nullptr};
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "cp %s %s failed\n", source.c_str(), target.c_str());
      std::exit(1);
    }
  });
  fs::remove(to);
  return seconds;
}

void WriteSource(const fs::path& path) {
  std::vector<char> piece(1 << 20);
  for (std::size_t i = 0; i < piece.size(); ++i) piece[i] = static_cast<char>(i * 31 + i / 251);
  std::ofstream out(path, std::ios::binary);
  for (std::uint64_t written = 0; written < kSize; written += piece.size()) {
    out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
  }
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
    std::exit(1);
  }
}

// Writes a mail whose one body part holds the source file as `contentType`.
double WriteMail(const fs::path& source, const char* contentType, const fs::path& target) {
  Headers headers;
  headers.Set("Content-Type", contentType);
  Mail mail(MailId("large"));
  mail.GetBodyParts().Add(Strata::MakeRef<BodyPart>(
      "large", headers, Strata::MakeRef<Contents::FileContent>(Conduit::Location(source))));
  return Seconds([&] {
    FileOBinaryChannel output(Conduit::Location(target), false, FileShare::None);
    Strata::OChannelX channel(output);
    mail.Write(channel);
    output.Close();
  });
}

struct Reading {
  double seconds;
  double peakMiB;
};

Reading ReadMail(const fs::path& file, const fs::path& spill) {
  SpillingBodyPartContentFactory factory{Conduit::Location(spill)};
  Mail mail;
  const long before = StatusKiB("VmRSS");
  ResetPeak();
  const double seconds = Seconds([&] {
    FileIBinaryChannel input(Conduit::Location(file), FileShare::None);
    Strata::IChannelX channel(input);
    mail.Read(channel, factory);
  });
  const long peak = StatusKiB("VmHWM");
  if (mail.GetBodyParts().Get("large")->GetContentSize() != kSize) {
    std::fprintf(stderr, "the mail read back is not whole\n");
    std::exit(1);
  }
  return {seconds, (peak - before) / 1024.0};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: LargeMailMeasure <scratch folder> [runs]\n");
    return 2;
  }
  const fs::path scratch = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  const fs::path source = scratch / "source.bin", octets = scratch / "octets.mail",
                 text = scratch / "text.mail", spill = scratch / "spill";
  fs::create_directories(spill);
  WriteSource(source);
  WriteMail(source, "application/octet-stream", octets);
  WriteMail(source, "text/plain; charset=utf-8", text);
  if (!ResetPeak()) std::printf("(cannot reset VmHWM: peaks count from the start)\n");

  struct Row {
    const char* name;
    std::vector<double> ours, cp, peak;
  };
  std::map<int, Row> rows{{0, {"Read 1 GiB octet-stream part, spilling factory", {}, {}, {}}},
                          {1, {"Read 1 GiB text part, spilling factory", {}, {}, {}}},
                          {2, {"Write 1 GiB file content into a file channel", {}, {}, {}}}};
  // Each pair runs ours first on odd runs and cp first on even ones, so the
  // write-back of one copy slows the other alike.
  const auto pair = [](int run, const std::function<void()>& ours,
                       const std::function<void()>& cp) {
    if (run % 2 == 0) cp();
    ours();
    if (run % 2 == 1) cp();
  };
  for (int run = 0; run < runs; ++run) {
    for (int i = 0; i < 2; ++i) {
      const fs::path& mail = i == 0 ? octets : text;
      pair(
          run,
          [&] {
            const Reading reading = ReadMail(mail, spill);
            rows[i].ours.push_back(reading.seconds);
            rows[i].peak.push_back(reading.peakMiB);
          },
          [&] { rows[i].cp.push_back(TimeCopy(mail, scratch / "copy.bin")); });
    }
    pair(
        run,
        [&] {
          rows[2].ours.push_back(
              WriteMail(source, "application/octet-stream", scratch / "written.mail"));
          fs::remove(scratch / "written.mail");
        },
        [&] { rows[2].cp.push_back(TimeCopy(source, scratch / "copy.bin")); });
  }

  std::printf("%-50s %7s %7s %7s %7s %9s  %-22s %s\n", "workload (runs interleaved with cp)",
              "ours s", "cp s", "min", "median", "peak MiB", "goal", "met");
  for (const auto& [index, row] : rows) {
    std::vector<double> ratios;
    for (std::size_t k = 0; k < row.ours.size(); ++k) ratios.push_back(row.ours[k] / row.cp[k]);
    const double limit = index == 2 ? 1.1 : 1.5;
    const double peak = row.peak.empty() ? 0 : *std::max_element(row.peak.begin(), row.peak.end());
    const bool met = Median(ratios) <= limit && (index == 2 || peak <= 16);
    char goal[32];
    std::snprintf(goal, sizeof goal, index == 2 ? "<= %.1fx cp" : "<= %.1fx cp, <= 16 MiB", limit);
    char peakText[16] = "-";
    if (index != 2) std::snprintf(peakText, sizeof peakText, "%.2f", peak);
    std::printf("%-50s %7.2f %7.2f %7.2f %7.2f %9s  %-22s %s\n", row.name, Median(row.ours),
                Median(row.cp), *std::min_element(ratios.begin(), ratios.end()), Median(ratios),
                peakText, goal, met ? "yes" : "NO");
  }
  return 0;
}
