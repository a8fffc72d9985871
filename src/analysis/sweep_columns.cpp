// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/sweep_columns.h"

#include "analysis/display_units.h"

#include <algorithm>

namespace analysis {

namespace {

using steam::Result;

constexpr Result kResults[] = {
    Result::Temperature, Result::Pressure, Result::Quality, Result::Enthalpy, Result::Entropy,
    Result::SpecificVolume, Result::Density, Result::IsobaricHeatCapacity,
    Result::IsochoricHeatCapacity, Result::Viscosity, Result::ThermalConductivity,
    Result::SurfaceTension, Result::SonicVelocity, Result::PrandtlNumber,
    Result::IsentropicExponent};

SweepColumn ResultColumn(Result result, ColumnSide end = ColumnSide::None) {
  std::string key = ResultKey(result);
  if (end == ColumnSide::Liquid) key += "_liquid";
  if (end == ColumnSide::Vapor) key += "_vapor";
  if (end == ColumnSide::Evaporation) key += "_evaporation";
  return {key, ColumnProperty::Result, result, end};
}

SweepColumn EnergyColumn(ColumnSide end = ColumnSide::None) {
  SweepColumn column{"internal_energy", ColumnProperty::InternalEnergy, Result::Enthalpy, end};
  if (end == ColumnSide::Liquid) column.key += "_liquid";
  if (end == ColumnSide::Vapor) column.key += "_vapor";
  return column;
}

Result SweptResult(SweepKind kind) {
  return kind == SweepKind::SaturationByPressure || kind == SweepKind::IsothermSweep
             ? Result::Pressure
             : Result::Temperature;
}

const SweepColumn* Find(const std::vector<SweepColumn>& columns, std::string_view key) {
  for (const SweepColumn& column : columns) {
    if (column.key == key) return &column;
  }
  return nullptr;
}

std::vector<SweepColumn> Named(SweepKind kind, const std::vector<std::string>& keys) {
  const std::vector<SweepColumn> offered = AvailableColumns(kind);
  std::vector<SweepColumn> columns{offered.front()};
  for (const std::string& key : keys) {
    if (Find(columns, key) == nullptr) columns.push_back(*Find(offered, key));
  }
  return columns;
}

}  // namespace

bool IsSaturationTable(SweepKind kind) {
  return kind == SweepKind::SaturationByTemperature || kind == SweepKind::SaturationByPressure;
}

const char* ResultKey(Result result) {
  switch (result) {
    case Result::Temperature: return "temperature";
    case Result::Pressure: return "pressure";
    case Result::Quality: return "quality";
    case Result::Enthalpy: return "enthalpy";
    case Result::Entropy: return "entropy";
    case Result::SpecificVolume: return "specific_volume";
    case Result::Density: return "density";
    case Result::IsobaricHeatCapacity: return "isobaric_heat_capacity";
    case Result::IsochoricHeatCapacity: return "isochoric_heat_capacity";
    case Result::Viscosity: return "viscosity";
    case Result::ThermalConductivity: return "thermal_conductivity";
    case Result::SurfaceTension: return "surface_tension";
    case Result::SonicVelocity: return "sonic_velocity";
    case Result::PrandtlNumber: return "prandtl_number";
    case Result::IsentropicExponent: return "isentropic_exponent";
  }
  return "";
}

std::vector<SweepColumn> AvailableColumns(SweepKind kind) {
  const Result swept = SweptResult(kind);
  const Result other = swept == Result::Temperature ? Result::Pressure : Result::Temperature;
  std::vector<SweepColumn> columns{ResultColumn(swept), ResultColumn(other)};
  if (IsSaturationTable(kind)) {
    for (ColumnSide end : {ColumnSide::Liquid, ColumnSide::Vapor}) {
      for (Result result : kResults) {
        if (result == Result::Temperature || result == Result::Pressure) continue;
        columns.push_back(ResultColumn(result, end));
        if (result == Result::Enthalpy) columns.push_back(EnergyColumn(end));
      }
    }
    for (Result result : {Result::Enthalpy, Result::Entropy, Result::SpecificVolume}) {
      columns.push_back(ResultColumn(result, ColumnSide::Evaporation));
    }
    return columns;
  }
  for (Result result : kResults) {
    if (result == Result::Temperature || result == Result::Pressure) continue;
    columns.push_back(ResultColumn(result));
    if (result == Result::Enthalpy) columns.push_back(EnergyColumn());
  }
  columns.push_back({"superheat", ColumnProperty::Superheat, Result::Temperature,
                     ColumnSide::None});
  return columns;
}

std::vector<SweepColumn> DefaultColumns(SweepKind kind) {
  if (IsSaturationTable(kind)) {
    // As printed tables read: vf vfg vg, uf ug, hf hfg hg, sf sfg sg.
    std::vector<std::string> keys{ResultKey(
        SweptResult(kind) == Result::Temperature ? Result::Pressure : Result::Temperature)};
    for (const std::string key : {"specific_volume", "internal_energy", "enthalpy", "entropy"}) {
      keys.push_back(key + "_liquid");
      if (key != "internal_energy") keys.push_back(key + "_evaporation");
      keys.push_back(key + "_vapor");
    }
    return Named(kind, keys);
  }
  return Named(kind, {"temperature", "pressure", "specific_volume", "internal_energy", "enthalpy",
                      "entropy", "superheat"});
}

std::optional<std::vector<SweepColumn>> ColumnsNamed(SweepKind kind, std::string_view keys,
                                                     std::string* error) {
  const std::vector<SweepColumn> offered = AvailableColumns(kind);
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= keys.size()) {
    std::size_t end = keys.find(',', start);
    if (end == std::string_view::npos) end = keys.size();
    std::string key(keys.substr(start, end - start));
    key.erase(0, key.find_first_not_of(' '));
    key.erase(key.find_last_not_of(' ') + 1);
    if (!key.empty()) {
      if (Find(offered, key) == nullptr) {
        if (error != nullptr) *error = key;
        return std::nullopt;
      }
      names.push_back(key);
    }
    start = end + 1;
  }
  return Named(kind, names);
}

std::optional<units::Quantity> ColumnQuantity(const SweepColumn& column) {
  if (column.property == ColumnProperty::InternalEnergy) return units::Quantity::Enthalpy;
  if (column.property == ColumnProperty::Superheat) return std::nullopt;
  return DisplayUnits::QuantityOf(column.result);
}

std::string ColumnUnitLabel(const SweepColumn& column, const TableUnits& units) {
  if (column.property == ColumnProperty::Superheat) {
    return DifferenceLabel(units.Of(units::Quantity::Temperature));
  }
  const std::optional<units::Quantity> quantity = ColumnQuantity(column);
  return quantity ? UnitLabel(*quantity, units.Of(*quantity)) : "-";
}

double ColumnValue(const SweepColumn& column, double working, const TableUnits& units) {
  if (column.property == ColumnProperty::Superheat) {
    return DifferenceFromWorking(working, units.Of(units::Quantity::Temperature));
  }
  const std::optional<units::Quantity> quantity = ColumnQuantity(column);
  return quantity ? FromWorking(*quantity, working, units.Of(*quantity)) : working;
}

}  // namespace analysis
