// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/result_keys.h"

namespace cli {

using steam::Result;
using units::Quantity;

const std::array<ResultKey, steam::kResultCount> kResultKeys = {{
    {Result::Temperature, "temperature", Quantity::Temperature},
    {Result::Pressure, "pressure", Quantity::Pressure},
    {Result::Quality, "quality", std::nullopt},
    {Result::Enthalpy, "enthalpy", Quantity::Enthalpy},
    {Result::Entropy, "entropy", Quantity::Entropy},
    {Result::SpecificVolume, "specific_volume", Quantity::SpecificVolume},
    {Result::Density, "density", Quantity::Density},
    {Result::IsobaricHeatCapacity, "isobaric_heat_capacity", Quantity::Cp},
    {Result::IsochoricHeatCapacity, "isochoric_heat_capacity", Quantity::Cv},
    {Result::Viscosity, "viscosity", Quantity::Viscosity},
    {Result::ThermalConductivity, "thermal_conductivity", Quantity::Conductivity},
    {Result::SurfaceTension, "surface_tension", Quantity::SurfaceTension},
    {Result::SonicVelocity, "sonic_velocity", Quantity::SoundSpeed},
    {Result::PrandtlNumber, "prandtl_number", std::nullopt},
    {Result::IsentropicExponent, "isentropic_exponent", std::nullopt},
}};

const ResultKey* FindResultKey(std::string_view key) {
  for (const ResultKey& entry : kResultKeys) {
    if (key == entry.key) return &entry;
  }
  return nullptr;
}

ResultUnits SystemUnits(bool si) {
  ResultUnits chosen{};
  for (std::size_t i = 0; i < kResultKeys.size(); ++i) {
    chosen[i] = -1;
    if (!kResultKeys[i].quantity) continue;
    for (const units::UnitList& row : units::kUnitLists) {
      if (row.quantity == *kResultKeys[i].quantity) chosen[i] = si ? row.siUnit : row.ipUnit;
    }
  }
  return chosen;
}

}  // namespace cli
