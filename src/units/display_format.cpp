// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/display_format.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// The digits of a rounded magnitude and how the pattern shows them: the
// integer digits without leading zeros, padded to the pattern's minimum, and
// the decimals without the trailing zeros that stand under a "#".
std::string WritePatterned(bool negative, std::string integerDigits, std::string fractionDigits,
                           const NumberPattern& pattern, const NumberLocale& locale) {
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
  if (negative && showsNonZero) out.push_back('-');
  out += integerDigits;
  if (pattern.hasPoint) out += DecimalSeparator(locale);
  out += fractionDigits;
  return out;
}

__extension__ typedef unsigned __int128 Wide;

// The most decimals whose power of ten fits 64 bits, and the largest
// magnitude the short path rounds: its integer part then fits 64 bits.
constexpr size_t kShortDecimals = 19;
constexpr double kShortMagnitude = 1e18;
constexpr uint64_t kPowersOfTen[kShortDecimals + 1] = {
    1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull,
    100000000ull, 1000000000ull, 10000000000ull, 100000000000ull, 1000000000000ull,
    10000000000000ull, 100000000000000ull, 1000000000000000ull, 10000000000000000ull,
    100000000000000000ull, 1000000000000000000ull, 10000000000000000000ull};

// |value| rounded half away from zero to `decimals` decimals, as an integer
// count of 10^-decimals, judged on the exact binary value: the value is
// mantissa * 2^exponent, so mantissa * 10^decimals * 2^exponent is exact in
// 128 bits and the first bit shifted out decides the rounding. For a magnitude
// below kShortMagnitude and at most kShortDecimals decimals.
Wide RoundedUnits(double magnitude, uint64_t scale) {
  uint64_t bits = 0;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (biased != 0) {
    mantissa |= uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  const Wide exact = static_cast<Wide>(mantissa) * scale;  // below 2^117
  if (exponent >= 0) return exact << exponent;  // magnitude below 1e18: no overflow
  const int shift = -exponent;
  if (shift > 118) return 0;  // below 2^-1: rounds to 0
  // The last bit kept one place further decides: half or more rounds up.
  return ((exact >> (shift - 1)) + 1) >> 1;
}

// Writes the decimal digits of `number`, at least `width` of them, to end
// just before `end`, two at a time; returns where they start.
char* DigitsBefore(char* end, uint64_t number, size_t width) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char* start = end;
  while (number >= 10 || static_cast<size_t>(end - start) + 1 < width) {
    const char* pair = kPairs + 2 * (number % 100);
    *--start = pair[1];
    *--start = pair[0];
    number /= 100;
  }
  if (number != 0 || static_cast<size_t>(end - start) < width) {
    *--start = static_cast<char>('0' + number);
  }
  return start;
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
  return DisplayFormat(format).Write(value, locale);
}

DisplayFormat::DisplayFormat(std::string_view format) : text_(format) {
  if (const std::optional<NumberPattern> pattern = ParsePattern(text_)) {
    isPattern_ = true;
    hasPoint_ = pattern->hasPoint;
    minIntegerDigits_ = pattern->minIntegerDigits;
    decimalCount_ = pattern->decimals.size();
    const size_t lastNonHash = pattern->decimals.find_last_not_of('#');
    trailingHashes_ = lastNonHash == std::string_view::npos ? decimalCount_
                                                            : decimalCount_ - lastNonHash - 1;
    if (decimalCount_ <= kShortDecimals && minIntegerDigits_ <= kShortDecimals) {
      scale_ = kPowersOfTen[decimalCount_];
    }
  }
}

std::string DisplayFormat::Write(double value, const NumberLocale& locale) const {
  const double magnitude = std::fabs(value);
  const std::string_view separator = hasPoint_ ? DecimalSeparator(locale) : std::string_view();
  // The short way takes a finite magnitude below kShortMagnitude (never a
  // NaN or an infinity) with a pattern it can write on the stack.
  if (scale_ == 0 || !(magnitude < kShortMagnitude) || separator.size() > 8) {
    // An infinity or NaN is an arithmetic fault, not a result: the field is
    // left blank, as for a failed compute.
    if (!std::isfinite(value)) return std::string();
    if (!isPattern_) return FormatGeneral(value, locale);
    const std::string_view decimals = std::string_view(text_).substr(text_.size() - decimalCount_);
    NumberPattern pattern;
    pattern.minIntegerDigits = minIntegerDigits_;
    pattern.hasPoint = hasPoint_;
    pattern.decimals = decimals;
    std::string integerDigits;
    std::string fractionDigits;
    RoundedDigits(magnitude, decimalCount_, integerDigits, fractionDigits);
    return WritePatterned(value < 0, std::move(integerDigits), std::move(fractionDigits), pattern,
                          locale);
  }

  // The same rules as WritePatterned on the digits of one integer, written
  // from the last decimal back to the sign.
  const uint64_t scale = scale_;
  const Wide rounded = RoundedUnits(magnitude, scale);
  // Mostly below 2^64, where the division is a 64-bit one.
  const bool narrow = (rounded >> 64) == 0;
  const uint64_t integerPart = narrow ? static_cast<uint64_t>(rounded) / scale
                                      : static_cast<uint64_t>(rounded / scale);
  uint64_t fraction = narrow ? static_cast<uint64_t>(rounded) % scale
                             : static_cast<uint64_t>(rounded % scale);
  // A "#" after the point shows a digit only where it is not a trailing zero.
  size_t shownDecimals = decimalCount_;
  for (size_t trimmable = trailingHashes_; trimmable != 0 && fraction % 10 == 0; --trimmable) {
    fraction /= 10;
    --shownDecimals;
  }
  size_t integerWidth = minIntegerDigits_;
  // All "#" and nothing to show would leave a lone separator or nothing.
  if (integerWidth == 0 && integerPart == 0 && shownDecimals == 0) integerWidth = 1;

  // Sign, 20 digits, the separator and 19 decimals at most.
  char text[48];
  char* const end = text + sizeof text;
  char* start = DigitsBefore(end, fraction, shownDecimals);
  if (separator.size() == 1) {
    *--start = separator[0];
  } else {
    for (size_t k = separator.size(); k-- > 0;) *--start = separator[k];
  }
  start = DigitsBefore(start, integerPart, integerWidth);
  // A value that rounds to zero shows no minus sign.
  if (value < 0 && rounded != 0) *--start = '-';
  return std::string(start, end);
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
