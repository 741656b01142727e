#include "Quorum/Server/Mail/Internal/NamedNumbers.h"

#include <cstdint>

#include "Strata/IllegalArgumentException.h"

namespace Quorum::Server::Mail::internal {
namespace {

bool IsWord(std::u16string_view units, const char* word) noexcept {
  std::size_t i = 0;
  for (; word[i] != '\0'; ++i) {
    if (i >= units.size() || units[i] != static_cast<unsigned char>(word[i])) return false;
  }
  return i == units.size();
}

}  // namespace

Strata::UniString WordOf(std::span<const NamedNumber> table, int number) {
  for (const NamedNumber& entry : table) {
    if (entry.number == number) return Strata::UniString(entry.word);
  }
  return Strata::UniString();
}

bool ParseWord(std::span<const NamedNumber> table, const Strata::UniString& text, int& number,
               const char* emptyMessage, const char* sourceFile, unsigned int sourceLine) {
  if (text.IsEmpty()) throw Strata::IllegalArgumentException(emptyMessage, sourceFile, sourceLine);
  for (const NamedNumber& entry : table) {
    if (IsWord(text.GetUnits(), entry.word)) {
      number = entry.number;
      return true;
    }
  }
  return false;
}

void WriteAsShort(Strata::OChannelX& channel, int number) {
  channel.WriteShort(static_cast<std::int16_t>(number));
}

int ReadShort(Strata::IChannelX& channel) { return channel.ReadShort(); }

}  // namespace Quorum::Server::Mail::internal
