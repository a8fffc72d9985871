#include "analysis/sweep_range.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <set>

namespace analysis {

namespace {

// Within this fraction of the end a computed value is the end itself.
constexpr double kEndTolerance = 1e-9;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Reads a number at the start of `text`; `rest` gets what follows it.
bool ReadLeadingNumber(std::string_view text, double& value, std::string_view& rest) {
  text = Trimmed(text);
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const std::from_chars_result read = std::from_chars(first, last, value);
  if (read.ec != std::errc() || !std::isfinite(value)) return false;
  rest = std::string_view(read.ptr, static_cast<std::size_t>(last - read.ptr));
  return true;
}

bool ReadWholeNumber(std::string_view text, double& value) {
  std::string_view rest;
  return ReadLeadingNumber(text, value, rest) && Trimmed(rest).empty();
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos
                                                                    : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

SweepValues Refused(std::string message) {
  SweepValues refused;
  refused.error = std::move(message);
  return refused;
}

// Whether `value` has come within the tolerance of `end`, or gone past it,
// travelling in `direction`.
bool AtEnd(double value, double end, double direction, double scale) {
  return (end - value) * direction <= kEndTolerance * scale;
}

SweepValues Linear(double start, double end, double step) {
  if (!(step > 0.0)) return Refused("The step must be a number above zero.");
  SweepValues range;
  const double direction = end >= start ? 1.0 : -1.0;
  const double scale = std::max(std::fabs(end), std::fabs(step));
  if ((std::fabs(end - start) / step) + 1.0 > static_cast<double>(kMaxRangeValues)) {
    return Refused("The range has too many values.");
  }
  for (std::size_t i = 0;; ++i) {
    const double value = start + direction * step * static_cast<double>(i);
    if (AtEnd(value, end, direction, scale)) {
      // A step landing on the end gives the end as written.
      if (std::fabs(end - value) <= kEndTolerance * scale) range.values.push_back(end);
      break;
    }
    range.values.push_back(value);
  }
  return range;
}

SweepValues Logarithmic(double start, double end, double perDecade) {
  if (!(start > 0.0) || !(end > 0.0)) {
    return Refused("A logarithmic range needs values above zero.");
  }
  if (!(perDecade > 0.0)) return Refused("The points per decade must be a number above zero.");
  const double decades = std::fabs(std::log10(end / start));
  if (decades * perDecade + 1.0 > static_cast<double>(kMaxRangeValues)) {
    return Refused("The range has too many values.");
  }
  SweepValues range;
  const double direction = end >= start ? 1.0 : -1.0;
  for (std::size_t i = 0;; ++i) {
    const double value =
        start * std::pow(10.0, direction * static_cast<double>(i) / perDecade);
    if (AtEnd(value, end, direction, std::fabs(end))) {
      if (std::fabs(end - value) <= kEndTolerance * std::fabs(end)) range.values.push_back(end);
      break;
    }
    range.values.push_back(value);
  }
  return range;
}

void DropRepeats(std::vector<double>& values) {
  std::set<double> seen;
  values.erase(std::remove_if(values.begin(), values.end(),
                              [&seen](double v) { return !seen.insert(v).second; }),
               values.end());
}

}  // namespace

bool IsPresetName(std::string_view text) {
  text = Trimmed(text);
  return SameText(text, kTextbookSi) || SameText(text, kTextbookIp);
}

SweepValues PresetValues(std::string_view name) {
  name = Trimmed(name);
  const bool si = SameText(name, kTextbookSi);
  if (!si && !SameText(name, kTextbookIp)) return Refused("There is no such preset.");
  SweepValues preset;
  auto append = [&preset](double start, double end, double step) {
    const SweepValues part = Linear(start, end, step);
    preset.values.insert(preset.values.end(), part.values.begin(), part.values.end());
  };
  if (si) {
    preset.values.push_back(0.01);
    append(5, 95, 5);
    append(100, 370, 10);
    preset.unit = "\u00B0C";
  } else {
    preset.values.push_back(32.018);
    append(35, 95, 5);
    append(100, 700, 10);
    preset.unit = "\u00B0F";
  }
  preset.endsAtCriticalPoint = true;
  return preset;
}

SweepValues ParseSweepValues(std::string_view text, bool logarithmic) {
  text = Trimmed(text);
  if (IsPresetName(text)) return PresetValues(text);
  if (text.empty()) return Refused("No values are given.");

  const bool isRange = text.find(':') != std::string_view::npos;
  std::vector<std::string_view> parts = Split(text, isRange ? ':' : ',');
  // The unit follows the last number.
  double last = 0.0;
  std::string_view unit;
  if (!ReadLeadingNumber(parts.back(), last, unit)) {
    return Refused("\"" + std::string(Trimmed(parts.back())) + "\" is not a number.");
  }
  std::vector<double> numbers;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    double value = 0.0;
    if (!ReadWholeNumber(parts[i], value)) {
      return Refused("\"" + std::string(Trimmed(parts[i])) + "\" is not a number.");
    }
    numbers.push_back(value);
  }
  numbers.push_back(last);

  SweepValues values;
  if (isRange) {
    if (numbers.size() != 3) return Refused("A range is START:END:STEP.");
    values = logarithmic ? Logarithmic(numbers[0], numbers[1], numbers[2])
                         : Linear(numbers[0], numbers[1], numbers[2]);
    if (!values.ok()) return values;
  } else {
    values.values = numbers;
  }
  DropRepeats(values.values);
  values.unit = std::string(Trimmed(unit));
  return values;
}

}  // namespace analysis
