// SPDX-License-Identifier: MIT
#include "unit_settings.h"

#include <if97/unit_codes.h>

namespace hydrix {
namespace {

namespace codes = if97::unit_codes;

constexpr LinearUnit scaled(double siPerUnit, double unitPerSi) {
  return LinearUnit{siPerUnit, 0.0, unitPerSi, 0.0};
}

// 1 lbf/in2, 1 Btu(IT)/lb, 1 Btu(IT)/(lb R), 1 ft3/lb in SI.
constexpr double kPsi = 0.006894757293168361;                 // MPa
constexpr double kBtuPerPound = 2.326;                        // kJ/kg
constexpr double kBtuPerPoundRankine = 4.1868;                // kJ/(kg K)
constexpr double kCubicFootPerPound = 0.028316846592 / 0.45359237;  // m3/kg

// 273.15 K is 32 deg F: t * (1 / 1.8) + (273.15 - 32 / 1.8) and
// T * 1.8 + (32 - 273.15 * 1.8), each constant rounded once.
constexpr LinearUnit kFahrenheit{1.0 / 1.8, 273.15 - 32.0 / 1.8, 1.8, 32.0 - 273.15 * 1.8};
constexpr LinearUnit kAtmosphere = scaled(0.101325, 1.0 / 0.101325);
constexpr LinearUnit kJoulePerKilogram = scaled(1e-3, 1e3);
constexpr LinearUnit kJoulePerKilogramKelvin = scaled(1e-3, 1e3);
constexpr VolumeUnit kCubicMetrePerKilogram{false, 1.0};
constexpr LinearUnit kFraction = scaled(1.0, 1.0);
constexpr LinearUnit kKilojoulePerKilogramKelvin = scaled(1.0, 1.0);

bool use(LinearUnit& setting, const LinearUnit& unit) {
  setting = unit;
  return true;
}

}  // namespace

UnitSettings gUnits{kFahrenheit,
                    kAtmosphere,
                    kJoulePerKilogram,
                    kJoulePerKilogramKelvin,
                    kCubicMetrePerKilogram,
                    kFraction,
                    kKilojoulePerKilogramKelvin};

bool setTemperatureUnit(int32_t code) {
  switch (code) {
    case codes::kKelvin: return use(gUnits.temperature, scaled(1.0, 1.0));
    case codes::kCelsius: return use(gUnits.temperature, LinearUnit{1.0, 273.15, 1.0, -273.15});
    case codes::kFahrenheit: return use(gUnits.temperature, kFahrenheit);
    case codes::kRankine: return use(gUnits.temperature, scaled(1.0 / 1.8, 1.8));
    default: return false;
  }
}

bool setPressureUnit(int32_t code) {
  switch (code) {
    case codes::kMegapascal: return use(gUnits.pressure, scaled(1.0, 1.0));
    case codes::kKilopascal: return use(gUnits.pressure, scaled(1e-3, 1e3));
    case codes::kPascal: return use(gUnits.pressure, scaled(1e-6, 1e6));
    case codes::kBar: return use(gUnits.pressure, scaled(0.1, 10.0));
    case codes::kPsia: return use(gUnits.pressure, scaled(kPsi, 1.0 / kPsi));
    case codes::kAtmosphere: return use(gUnits.pressure, kAtmosphere);
    default: return false;
  }
}

bool setEnthalpyUnit(int32_t code) {
  switch (code) {
    case codes::kJoulePerKilogram: return use(gUnits.enthalpy, kJoulePerKilogram);
    case codes::kKilojoulePerKilogram: return use(gUnits.enthalpy, scaled(1.0, 1.0));
    case codes::kBtuPerPound:
      return use(gUnits.enthalpy, scaled(kBtuPerPound, 1.0 / kBtuPerPound));
    default: return false;
  }
}

bool setEntropyUnit(int32_t code) {
  switch (code) {
    case codes::kJoulePerKilogramKelvin: return use(gUnits.entropy, kJoulePerKilogramKelvin);
    case codes::kKilojoulePerKilogramKelvin: return use(gUnits.entropy, scaled(1.0, 1.0));
    case codes::kBtuPerPoundRankine:
      return use(gUnits.entropy, scaled(kBtuPerPoundRankine, 1.0 / kBtuPerPoundRankine));
    default: return false;
  }
}

bool setVolumeUnit(int32_t code) {
  switch (code) {
    case codes::kCubicMetrePerKilogram: gUnits.volume = kCubicMetrePerKilogram; return true;
    case codes::kKilogramPerCubicMetre: gUnits.volume = VolumeUnit{true, 1.0}; return true;
    case codes::kCubicFootPerPound:
      gUnits.volume = VolumeUnit{false, 1.0 / kCubicFootPerPound};
      return true;
    case codes::kPoundPerCubicFoot:
      gUnits.volume = VolumeUnit{true, kCubicFootPerPound};
      return true;
    default: return false;
  }
}

bool setQualityUnit(int32_t code) {
  switch (code) {
    case codes::kPercent: return use(gUnits.quality, scaled(0.01, 100.0));
    case codes::kFraction: return use(gUnits.quality, kFraction);
    default: return false;
  }
}

bool setHeatCapacityUnit(int32_t code) {
  switch (code) {
    case codes::kHeatCapacityJoulePerKilogramKelvin:
      return use(gUnits.heatCapacity, scaled(1e-3, 1e3));
    case codes::kHeatCapacityKilojoulePerKilogramKelvin:
      return use(gUnits.heatCapacity, kKilojoulePerKilogramKelvin);
    case codes::kHeatCapacityBtuPerPoundRankine:
      return use(gUnits.heatCapacity, scaled(kBtuPerPoundRankine, 1.0 / kBtuPerPoundRankine));
    default: return false;
  }
}

}  // namespace hydrix
