// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/state_inputs.h"

#include <cfloat>
#include <cmath>

#include "cli/shortest_number.h"
#include "steam/working_state.h"
#include "units/conversions.h"
#include "units/exact_conversions.h"
#include "units/number_locale.h"
#include "units/number_text.h"
#include "units/unit_lists.h"
#include "units/unit_names.h"

namespace cli {
namespace {

using steam::InputPair;

// Inputs are typed with a point and no grouping, whatever the desktop's locale.
const units::NumberLocale& PointLocale() {
  static const units::NumberLocale locale{".", ""};
  return locale;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the number at the start of `text`: sign, digits with at most
// one point and at least one digit, then an exponent if one follows.
std::size_t NumberLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t start = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > start) i = j;
  }
  return i;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<units::Quantity> InputQuantity(InputName name) {
  switch (name) {
    case InputName::Temperature:
      return units::Quantity::Temperature;
    case InputName::Pressure:
      return units::Quantity::Pressure;
    case InputName::Enthalpy:
      return units::Quantity::Enthalpy;
    case InputName::Entropy:
      return units::Quantity::Entropy;
    case InputName::Quality:
      break;
  }
  return std::nullopt;
}

const char* InputKey(InputName name) {
  switch (name) {
    case InputName::Temperature:
      return "temperature";
    case InputName::Pressure:
      return "pressure";
    case InputName::Quality:
      return "quality";
    case InputName::Enthalpy:
      return "enthalpy";
    case InputName::Entropy:
      return "entropy";
  }
  return "";
}

std::optional<InputName> InputNamed(std::string_view name) {
  if (name.size() != 1) return std::nullopt;
  switch (name[0]) {
    case 'T':
    case 't':
      return InputName::Temperature;
    case 'P':
    case 'p':
      return InputName::Pressure;
    case 'X':
    case 'x':
      return InputName::Quality;
    case 'H':
    case 'h':
      return InputName::Enthalpy;
    case 'S':
    case 's':
      return InputName::Entropy;
    default:
      return std::nullopt;
  }
}

std::optional<ValueAndUnit> SplitValueUnit(std::string_view text, std::string& reason) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const std::size_t length = NumberLength(text);
  if (length == 0) {
    reason = text.empty() ? "no value" : "\"" + std::string(text) + "\" is not a number";
    return std::nullopt;
  }
  ValueAndUnit split{std::string(text.substr(0, length)), 0.0, std::string_view()};
  const std::optional<double> value = units::ReadNumber(split.number, PointLocale());
  if (!value || std::fabs(*value) > FLT_MAX) {
    reason = split.number + " is beyond the range of the calculator's numbers";
    return std::nullopt;
  }
  split.value = *value;
  split.unit = text.substr(length);
  while (!split.unit.empty() && IsBlank(split.unit.front())) split.unit.remove_prefix(1);
  return split;
}

std::optional<QuantityText> ReadQuantity(InputName name, std::string_view text,
                                         std::string& reason) {
  const std::optional<ValueAndUnit> split = SplitValueUnit(text, reason);
  if (!split) return std::nullopt;
  QuantityText quantity{split->number, std::nullopt};
  if (split->unit.empty()) return quantity;
  const std::optional<units::Quantity> kind = InputQuantity(name);
  if (kind) quantity.unit = units::FindUnit(*kind, split->unit);
  if (!quantity.unit) {
    reason = "\"" + std::string(split->unit) + "\" is not a unit of " + InputKey(name);
    return std::nullopt;
  }
  return quantity;
}

int16_t DefaultInputUnit(InputName name, bool si) {
  const std::optional<units::Quantity> kind = InputQuantity(name);
  if (!kind) return -1;
  for (const units::UnitList& row : units::kUnitLists) {
    if (row.quantity == *kind) return si ? row.siUnit : row.ipUnit;
  }
  return -1;
}

EnteredValue Enter(InputName name, const QuantityText& text, bool si) {
  const units::NumberLocale& locale = PointLocale();
  const int16_t unit = text.unit.value_or(DefaultInputUnit(name, si));
  const float molarMass = steam::WorkingState{}.MolarMass;
  EnteredValue entered;
  switch (name) {
    case InputName::Temperature:
      entered.working = units::TemperatureFromUnit(text.number, unit, locale);
      break;
    case InputName::Pressure:
      if (unit == units::kMegapascal) {
        // The window has no megapascal: a pressure in MPa enters as the same
        // pressure typed in kPa.
        const double kilopascals = *units::ReadNumber(text.number, locale) * 1000.0;
        entered.working = units::PressureFromUnit(ShortestText(kilopascals), 5, locale);
      } else {
        entered.working = units::PressureFromUnit(text.number, unit, locale);
      }
      break;
    case InputName::Enthalpy:
      entered.working = units::EnthalpyFromUnit(text.number, molarMass, unit, locale);
      break;
    case InputName::Entropy:
      entered.working = units::HeatCapacityFromUnit(text.number, molarMass, unit, locale);
      break;
    case InputName::Quality: {
      const float quality = units::ReadSingle(text.number, locale);
      if (!(quality >= 0.0f && quality <= 1.0f)) {
        entered.refusal = steam::Message{"Steam quality must be a number between 0 and 1.",
                                         "Steam Properties", steam::MessageIcon::Exclamation};
      }
      entered.working = quality;
      break;
    }
  }
  return entered;
}

std::optional<PairOrder> PairOf(InputName a, InputName b) {
  const bool swapped = static_cast<int>(b) < static_cast<int>(a);
  const InputName first = swapped ? b : a;
  const InputName second = swapped ? a : b;
  auto found = [swapped](InputPair pair) {
    return std::optional<PairOrder>(PairOrder{pair, swapped});
  };
  if (first == InputName::Temperature) {
    switch (second) {
      case InputName::Pressure:
        return found(InputPair::TemperaturePressure);
      case InputName::Quality:
        return found(InputPair::TemperatureQuality);
      case InputName::Enthalpy:
        return found(InputPair::TemperatureEnthalpy);
      case InputName::Entropy:
        return found(InputPair::TemperatureEntropy);
      default:
        return std::nullopt;
    }
  }
  if (first == InputName::Pressure) {
    switch (second) {
      case InputName::Quality:
        return found(InputPair::PressureQuality);
      case InputName::Enthalpy:
        return found(InputPair::PressureEnthalpy);
      case InputName::Entropy:
        return found(InputPair::PressureEntropy);
      default:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

std::array<const char*, 2> PairKeys(steam::InputPair pair) {
  switch (pair) {
    case InputPair::TemperaturePressure:
      return {"temperature", "pressure"};
    case InputPair::TemperatureQuality:
      return {"temperature", "quality"};
    case InputPair::TemperatureEnthalpy:
      return {"temperature", "enthalpy"};
    case InputPair::TemperatureEntropy:
      return {"temperature", "entropy"};
    case InputPair::PressureQuality:
      return {"pressure", "quality"};
    case InputPair::PressureEnthalpy:
      return {"pressure", "enthalpy"};
    case InputPair::PressureEntropy:
      return {"pressure", "entropy"};
  }
  return {"", ""};
}

}  // namespace cli
