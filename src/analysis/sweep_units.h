// The units of a table: which unit of each of the main window's lists its
// columns are expressed in, the labels of those units, and the exact double
// factors between them and the working units of a SteamState. A table keeps
// its numbers in working units, so a change of units re-expresses it without
// computing it again.
#ifndef HYDRELIX_ANALYSIS_SWEEP_UNITS_H
#define HYDRELIX_ANALYSIS_SWEEP_UNITS_H

#include "units/unit_lists.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// Megapascal, which engineers use most, follows the window's pressure list.
inline constexpr int16_t kMegapascal = 8;

// A unit index for every quantity, in the order of units::Quantity.
struct TableUnits {
  std::array<int16_t, 12> unit{};

  int16_t Of(units::Quantity quantity) const { return unit[static_cast<std::size_t>(quantity)]; }
  // The units the IP or SI switch of the main window selects.
  static TableUnits System(bool si);
};

std::string UnitLabel(units::Quantity quantity, int16_t unit);

// The unit of `quantity` spelled `label`: a label of its list without regard to
// case, the degree sign optional ("C", "degC", "°C"), ASCII digits for
// superscripts, and MPa for a pressure. Nothing when no unit matches.
std::optional<int16_t> FindUnit(units::Quantity quantity, std::string_view label);

// A working value (deg F, psia, Btu/lbmol, ...) expressed in `unit`, and a
// temperature or pressure in `unit` as a working value.
double FromWorking(units::Quantity quantity, double working, int16_t unit);
double ToWorking(units::Quantity quantity, double value, int16_t unit);

// A temperature difference in deg F expressed in the size of `unit`'s degree,
// and the label it takes: a kelvin for K and deg C, a rankine-sized degree
// for deg F and deg R.
double DifferenceFromWorking(double fahrenheitDegrees, int16_t temperatureUnit);
std::string DifferenceLabel(int16_t temperatureUnit);

}  // namespace analysis

#endif
