// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/number_text.h"

#include <charconv>
#include <string>
#include <system_error>

namespace units {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A number in the one spelling std::from_chars reads, which ignores the
// process locale: optional "-", digits, "." and digits, "e" and exponent.
struct CanonicalNumber {
  std::string text;
  // Decimal magnitude of the first significant digit, without the exponent
  // part: tells an overflow from an underflow when the value is out of range.
  long leadingDigitPower = 0;
  long exponent = 0;
  bool allZero = true;
};

// Spells `text` canonically, or gives nothing when it is not a number under
// `locale`. The group separator is dropped wherever it stands, so misplaced
// grouping ("1,2,3") is ignored rather than rejected.
std::optional<CanonicalNumber> Canonicalize(std::string_view text, const NumberLocale& locale) {
  const std::string_view decimal =
      locale.decimalSeparator.empty() ? std::string_view(".") : locale.decimalSeparator;
  // A locale that used one mark for both would make every number ambiguous;
  // the decimal reading wins.
  const std::string_view group =
      locale.groupSeparator == decimal ? std::string_view() : locale.groupSeparator;

  text = TrimBlanks(text);
  std::string ungrouped;
  ungrouped.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (!group.empty() && text.compare(i, group.size(), group) == 0) {
      i += group.size();
    } else {
      ungrouped.push_back(text[i]);
      ++i;
    }
  }

  CanonicalNumber number;
  std::string& out = number.text;
  size_t i = 0;
  const size_t n = ungrouped.size();
  if (i < n && (ungrouped[i] == '+' || ungrouped[i] == '-')) {
    if (ungrouped[i] == '-') out.push_back('-');
    ++i;
  }

  size_t integerDigits = 0;
  long significantIntegerDigits = 0;
  std::string mantissa;
  for (; i < n && IsDigit(ungrouped[i]); ++i, ++integerDigits) {
    if (ungrouped[i] != '0' || significantIntegerDigits > 0) ++significantIntegerDigits;
    mantissa.push_back(ungrouped[i]);
  }
  if (mantissa.empty()) mantissa.push_back('0');

  size_t fractionDigits = 0;
  long leadingFractionZeros = 0;
  bool seenSignificantFraction = false;
  if (ungrouped.compare(i, decimal.size(), decimal) == 0) {
    i += decimal.size();
    mantissa.push_back('.');
    for (; i < n && IsDigit(ungrouped[i]); ++i, ++fractionDigits) {
      if (ungrouped[i] != '0') seenSignificantFraction = true;
      if (!seenSignificantFraction) ++leadingFractionZeros;
      mantissa.push_back(ungrouped[i]);
    }
  }
  if (integerDigits + fractionDigits == 0) return std::nullopt;
  out += mantissa;
  number.allZero = significantIntegerDigits == 0 && !seenSignificantFraction;
  number.leadingDigitPower =
      significantIntegerDigits > 0 ? significantIntegerDigits - 1 : -(leadingFractionZeros + 1);

  if (i < n && (ungrouped[i] == 'e' || ungrouped[i] == 'E')) {
    ++i;
    out.push_back('e');
    bool negative = false;
    if (i < n && (ungrouped[i] == '+' || ungrouped[i] == '-')) {
      negative = ungrouped[i] == '-';
      if (negative) out.push_back('-');
      ++i;
    }
    size_t exponentDigits = 0;
    for (; i < n && IsDigit(ungrouped[i]); ++i, ++exponentDigits) {
      out.push_back(ungrouped[i]);
      // Saturates: any exponent this large is out of range either way.
      if (number.exponent < 1000000) number.exponent = number.exponent * 10 + (ungrouped[i] - '0');
    }
    if (exponentDigits == 0) return std::nullopt;
    if (negative) number.exponent = -number.exponent;
  }
  if (i != n) return std::nullopt;
  return number;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text, const NumberLocale& locale) {
  const std::optional<CanonicalNumber> number = Canonicalize(text, locale);
  if (!number) return std::nullopt;
  const std::string& s = number->text;
  double value = 0.0;
  const std::from_chars_result result = std::from_chars(s.data(), s.data() + s.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small to hold is as good as zero; too large is no number at all.
    if (number->allZero || number->leadingDigitPower + number->exponent < 0) {
      return s.front() == '-' ? -0.0 : 0.0;
    }
    return std::nullopt;
  }
  if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

float ReadSingle(std::string_view text, const NumberLocale& locale) {
  const std::optional<CanonicalNumber> number = Canonicalize(text, locale);
  if (!number) return 0.0f;
  const std::string& s = number->text;
  // Read straight to 32 bits: going through a double first could round twice.
  float value = 0.0f;
  const std::from_chars_result result = std::from_chars(s.data(), s.data() + s.size(), value);
  if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return 0.0f;
  return value;
}

}  // namespace units
