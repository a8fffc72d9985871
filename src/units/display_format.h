// SPDX-License-Identifier: GPL-3.0-or-later
// Display formats: number patterns of "#", "0" and one "." per value field.
#ifndef HYDRELIX_UNITS_DISPLAY_FORMAT_H
#define HYDRELIX_UNITS_DISPLAY_FORMAT_H

#include "number_locale.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace units {

// The value written with `format`: ASCII digits, an ASCII "-" and the locale's
// decimal separator, no grouping; rounded half away from zero to the format's
// decimals, with the exact binary digits of the value where the format asks
// for more than it holds. Halfway is judged on the exact binary value, so
// 0.125 gives 0.13 but 1.005 (held as 1.00499999...) gives 1.00. A value
// that rounds to zero shows no minus sign ("0.00", never "-0.00").
//
// A pattern is "#" and "0" placeholders around at most one "."; without a
// point the value is rounded to a whole number and shown without a separator
// ("0000" shows 68.5 as 0069). Any other format (empty, with two points or
// foreign characters) shows the value in a general form: the shortest digits
// that read back as the same number (as the 32-bit number when the value is
// one), with the locale's separator and an exponent for very large or small
// values ("1e+20"). A NaN or an infinity gives an empty text. Never fails,
// whatever the format.
std::string FormatValue(double value, std::string_view format, const NumberLocale& locale);

// A display format read once, for writing many values with it: Write gives
// exactly what FormatValue gives with the format's text.
class DisplayFormat {
 public:
  explicit DisplayFormat(std::string_view format = {});
  // The format this was read from.
  const std::string& Text() const { return text_; }
  std::string Write(double value, const NumberLocale& locale) const;

 private:
  std::string text_;
  bool isPattern_ = false;       // "#" and "0" around at most one "."
  bool hasPoint_ = false;
  size_t minIntegerDigits_ = 0;  // from the first "0" before the point on
  size_t decimalCount_ = 0;      // placeholders after the point, ending text_
  size_t trailingHashes_ = 0;    // the "#" that end text_ after the point
  uint64_t scale_ = 0;           // 10^decimalCount_; 0 where only the long way writes
};

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
