// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/display_format.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace units {

const std::array<DisplayFormatSetting, 15> kDisplayFormatSettings = {{
    {"TFormat", "####0.00"},
    {"PFormat", "####0.000"},
    {"QFormat", "0.000"},
    {"HFormat", "#####0.0000"},
    {"SFormat", "#0.00000"},
    {"VFormat", "#0.000000"},
    {"DFormat", "#0.00000"},
    {"CpFormat", "#0.0000"},
    {"CvFormat", "#0.0000"},
    {"VisFormat", "#0.00000"},
    {"TCFormat", "#0.00000"},
    {"STFormat", "##0.000"},
    {"SVFormat", "####0.0"},
    {"PrFormat", "#0.000"},
    {"IEFormat", "#0.000"},
}};

namespace {

// Every double is a multiple of 2^-1074, so this many decimals hold any of
// them exactly; beyond it every digit is 0.
constexpr int kExactDecimals = 1074;

// A pattern of "#" and "0" placeholders with at most one ".". Without a point
// every placeholder stands before it: the value is shown as a whole number.
struct NumberPattern {
  size_t minIntegerDigits = 0;  // from the first "0" before the point on
  bool hasPoint = false;
  std::string_view decimals;    // the placeholders after the point
};

std::optional<NumberPattern> ParsePattern(std::string_view format) {
  if (format.empty() || format.find_first_not_of("#0.") != std::string_view::npos) {
    return std::nullopt;
  }
  const size_t point = format.find('.');
  NumberPattern pattern;
  pattern.hasPoint = point != std::string_view::npos;
  if (pattern.hasPoint && format.find('.', point + 1) != std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view integerPlaces = format.substr(0, point);
  const size_t firstZero = integerPlaces.find('0');
  if (firstZero != std::string_view::npos) {
    pattern.minIntegerDigits = integerPlaces.size() - firstZero;
  }
  if (pattern.hasPoint) pattern.decimals = format.substr(point + 1);
  return pattern;
}

std::string_view DecimalSeparator(const NumberLocale& locale) {
  return locale.decimalSeparator.empty() ? std::string_view(".") : locale.decimalSeparator;
}

// Digits of |value| at the position of `decimals`, rounded half away from
// zero. Ties are judged on the exact binary value, so 0.125 (exact) rounds to
// 0.13 while 1.005 (stored as 1.00499999999999989...) rounds to 1.00.
void RoundedDigits(double magnitude, size_t decimals, std::string& integerDigits,
                   std::string& fractionDigits) {
  int binaryExponent = 0;
  std::frexp(magnitude, &binaryExponent);
  // 53 significant bits: the lowest has weight 2^(exponent - 53), which
  // needs (53 - exponent) decimals to write exactly.
  const int exactDecimals = std::clamp(53 - binaryExponent, 0, kExactDecimals);
  std::string text(320 + kExactDecimals, '\0');
  const std::to_chars_result written = std::to_chars(
      text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed, exactDecimals);
  // The buffer holds any double at this precision; should that ever fail,
  // show 0 rather than garbage.
  text.resize(written.ec == std::errc() ? static_cast<size_t>(written.ptr - text.data()) : 0);
  if (text.empty()) text = "0";

  const size_t point = text.find('.');
  integerDigits = text.substr(0, point);
  fractionDigits = point == std::string::npos ? std::string() : text.substr(point + 1);
  const bool roundUp = decimals < fractionDigits.size() && fractionDigits[decimals] >= '5';
  if (decimals < fractionDigits.size()) {
    fractionDigits.resize(decimals);
  } else {
    fractionDigits.append(decimals - fractionDigits.size(), '0');
  }
  if (!roundUp) return;
  for (size_t i = fractionDigits.size(); i-- > 0;) {
    if (fractionDigits[i] != '9') {
      ++fractionDigits[i];
      return;
    }
    fractionDigits[i] = '0';
  }
  for (size_t i = integerDigits.size(); i-- > 0;) {
    if (integerDigits[i] != '9') {
      ++integerDigits[i];
      return;
    }
    integerDigits[i] = '0';
  }
  integerDigits.insert(integerDigits.begin(), '1');
}

std::string FormatWithPattern(double value, const NumberPattern& pattern,
                              const NumberLocale& locale) {
  std::string integerDigits;
  std::string fractionDigits;
  RoundedDigits(std::fabs(value), pattern.decimals.size(), integerDigits, fractionDigits);

  const size_t firstSignificant = integerDigits.find_first_not_of('0');
  integerDigits.erase(0, std::min(firstSignificant, integerDigits.size()));
  if (integerDigits.size() < pattern.minIntegerDigits) {
    integerDigits.insert(0, pattern.minIntegerDigits - integerDigits.size(), '0');
  }
  // A "#" after the point shows a digit only where it is not a trailing zero.
  while (!fractionDigits.empty() && pattern.decimals[fractionDigits.size() - 1] == '#' &&
         fractionDigits.back() == '0') {
    fractionDigits.pop_back();
  }
  // All "#" and nothing to show ("#." or "##" with 0.2) would leave a lone
  // separator or nothing at all, which is no number and would not read back.
  if (integerDigits.empty() && fractionDigits.empty()) integerDigits = "0";

  // A value that rounds to zero shows no minus sign: "-0.00" would read as
  // a real, if tiny, negative number.
  const bool showsNonZero = integerDigits.find_first_not_of('0') != std::string::npos ||
                            fractionDigits.find_first_not_of('0') != std::string::npos;
  std::string out;
  if (value < 0 && showsNonZero) out.push_back('-');
  out += integerDigits;
  if (pattern.hasPoint) out += DecimalSeparator(locale);
  out += fractionDigits;
  return out;
}

// The shortest digits that read back as the same number. A value that came
// from a 32-bit conversion is written with the digits of that 32-bit value
// (293.15, not 293.149993896484375).
std::string FormatGeneral(double value, const NumberLocale& locale) {
  if (value == 0.0) value = 0.0;  // no "-0"
  char buffer[64];
  std::to_chars_result written;
  const bool isSingle = std::fabs(value) <= FLT_MAX &&
                        static_cast<double>(static_cast<float>(value)) == value;
  if (isSingle) {
    written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value));
  } else {
    written = std::to_chars(buffer, buffer + sizeof buffer, value);
  }
  std::string out;
  for (const char* p = buffer; p != written.ptr; ++p) {
    if (*p == '.') {
      out += DecimalSeparator(locale);
    } else {
      out.push_back(*p);
    }
  }
  return out;
}

}  // namespace

std::string FormatValue(double value, std::string_view format, const NumberLocale& locale) {
  // An infinity or NaN is an arithmetic fault, not a result: the field is
  // left blank, as for a failed compute.
  if (!std::isfinite(value)) return std::string();
  if (const std::optional<NumberPattern> pattern = ParsePattern(format)) {
    return FormatWithPattern(value, *pattern, locale);
  }
  return FormatGeneral(value, locale);
}

int DigitCount(std::string_view format) {
  const size_t point = format.find('.');
  const size_t count = point == std::string_view::npos ? format.size() : format.size() - point - 1;
  return static_cast<int>(std::min<size_t>(count, 1u << 30));
}

std::string WithMoreDigits(std::string format) {
  if (DigitCount(format) < 8) format.push_back('0');
  return format;
}

std::string WithLessDigits(std::string format) {
  if (DigitCount(format) > 0) format.pop_back();
  return format;
}

}  // namespace units
