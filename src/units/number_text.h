// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers typed or pasted into a value field.
//
// Reading trims blanks, drops the locale's group separator wherever it
// stands, and accepts an optional leading sign, digits, the locale's decimal
// separator and an optional exponent ("1e5", "2,5E-3" under a comma locale).
// Anything else is rejected: letters, "nan", "inf", an empty text, a lone sign.
#ifndef HYDRELIX_UNITS_NUMBER_TEXT_H
#define HYDRELIX_UNITS_NUMBER_TEXT_H

#include "number_locale.h"

#include <optional>
#include <string_view>

namespace units {

// The finite value of the text, or nothing when the text is rejected or its
// value is beyond the 64-bit range ("1e999"). A value too small to hold
// ("1e-999") reads as 0.
std::optional<double> ReadNumber(std::string_view text, const NumberLocale& locale);

// The text as a 32-bit number: 0 for a rejected text and for a value beyond
// the 32-bit range. Never non-finite.
float ReadSingle(std::string_view text, const NumberLocale& locale);

}  // namespace units

#endif
