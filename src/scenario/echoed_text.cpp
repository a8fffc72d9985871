// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario/echoed_text.h"

#include "scenario/utf8_text.h"

#include <cstdio>
#include <optional>

namespace scenario {

namespace {

bool IsControl(char32_t value) {
  return value < 0x20 || (value >= 0x7F && value <= 0x9F);
}

// Characters that reorder or break the text around them on the terminal.
bool BendsTheLine(char32_t value) {
  return value == 0x2028 || value == 0x2029 || (value >= 0x202A && value <= 0x202E) ||
         (value >= 0x2066 && value <= 0x2069);
}

void AppendHex(std::string& out, const char* format, unsigned value) {
  char escape[12];
  std::snprintf(escape, sizeof escape, format, value);
  out += escape;
}

void AppendEchoed(std::string& out, std::string_view encoded, char32_t value) {
  switch (value) {
    case '\t': out += "\\t"; return;
    case '\r': out += "\\r"; return;
    case '\n': out += "\\n"; return;
    case '\\': out += "\\\\"; return;
    default: break;
  }
  if (value < 0x80 && IsControl(value)) {
    AppendHex(out, "\\x%02X", static_cast<unsigned>(value));
  } else if (IsControl(value) || BendsTheLine(value)) {
    AppendHex(out, "\\u%04X", static_cast<unsigned>(value));
  } else {
    out += encoded;
  }
}

}  // namespace

std::string EchoedText(std::string_view text, size_t limit) {
  std::string echoed;
  size_t characters = 0;
  for (size_t at = 0; at < text.size(); ++characters) {
    if (characters == limit) {
      echoed += "\u2026";
      break;
    }
    const std::optional<CodePoint> point = CodePointAt(text, at);
    if (!point) {
      AppendHex(echoed, "\\x%02X", static_cast<unsigned char>(text[at]));
      ++at;
      continue;
    }
    AppendEchoed(echoed, text.substr(at, point->length), point->value);
    at += point->length;
  }
  return echoed;
}

}  // namespace scenario
