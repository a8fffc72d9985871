#include "mainwindow/shown_fields.h"

namespace mainwindow {

using steam::Result;

// The labels' indices do not follow the rows. Format i belongs to field
// 43 + i; the lists skip the quality field.
const std::array<ShownField, steam::kResultCount> kShownFields = {{
    {Result::Temperature, 43, 0, kNoControl, 16, 0},
    {Result::Pressure, 44, 1, kNoControl, 17, 1},
    {Result::Quality, 45, 2, kNoControl, kNoControl, 2},
    {Result::Enthalpy, 46, 3, kNoControl, 18, 3},
    {Result::Entropy, 47, 4, kNoControl, 19, 4},
    {Result::SpecificVolume, 48, kNoControl, 0, 20, 5},
    {Result::Density, 49, kNoControl, 4, 21, 6},
    {Result::IsobaricHeatCapacity, 50, kNoControl, 1, 22, 7},
    {Result::IsochoricHeatCapacity, 51, kNoControl, 2, 23, 8},
    {Result::Viscosity, 52, kNoControl, 3, 24, 9},
    {Result::ThermalConductivity, 53, kNoControl, 5, 25, 10},
    {Result::SurfaceTension, 54, kNoControl, 6, 26, 11},
    {Result::SonicVelocity, 55, kNoControl, 7, 27, 12},
    {Result::PrandtlNumber, 56, kNoControl, 8, kNoControl, 13},
    {Result::IsentropicExponent, 57, kNoControl, 9, kNoControl, 14},
}};

const ShownField& FieldShowing(Result result) {
  return kShownFields[static_cast<std::size_t>(result)];
}

}  // namespace mainwindow
