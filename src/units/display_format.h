// Display formats: number patterns of "#", "0" and one "." per value field.
#ifndef HYDRELIX_UNITS_DISPLAY_FORMAT_H
#define HYDRELIX_UNITS_DISPLAY_FORMAT_H

#include "number_locale.h"

#include <array>
#include <string>
#include <string_view>

namespace units {

// The value written with `format`: ASCII digits, an ASCII "-" and the locale's
// decimal separator, no grouping; rounded half away from zero to the format's
// decimals, with the exact binary digits of the value where the format asks
// for more than it holds. Any other pattern (empty, foreign characters) shows
// the value in a general form. Never fails, whatever the format.
std::string FormatValue(double value, std::string_view format, const NumberLocale& locale);

// Characters after the first ".", or the whole length when there is none.
int DigitCount(std::string_view format);

// One more decimal (appends "0" while the digit count is below 8), and one
// fewer (drops the last character while the digit count is above 0).
std::string WithMoreDigits(std::string format);
std::string WithLessDigits(std::string format);

struct DisplayFormatSetting {
  const char* key;            // settings key, "TFormat" ...
  const char* defaultFormat;  // "####0.00" ...
};

// Entry i belongs to txtData(43 + i).
extern const std::array<DisplayFormatSetting, 15> kDisplayFormatSettings;

}  // namespace units

#endif
