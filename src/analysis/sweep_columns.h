// The columns a table can show. The swept variable comes first, under its
// plain key (`temperature` or `pressure`); then the chosen keys: the fifteen
// result keys of the calculator, `internal_energy` and `superheat`. A
// saturation table, whose temperature and pressure are one value per row,
// names its other columns by end (`enthalpy_liquid`, `viscosity_vapor`) and
// offers the three differences across the line (`enthalpy_evaporation`,
// `entropy_evaporation`, `specific_volume_evaporation`).
#ifndef HYDRELIX_ANALYSIS_SWEEP_COLUMNS_H
#define HYDRELIX_ANALYSIS_SWEEP_COLUMNS_H

#include "analysis/sweep_units.h"
#include "steam/steam.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

enum class SweepKind {
  SaturationByTemperature, SaturationByPressure, Grid, IsobarSweep, IsothermSweep
};

bool IsSaturationTable(SweepKind kind);

// What a column holds: one of the fifteen results, or one of the two the
// tables add.
enum class ColumnProperty { Result, InternalEnergy, Superheat };
// Which saturated end a saturation table's column reads.
enum class ColumnSide { None, Liquid, Vapor, Evaporation };

struct SweepColumn {
  std::string key;
  ColumnProperty property = ColumnProperty::Result;
  steam::Result result = steam::Result::Temperature;
  ColumnSide end = ColumnSide::None;
};

// "temperature" ... "isentropic_exponent", in the calculator's order.
const char* ResultKey(steam::Result result);

// Every column the kind offers, its swept variable first.
std::vector<SweepColumn> AvailableColumns(SweepKind kind);
// The columns a table of the kind shows unless told otherwise.
std::vector<SweepColumn> DefaultColumns(SweepKind kind);

// The columns of a comma-separated key list for the kind: the swept variable
// first whether or not the list names it, each key once. Nothing, with the
// offending key in `error`, when a key is not offered.
std::optional<std::vector<SweepColumn>> ColumnsNamed(SweepKind kind, std::string_view keys,
                                                     std::string* error);

// The quantity a column's numbers are, nothing for a pure number (quality,
// the Prandtl number, the isentropic exponent); superheat is a temperature
// difference and handled apart.
std::optional<units::Quantity> ColumnQuantity(const SweepColumn& column);
// "kJ/kg", "°F", "-".
std::string ColumnUnitLabel(const SweepColumn& column, const TableUnits& units);
// A working value of the column in the table's units.
double ColumnValue(const SweepColumn& column, double working, const TableUnits& units);

}  // namespace analysis

#endif
