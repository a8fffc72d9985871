// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the UTF-8 that scenario lines are written in, one code point at a
// time, so the runner can refuse what no keyboard or clipboard would deliver.
#ifndef HYDRELIX_SCENARIO_UTF8_TEXT_H
#define HYDRELIX_SCENARIO_UTF8_TEXT_H

#include <cstddef>
#include <optional>
#include <string_view>

namespace scenario {

struct CodePoint {
  char32_t value;
  size_t length;  // bytes it took in the text
};

// The code point whose encoding starts at text[at], or nothing when the bytes
// there are not well-formed UTF-8: a stray continuation byte, an overlong
// form, a surrogate (U+D800..U+DFFF), a value beyond U+10FFFF, or a sequence
// the text ends inside.
std::optional<CodePoint> CodePointAt(std::string_view text, size_t at);

}  // namespace scenario

#endif
