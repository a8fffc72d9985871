// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario/utf8_text.h"

namespace scenario {

namespace {

// The smallest value each sequence length may carry; anything below it has a
// shorter encoding and would let one character hide behind several spellings.
constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};

bool IsSurrogate(char32_t value) { return value >= 0xD800 && value <= 0xDFFF; }

}  // namespace

std::optional<CodePoint> CodePointAt(std::string_view text, size_t at) {
  if (at >= text.size()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[at]);
  size_t length = 0;
  char32_t value = 0;
  if (lead < 0x80) {
    return CodePoint{lead, 1};
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    value = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (length > text.size() - at) return std::nullopt;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < kSmallestOfLength[length] || value > 0x10FFFF || IsSurrogate(value)) {
    return std::nullopt;
  }
  return CodePoint{value, length};
}

}  // namespace scenario
