// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/exact_conversions.h"

#include <limits>

namespace units {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The defining factors.
constexpr double kPoundInKilograms = 0.45359237;
constexpr double kFootInMetres = 0.3048;
constexpr double kCubicFootInCubicMetres = kFootInMetres * kFootInMetres * kFootInMetres;
constexpr double kPsiInPascals = 6894.757293168361;  // lbf/in2, 0.45359237 * 9.80665 / 0.0254^2
constexpr double kAtmosphereInPascals = 101325.0;
constexpr double kMillimetreOfMercuryInPascals = 133.322387415;  // 13595.1 kg/m3 * 9.80665 * 1 mm
constexpr double kInchOfMercuryInPascals = 25.4 * kMillimetreOfMercuryInPascals;
constexpr double kInchOfWaterInPascals = 0.0254 * 1000.0 * 9.80665;  // 1000 kg/m3 * g * 1 in
constexpr double kPoundForceInNewtons = 4.4482216152605;
constexpr double kBtuInJoules = 1055.05585262;  // International Table
constexpr double kCalorieInJoules = 4.1868;     // International Table
constexpr double kKilojoulesPerKgPerBtuPerLb = 2.326;
constexpr double kKilojoulesPerKgKPerBtuPerLbR = 4.1868;
// Btu/(h ft F) in W/(m K) and in kcal/(h m K).
constexpr double kConductivityInWatts = kBtuInJoules / 3600.0 / kFootInMetres * 1.8;
constexpr double kKilocaloriePerHourInWatts = 1000.0 * kCalorieInJoules / 3600.0;

double Temperature(double f, int16_t unit) {
  switch (unit) {
    case 0:
      return f;
    case 1:
      return (f - 32.0) / 1.8;
    case 2:
      return f + 459.67;
    case 3:
      return (f - 32.0) / 1.8 + 273.15;
    default:
      return kNaN;
  }
}

double Pressure(double psia, int16_t unit) {
  const double pascals = psia * kPsiInPascals;
  switch (unit) {
    case 0:
      return psia;
    case 1:
      return pascals / kAtmosphereInPascals;
    case 2:
      return pascals / kInchOfMercuryInPascals;
    case 3:
      return pascals / kInchOfWaterInPascals;
    case 4:
      return pascals / kMillimetreOfMercuryInPascals;
    case 5:
      return pascals / 1000.0;
    case 6:
      return pascals;
    case 7:
      return pascals / 100000.0;
    case kMegapascal:
      return pascals / 1e6;
    default:
      return kNaN;
  }
}

// Btu/lbmol.
double Enthalpy(double molar, double m, int16_t unit) {
  switch (unit) {
    case 0:
      return molar;
    case 1:
      return molar * kKilojoulesPerKgPerBtuPerLb / kCalorieInJoules;
    case 2:
      return molar * kKilojoulesPerKgPerBtuPerLb;
    case 3:
      return molar / m;
    case 4:
      return molar / m * kKilojoulesPerKgPerBtuPerLb / kCalorieInJoules;
    case 5:
      return molar / m * kKilojoulesPerKgPerBtuPerLb;
    default:
      return kNaN;
  }
}

// Btu/(lbmol R): entropy and both heat capacities. 1 Btu/(lb R) is exactly
// 1 cal/(g K).
double HeatCapacity(double molar, double m, int16_t unit) {
  switch (unit) {
    case 0:
    case 1:
      return molar;
    case 2:
      return molar * kKilojoulesPerKgKPerBtuPerLbR;
    case 3:
    case 4:
      return molar / m;
    case 5:
      return molar / m * kKilojoulesPerKgKPerBtuPerLbR;
    default:
      return kNaN;
  }
}

// ft3/lbmol.
double SpecificVolume(double molar, double m, int16_t unit) {
  constexpr double kSi = kCubicFootInCubicMetres / kPoundInKilograms;  // m3/kg per ft3/lb
  switch (unit) {
    case 0:
      return molar;
    case 1:
      return molar * kSi * 1000.0;
    case 2:
      return molar * kSi;
    case 3:
      return molar / m;
    case 4:
      return molar / m * kSi * 1000.0;
    case 5:
      return molar / m * kSi;
    default:
      return kNaN;
  }
}

// lbmol/ft3.
double Density(double molar, double m, int16_t unit) {
  constexpr double kSi = kPoundInKilograms / kCubicFootInCubicMetres;  // kg/m3 per lb/ft3
  switch (unit) {
    case 0:
      return molar;
    case 1:
      return molar * kSi / 1000.0;
    case 2:
      return molar * kSi;
    case 3:
      return molar * m;
    case 4:
      return molar * m * kSi / 1000.0;
    case 5:
      return molar * m * kSi;
    default:
      return kNaN;
  }
}

// cP.
double Viscosity(double centipoise, int16_t unit) {
  switch (unit) {
    case 0:
      return centipoise;
    case 1:
      return centipoise / 1000.0 / kPoundInKilograms * kFootInMetres * 3600.0;
    case 2:
    case 3:
      return centipoise / 1000.0;
    default:
      return kNaN;
  }
}

// Btu/(h ft F).
double Conductivity(double btu, int16_t unit) {
  switch (unit) {
    case 0:
      return btu;
    case 1:
      return btu * kConductivityInWatts / kKilocaloriePerHourInWatts;
    case 2:
      return btu * kConductivityInWatts;
    default:
      return kNaN;
  }
}

// N/m.
double SurfaceTension(double newtons, int16_t unit) {
  switch (unit) {
    case 0:
      return newtons * 1000.0;
    case 1:
      return newtons * kFootInMetres / kPoundForceInNewtons;
    case 2:
      return newtons;
    default:
      return kNaN;
  }
}

// ft/s.
double SoundSpeed(double feet, int16_t unit) {
  switch (unit) {
    case 0:
      return feet * 60.0;
    case 1:
      return feet;
    case 2:
      return feet * kFootInMetres * 60.0;
    case 3:
      return feet * kFootInMetres;
    default:
      return kNaN;
  }
}

}  // namespace

double ExactInUnit(Quantity quantity, double workingValue, float molarMass, int16_t unit) {
  const double m = molarMass;
  switch (quantity) {
    case Quantity::Temperature:
      return Temperature(workingValue, unit);
    case Quantity::Pressure:
      return Pressure(workingValue, unit);
    case Quantity::Enthalpy:
      return Enthalpy(workingValue, m, unit);
    case Quantity::Entropy:
    case Quantity::Cp:
    case Quantity::Cv:
      return HeatCapacity(workingValue, m, unit);
    case Quantity::SpecificVolume:
      return SpecificVolume(workingValue, m, unit);
    case Quantity::Density:
      return Density(workingValue, m, unit);
    case Quantity::Viscosity:
      return Viscosity(workingValue, unit);
    case Quantity::Conductivity:
      return Conductivity(workingValue, unit);
    case Quantity::SurfaceTension:
      return SurfaceTension(workingValue, unit);
    case Quantity::SoundSpeed:
      return SoundSpeed(workingValue, unit);
  }
  return kNaN;
}

double ExactFromUnit(Quantity quantity, double value, float molarMass, int16_t unit) {
  if (quantity == Quantity::Temperature) {
    switch (unit) {
      case 0:
        return value;
      case 1:
        return value * 1.8 + 32.0;
      case 2:
        return value - 459.67;
      case 3:
        return (value - 273.15) * 1.8 + 32.0;
      default:
        return kNaN;
    }
  }
  // Every other quantity is a factor times its working unit.
  return value / ExactInUnit(quantity, 1.0, molarMass, unit);
}

}  // namespace units
