// The units, display formats and number conventions the main window shows its
// results in, as the analysis windows need them to express their own values
// the same way. A value is held in working units and expressed on demand, so
// a unit change re-expresses it and never recomputes it.
#ifndef HYDRELIX_ANALYSIS_DISPLAY_UNITS_H
#define HYDRELIX_ANALYSIS_DISPLAY_UNITS_H

#include "steam/steam.h"
#include "units/number_locale.h"
#include "units/unit_lists.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace analysis {

struct DisplayUnits {
  // The unit index selected in each of the main window's unit lists, in the
  // order of units::kUnitLists.
  std::array<int16_t, 12> unit{};
  // The display format of each result, in the order of steam::Result.
  std::array<std::string, steam::kResultCount> formats;
  units::NumberLocale locale;

  // The main window's two unit systems with the default formats.
  static DisplayUnits Ip();
  static DisplayUnits Si();

  // The quantity of a result, nothing for the quality and the two
  // dimensionless numbers.
  static std::optional<units::Quantity> QuantityOf(steam::Result result);

  int16_t UnitOf(units::Quantity quantity) const;
  // The selected unit's label ("°F", "kJ/kg"), "-" for a result without one.
  std::string Label(steam::Result result) const;
  // A working value of the result in the selected unit.
  double Express(steam::Result result, double working) const;
  // The text the main window would show for the working value: expressed and
  // written with the result's format; empty for a value that is not finite.
  std::string Text(steam::Result result, double working) const;

  // A difference of two working values in the selected unit: for the
  // temperature an interval (a °F difference is a °R difference, a °C one a
  // kelvin one), for the others the unit's scale.
  double ExpressDifference(steam::Result result, double workingDifference) const;
  // The interval unit's label: "°F", "°R", "K" ("°C" differences are kelvins,
  // but the user picked °C, so they read "K").
  std::string DifferenceLabel(steam::Result result) const;
  // A difference written with the result's format.
  std::string DifferenceText(steam::Result result, double workingDifference) const;
};

}  // namespace analysis

#endif
