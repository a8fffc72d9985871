// SPDX-License-Identifier: GPL-3.0-or-later
// Scenario text as an error message quotes it back.
#ifndef HYDRELIX_SCENARIO_ECHOED_TEXT_H
#define HYDRELIX_SCENARIO_ECHOED_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace scenario {

// Enough of a refused word to recognise it in the scenario.
constexpr size_t kEchoedCharacters = 80;

// `text` cut after `limit` characters, marked with "…" when cut, with every
// control character, backslash, bidirectional override and byte that is not
// UTF-8 written as an escape (\t, \\, \x1B, \u202E, \xFF). A refused line thus
// reaches the terminal as one short line that cannot move its cursor, recolour
// it or reorder what it shows.
std::string EchoedText(std::string_view text, size_t limit = kEchoedCharacters);

}  // namespace scenario

#endif
