// The data of the measured workloads, built once per case outside any
// measurement and shared by our cases and the peers', so that both sides hold
// the same fields.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Quorum/Server/Mail/Mail.h"

namespace QuorumBenchmarks {

enum class PartKind { Text, Octets };

// A mail shaped like real traffic: id msg-0001@example.org; 50 headers
// X-Header-1 ... X-Header-50 with the values of HeaderValue; 3 body parts
// part1 ... part3, each with Content-Type ("text/plain; charset=utf-8" or
// "application/octet-stream"), Content-Transfer-Encoding 8bit,
// Content-Disposition inline (and the Content-Size the body part adds) and
// 1,024 printable ASCII content bytes, different in each part, held as memory
// content (Read turns the text parts into text content); flags \Seen,
// \Answered, \Flagged, $Label1, $Forwarded.
Quorum::Server::Mail::Mail RealisticMail(PartKind kind);

// The easy mail measured before: 50 headers of 40 equal characters, 3
// octet-stream parts of 1 KiB with a short extra header, 5 flags.
Quorum::Server::Mail::Mail EasyMail();

// The mail as its channel form, and that form read back (what a peer gets).
std::vector<unsigned char> ChannelForm(const Quorum::Server::Mail::Mail& mail);
Quorum::Server::Mail::Mail ReadBack(const std::vector<unsigned char>& form);

// The content bytes of a body part, read through its input channel.
std::string ContentBytes(const Quorum::Server::Mail::BodyPart& part);

// "X-Header-<number>".
std::string HeaderName(unsigned int number);
// "value of header number <number> " padded with 'x' to 40 characters.
std::string HeaderValue(unsigned int number);
// 0 ... count - 1 shuffled by a generator with a fixed seed, the same in
// every build.
std::vector<unsigned int> ShuffledOrder(unsigned int count);

}  // namespace QuorumBenchmarks
