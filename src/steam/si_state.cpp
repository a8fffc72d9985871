// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/si_state.h"

namespace steam {

namespace {

// Exact factors from IP units per pound to SI units per kilogram, from the
// definitions of the pound (0.45359237 kg), the foot (0.3048 m), the
// international table Btu (1055.05585262 J) and the standard gravity behind
// the pound-force.
constexpr double kKilopascalPerPsi = 6.894757293168361;
constexpr double kKilojoulePerKgPerBtuPerLb = 2.326;
constexpr double kKilojoulePerKgKPerBtuPerLbR = 4.1868;
constexpr double kCubicMetrePerKgPerCubicFootPerLb = 0.028316846592 / 0.45359237;
constexpr double kKgPerCubicMetrePerLbPerCubicFoot = 0.45359237 / 0.028316846592;
constexpr double kMetrePerFoot = 0.3048;

}  // namespace

double KelvinFromFahrenheit(double fahrenheit) { return ((fahrenheit - 32) / 1.8) + 273.15; }
double FahrenheitFromKelvin(double kelvin) { return ((kelvin - 273.15) * 1.8) + 32; }
double MegapascalFromPsia(double psia) { return psia * kKilopascalPerPsi / 1000; }
double PsiaFromMegapascal(double megapascal) { return megapascal * 1000 / kKilopascalPerPsi; }

SiState ToSi(const SteamState& state) {
  const WorkingState& w = state.values;
  const double m = static_cast<double>(w.MolarMass);
  SiState si{};
  si.temperature = KelvinFromFahrenheit(w.Temperature);
  si.pressure = MegapascalFromPsia(w.Pressure);
  si.quality = w.Quality;
  si.enthalpy = w.Enthalpy * kKilojoulePerKgPerBtuPerLb / m;
  si.entropy = w.Entropy * kKilojoulePerKgKPerBtuPerLbR / m;
  si.volume = w.SpecificVolume / m * kCubicMetrePerKgPerCubicFootPerLb;
  si.density = w.Density * m * kKgPerCubicMetrePerLbPerCubicFoot;
  si.cp = w.Cp * kKilojoulePerKgKPerBtuPerLbR / m;
  si.cv = w.Cv * kKilojoulePerKgKPerBtuPerLbR / m;
  si.soundSpeed = w.SoundSpeed * kMetrePerFoot;
  return si;
}

}  // namespace steam
