#include "platform/text_length.h"

#include <cstddef>

namespace cq {

namespace {

struct Character {
  size_t bytes;
  int units;
};

bool Continues(std::string_view text, size_t at) {
  return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

// The character at `at`: its length in bytes and in UTF-16 code units.
Character CharacterAt(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  size_t bytes = 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    bytes = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    bytes = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    bytes = 4;
  for (size_t i = 1; i < bytes; ++i)
    if (!Continues(text, at + i)) return {1, 1};
  return {bytes, bytes == 4 ? 2 : 1};
}

}  // namespace

std::string LeadingUtf16Units(std::string_view text, int units) {
  size_t end = 0;
  int used = 0;
  while (end < text.size()) {
    const Character c = CharacterAt(text, end);
    if (used + c.units > units) break;
    used += c.units;
    end += c.bytes;
  }
  return std::string(text.substr(0, end));
}

}  // namespace cq
