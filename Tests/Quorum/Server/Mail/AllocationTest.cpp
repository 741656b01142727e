// What reading and looking up allocate. This file replaces the global
// operator new of MailTests with one that counts calls and bytes.
#include <cstdlib>
#include <new>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Parameters.h"

namespace {
thread_local unsigned long allocations = 0;
thread_local unsigned long long allocatedBytes = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  allocatedBytes += size;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
// g++ sees free() behind operator delete once both are inlined and takes the
// pair for a mismatch; the replacement above allocates with malloc.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

using namespace Quorum::Server::Mail;
using MailTest::U;

// How many bytes `action` allocates.
template <typename Action>
unsigned long long BytesAllocatedBy(Action action) {
  const unsigned long long before = allocatedBytes;
  action();
  return allocatedBytes - before;
}

// How many allocations `action` makes.
template <typename Action>
unsigned long AllocationsOf(Action action) {
  const unsigned long before = allocations;
  action();
  return allocations - before;
}

TEST(LookUpAllocation, AsciiNamesAreFoundWithoutAllocating) {
  Headers headers;
  Parameters parameters;
  Flags flags;
  for (int i = 0; i < 200; ++i) {
    const Strata::UniString name = Strata::UniString::Format("X-Name-%d", i);
    headers.Set(name, u"value");
    parameters.Set(name, u"value");
    flags.Set(name);
  }
  const Strata::UniString present = U(u"x-NAME-123"), absent = U(u"X-Name-Absent");
  bool found = true;
  EXPECT_EQ(AllocationsOf([&] {
              found = headers.Find(present) != nullptr && headers.Contains(present) &&
                      parameters.Find(present) != nullptr && parameters.Contains(present) &&
                      flags.Contains(present) && !headers.Contains(absent) &&
                      !headers.Remove(absent) && !parameters.Remove(absent) &&
                      !flags.Remove(absent);
            }),
            0u);
  EXPECT_TRUE(found);
  EXPECT_EQ(headers.Find(present)->GetName(), U(u"X-Name-123"));
  // A name longer than the inline buffer is still found, in any case.
  const Strata::UniString longName(std::u16string(300, u'\u00C4'));
  flags.Set(longName);
  EXPECT_TRUE(flags.Contains(Strata::UniString(std::u16string(300, u'\u00E4'))));
}

}  // namespace

TEST(ReadAllocation, HostileCountsAllocateOnlyWhatTheChannelHolds) {
  using MailTest::Bytes;
  // A body part with no headers whose content claims 4 GiB - 1 with 10 bytes
  // behind it, then a text claiming as many units with 10 bytes behind it.
  Bytes part = MailTest::WrittenAs("p", 0u);
  part.insert(part.end(), {1, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const Bytes text{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_LT(BytesAllocatedBy([&] {
              BodyPart read;
              EXPECT_THROW(MailTest::ReadFrom(part, read), Strata::IOException);
              EXPECT_THROW(MailTest::ReadFrom(text, read), Strata::IOException);
            }),
            1u << 20);
}
