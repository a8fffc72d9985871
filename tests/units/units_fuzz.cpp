// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as typed or pasted text and as a display format read from
// the settings: nothing may crash, hang or give a non-finite number.
#include "units/conversions.h"
#include "units/display_format.h"
#include "units/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace units;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  static const NumberLocale locales[] = {{".", ","}, {",", "."}, {",", "\xC2\xA0"}};
  for (const NumberLocale& locale : locales) {
    const std::optional<double> number = ReadNumber(input, locale);
    Require(!number || std::isfinite(*number));
    Require(std::isfinite(ReadSingle(input, locale)));
    for (int16_t unit = -1; unit < 10; ++unit) {
      Require(std::isfinite(TemperatureFromUnit(input, unit, locale)));
      Require(std::isfinite(PressureFromUnit(input, unit, locale)));
      Require(std::isfinite(HeatCapacityFromUnit(input, 18.01528f, unit, locale)));
      Require(std::isfinite(EnthalpyFromUnit(input, 18.01528f, unit, locale)));
    }
    for (double value : {68.0, -0.0, -17.777778, 1e300, 5e-324, number.value_or(0.0)}) {
      const std::string text = FormatValue(value, input, locale);
      // Whatever the format, the text reads back as a number.
      Require(ReadNumber(text, locale).has_value());
    }
  }
  (void)DigitCount(input);
  (void)WithMoreDigits(std::string(input));
  (void)WithLessDigits(std::string(input));
  return 0;
}
