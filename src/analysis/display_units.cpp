#include "analysis/display_units.h"

#include "units/display_format.h"
#include "units/unit_catalogue.h"

#include <cmath>

namespace analysis {

namespace {

constexpr float kMolarMass = 18.01528f;

// Temperature lists hold °F, °C, °R, K in this order.
constexpr int16_t kCelsius = 1;
constexpr int16_t kKelvin = 3;

const units::UnitList* ListOf(units::Quantity quantity) {
  for (const units::UnitList& row : units::kUnitLists) {
    if (row.quantity == quantity) return &row;
  }
  return nullptr;
}

DisplayUnits WithDefaultFormats(bool ip) {
  DisplayUnits shown;
  for (std::size_t i = 0; i < units::kUnitLists.size(); ++i) {
    shown.unit[i] = ip ? units::kUnitLists[i].ipUnit : units::kUnitLists[i].siUnit;
  }
  for (std::size_t i = 0; i < shown.formats.size(); ++i) {
    shown.formats[i] = units::kDisplayFormatSettings[i].defaultFormat;
  }
  return shown;
}

}  // namespace

DisplayUnits DisplayUnits::Ip() { return WithDefaultFormats(true); }
DisplayUnits DisplayUnits::Si() { return WithDefaultFormats(false); }

std::optional<units::Quantity> DisplayUnits::QuantityOf(steam::Result result) {
  using steam::Result;
  using units::Quantity;
  switch (result) {
    case Result::Temperature: return Quantity::Temperature;
    case Result::Pressure: return Quantity::Pressure;
    case Result::Enthalpy: return Quantity::Enthalpy;
    case Result::Entropy: return Quantity::Entropy;
    case Result::SpecificVolume: return Quantity::SpecificVolume;
    case Result::Density: return Quantity::Density;
    case Result::IsobaricHeatCapacity: return Quantity::Cp;
    case Result::IsochoricHeatCapacity: return Quantity::Cv;
    case Result::Viscosity: return Quantity::Viscosity;
    case Result::ThermalConductivity: return Quantity::Conductivity;
    case Result::SurfaceTension: return Quantity::SurfaceTension;
    case Result::SonicVelocity: return Quantity::SoundSpeed;
    case Result::Quality:
    case Result::PrandtlNumber:
    case Result::IsentropicExponent: return std::nullopt;
  }
  return std::nullopt;
}

int16_t DisplayUnits::UnitOf(units::Quantity quantity) const {
  for (std::size_t i = 0; i < units::kUnitLists.size(); ++i) {
    if (units::kUnitLists[i].quantity == quantity) return unit[i];
  }
  return 0;
}

std::string DisplayUnits::Label(steam::Result result) const {
  const std::optional<units::Quantity> quantity = QuantityOf(result);
  if (!quantity) return "-";
  const std::vector<std::string>* labels = units::UnitLabels(ListOf(*quantity)->tag);
  const int16_t selected = UnitOf(*quantity);
  if (labels == nullptr || selected < 0 || static_cast<std::size_t>(selected) >= labels->size()) {
    return "-";
  }
  return (*labels)[static_cast<std::size_t>(selected)];
}

double DisplayUnits::Express(steam::Result result, double working) const {
  const std::optional<units::Quantity> quantity = QuantityOf(result);
  if (!quantity) return working;
  return units::ExpressInUnit(*quantity, working, kMolarMass, UnitOf(*quantity));
}

std::string DisplayUnits::Text(steam::Result result, double working) const {
  if (!std::isfinite(working)) return "";
  return units::FormatValue(Express(result, working), formats[static_cast<std::size_t>(result)],
                            locale);
}

double DisplayUnits::ExpressDifference(steam::Result result, double workingDifference) const {
  const std::optional<units::Quantity> quantity = QuantityOf(result);
  if (!quantity) return workingDifference;
  if (*quantity == units::Quantity::Temperature) {
    const int16_t selected = UnitOf(*quantity);
    const bool kelvinSized = selected == kCelsius || selected == kKelvin;
    return kelvinSized ? workingDifference * 5.0 / 9.0 : workingDifference;
  }
  // Every other list converts by a factor alone; the factor's own rounding
  // to 32 bits is far below any difference worth showing.
  const double scale = units::ExpressInUnit(*quantity, 1.0, kMolarMass, UnitOf(*quantity));
  return workingDifference * scale;
}

std::string DisplayUnits::DifferenceLabel(steam::Result result) const {
  if (result == steam::Result::Temperature &&
      UnitOf(units::Quantity::Temperature) == kCelsius) {
    return "K";
  }
  return Label(result);
}

std::string DisplayUnits::DifferenceText(steam::Result result, double workingDifference) const {
  if (!std::isfinite(workingDifference)) return "";
  return units::FormatValue(ExpressDifference(result, workingDifference),
                            formats[static_cast<std::size_t>(result)], locale);
}

}  // namespace analysis
