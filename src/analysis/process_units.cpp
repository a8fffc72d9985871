// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/process_units.h"

#include "steam/si_state.h"
#include "steam/working_state.h"
#include "units/display_format.h"
#include "units/exact_conversions.h"
#include "units/flow_power_units.h"
#include "units/unit_catalogue.h"
#include "units/unit_names.h"

namespace analysis {
namespace {

// kJ/kg and kJ/kg-K in their lists.
constexpr int16_t kSiEnergyUnit = 5;
constexpr int16_t kSiEntropyUnit = 5;
constexpr std::size_t kEnthalpyFormat = 3;
constexpr std::size_t kEntropyFormat = 4;

float MolarMass() { return steam::WorkingState{}.MolarMass; }

std::string CatalogueLabel(const char* tag, int16_t unit) {
  const std::vector<std::string>* labels = units::UnitLabels(tag);
  return labels != nullptr ? (*labels)[static_cast<std::size_t>(unit)] : std::string();
}

}  // namespace

double SiFromUnit(units::Quantity quantity, double value, int16_t unit) {
  const double working = units::ExactFromUnit(quantity, value, MolarMass(), unit);
  switch (quantity) {
    case units::Quantity::Temperature:
      return steam::KelvinFromFahrenheit(working);
    case units::Quantity::Pressure:
      return steam::MegapascalFromPsia(working);
    default:
      return units::ExactInUnit(quantity, working, MolarMass(), kSiEnergyUnit);
  }
}

double UnitFromSi(units::Quantity quantity, double si, int16_t unit) {
  double working = 0.0;
  switch (quantity) {
    case units::Quantity::Temperature:
      working = steam::FahrenheitFromKelvin(si);
      break;
    case units::Quantity::Pressure:
      working = steam::PsiaFromMegapascal(si);
      break;
    default:
      working = units::ExactFromUnit(quantity, si, MolarMass(), kSiEnergyUnit);
      break;
  }
  return units::ExactInUnit(quantity, working, MolarMass(), unit);
}

std::string LimitInUnits(LimitQuantity quantity, double si, int16_t temperatureUnit,
                         int16_t pressureUnit, const units::NumberLocale& locale) {
  const bool pressure = quantity == LimitQuantity::Pressure;
  const units::Quantity kind = pressure ? units::Quantity::Pressure : units::Quantity::Temperature;
  const int16_t unit = pressure ? pressureUnit : temperatureUnit;
  return units::FormatValue(UnitFromSi(kind, si, unit),
                            units::kDisplayFormatSettings[pressure ? 1 : 0].defaultFormat, locale) +
         " " + units::UnitLabel(kind, unit);
}

ShownFigure ShowFigure(const ProcessFigure& figure, const FigureUnits& shown,
                       const units::NumberLocale& locale) {
  ShownFigure out{figure.key, figure.value, "-", {}};
  std::string_view format = "0.00000";
  // A figure of a quantity of the window's lists, in its list's unit.
  auto listed = [&](units::Quantity quantity, int16_t unit, std::size_t formatIndex) {
    out.value = UnitFromSi(quantity, figure.value, unit);
    out.unit = units::UnitLabel(quantity, unit);
    format = units::kDisplayFormatSettings[formatIndex].defaultFormat;
  };
  switch (figure.quantity) {
    case FigureQuantity::SpecificEnergy:
      listed(units::Quantity::Enthalpy, shown.enthalpy, kEnthalpyFormat);
      break;
    case FigureQuantity::SpecificEntropy:
      listed(units::Quantity::Entropy, shown.entropy, kEntropyFormat);
      break;
    case FigureQuantity::Power:
      out.value = units::PowerInUnit(figure.value, units::SystemPowerUnit(shown.si));
      out.unit = CatalogueLabel(units::kPowerTag, units::SystemPowerUnit(shown.si));
      format = "0.000";
      break;
    case FigureQuantity::MassFlow:
      out.value = units::FlowInUnit(figure.value, units::SystemFlowUnit(shown.si));
      out.unit = CatalogueLabel(units::kFlowRateTag, units::SystemFlowUnit(shown.si));
      format = "0.0000";
      break;
    case FigureQuantity::Ratio:
      if (figure.key == "efficiency") {
        out.value = figure.value * 100.0;
        out.unit = "%";
        format = "0.000";
      }
      break;
  }
  out.text = units::FormatValue(out.value, format, locale);
  return out;
}

}  // namespace analysis
