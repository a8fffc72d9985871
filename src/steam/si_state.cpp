#include "steam/si_state.h"

namespace steam {

namespace {

// The window's factors from its IP units per pound to SI units per kilogram.
constexpr double kKilopascalPerPsi = 6.894757293;
constexpr double kKilojoulePerKgPerBtuPerLb = 2.3259999996;       // (kJ/kg) / (Btu/lb)
constexpr double kKilojoulePerKgKPerBtuPerLbR = 4.1867999935;     // (kJ/(kg K)) / (Btu/(lb R))
constexpr double kCubicMetrePerKgPerCubicFootPerLb = 0.0624279606;
constexpr double kKgPerCubicMetrePerLbPerCubicFoot = 16.018463373;
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
