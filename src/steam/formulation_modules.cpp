#include "steam/formulation_modules.h"

#include "steam/compute_fault.h"
#include "steam/conversion_factors.h"
#include "steam/if97_phase_side.h"
#include "steam/single_float.h"

#include <cmath>
#include <cstdint>

namespace steam {

namespace {

struct UnitCall {
  int32_t code;
  const char* quantity;
};

template <typename Setter>
void SetUnit(Setter setter, const UnitCall& call, const char* module,
             std::vector<Message>& messages) {
  const bool accepted = setter != nullptr && setter(call.code) != 0;
  if (accepted) return;
  messages.push_back(
      {std::string("Error Initializing Module:  ") + module + ", " + call.quantity, "",
       MessageIcon::None});
}

std::string Range(float value, float upper, float lower) {
  if (value > upper) return "High";
  if (value < lower) return "Low";
  return "";
}

template <typename Entries>
std::string TemperatureRange(const Entries& entries, float value) {
  return Range(value, RoundedToSingle(CallEntry(entries.GetMaxTemp)),
               RoundedToSingle(CallEntry(entries.GetMinTemp)));
}

template <typename Entries>
std::string PressureRange(const Entries& entries, float value) {
  return Range(value, RoundedToSingle(CallEntry(entries.GetMaxPress) * kRangePressureFactor),
               RoundedToSingle(CallEntry(entries.GetMinPress) * kRangePressureFactor));
}

// The pair of temperatures of the difference along the saturated-liquid line.
// Near the critical point the upper one would leave the line, so the pair
// ends at T instead.
struct TemperaturePair {
  double lower;
  double upper;
};

TemperaturePair SaturatedLiquidPair(double T, double criticalTemperature,
                                    TemperaturePair atFreezing) {
  if (!(T > 33.0)) return atFreezing;
  if (T + 0.5 > criticalTemperature) return {T - 1.0, T};
  return {T - 0.5, T + 0.5};
}

// Above the critical pressure both libraries give the critical temperature.
constexpr double kSupercriticalAtmospheres = 300.0;

// Isobaric heat capacity of a liquid as the slope of its formulation's
// saturated-liquid enthalpy, or NaN where the line does not reach.
template <typename Enthalpy, typename SaturationTemperature>
double SaturatedLiquidSlope(Enthalpy enthalpy, SaturationTemperature saturationTemperature,
                            double T, TemperaturePair atFreezing) {
  const double critical = LibraryValue(saturationTemperature, kSupercriticalAtmospheres);
  const TemperaturePair pair = SaturatedLiquidPair(T, critical, atFreezing);
  const double h1 = CallEntry(enthalpy, pair.lower, 0.0) * kModuleEnthalpyFactor;
  const double h2 = CallEntry(enthalpy, pair.upper, 0.0) * kModuleEnthalpyFactor;
  return (h2 - h1) / (pair.upper - pair.lower);
}

// cv of the IF-97 library on the side of the line that X names.
double IF97Cv(PropertyLibraries& libraries, double T, double P, double X) {
  if (HeatCapacityTwoPhase(X)) return 0.0;
  const stm::HydrixEntryPoints& hydrix = RequireHydrix(libraries);
  const double p = IF97PressureOnNamedSide(hydrix, T, P / kModulePressureFactor, X);
  return LibraryValue(hydrix.nCVtp, T, p) * kHeatCapacityPerKilojoule;
}

}  // namespace

namespace basSteam97Functions {

std::vector<Message> SetUnits97(PropertyLibraries& libraries) {
  const stm::HydrixEntryPoints* bound = libraries.Hydrix();
  // A library that cannot be loaded refuses nothing here: the compute that
  // follows every unit set-up names it in one message.
  if (bound == nullptr) return {};
  const stm::HydrixEntryPoints& e = *bound;
  std::vector<Message> messages;
  const char* module = "Steam97";
  SetUnit(e.SetTempUnit, {3, "Temperature"}, module, messages);
  SetUnit(e.SetPressUnit, {17, "Pressure"}, module, messages);
  SetUnit(e.SetEnthalUnit, {31, "Enthalpy"}, module, messages);
  SetUnit(e.SetEntroUnit, {51, "Entropy"}, module, messages);
  SetUnit(e.SetDensityUnit, {71, "Specific Volume"}, module, messages);
  SetUnit(e.SetWetDryUnit, {92, "Quality"}, module, messages);
  SetUnit(e.SetHCUnit, {102, "Heat Capacity"}, module, messages);
  return messages;
}

std::string TempRange97(PropertyLibraries& libraries, float temperature) {
  return TemperatureRange(RequireHydrix(libraries), temperature);
}

std::string PressRange97(PropertyLibraries& libraries, float pressure) {
  return PressureRange(RequireHydrix(libraries), pressure);
}

double Cp97(PropertyLibraries& libraries, const double& T, const double& P, const double& X) {
  if (HeatCapacityTwoPhase(X)) return 0.0;
  const stm::HydrixEntryPoints& hydrix = RequireHydrix(libraries);
  if (X == 0.0) {
    const double slope = SaturatedLiquidSlope(hydrix.sHtx, hydrix.sTp, T, {32.0, 32.2});
    if (std::isfinite(slope)) return slope;
  }
  const double p = IF97PressureOnNamedSide(hydrix, T, P / kModulePressureFactor, X);
  return LibraryValue(hydrix.nCPtp, T, p) * kHeatCapacityPerKilojoule;
}

// The saturated-line difference of u = h - P v mixes Btu with ft lbf and
// follows cp rather than cv, so a liquid takes the single-phase cv too.
double Cv97(PropertyLibraries& libraries, const double& T, const double& P, const double& X) {
  return IF97Cv(libraries, T, P, X);
}

}  // namespace basSteam97Functions

namespace basSteam67Functions {

std::vector<Message> SetUnits67(PropertyLibraries& libraries) {
  const stm::CalorixEntryPoints* bound = libraries.Calorix();
  // A library that cannot be loaded refuses nothing here: the compute that
  // follows every unit set-up names it in one message.
  if (bound == nullptr) return {};
  const stm::CalorixEntryPoints& e = *bound;
  std::vector<Message> messages;
  const char* module = "Steam67";
  SetUnit(e.SetTempUnit, {3, "Temperature"}, module, messages);
  SetUnit(e.SetPressUnit, {16, "Pressure"}, module, messages);
  SetUnit(e.SetEntlUnit, {22, "Enthalpy"}, module, messages);
  SetUnit(e.SetEntrUnit, {32, "Entropy"}, module, messages);
  SetUnit(e.SetVolUnit, {41, "Specific Volume"}, module, messages);
  SetUnit(e.SetWetDryUnit, {52, "Quality"}, module, messages);
  SetUnit(e.SetHeatCapUnit, {62, "Heat Capacity"}, module, messages);
  SetUnit(e.SetThermalConUnit, {72, "Thermal Conductivity"}, module, messages);
  SetUnit(e.SetDynamicVisUnit, {82, "Dynamic Viscosity"}, module, messages);
  SetUnit(e.SetSurTensionUnit, {91, "Surface Tension"}, module, messages);
  return messages;
}

std::string TempRange67(PropertyLibraries& libraries, float temperature) {
  return TemperatureRange(RequireCalorix(libraries), temperature);
}

std::string PressRange67(PropertyLibraries& libraries, float pressure) {
  return PressureRange(RequireCalorix(libraries), pressure);
}

double Cp67(PropertyLibraries& libraries, const double& T, const double& P, const double& X) {
  if (HeatCapacityTwoPhase(X)) return 0.0;
  const stm::CalorixEntryPoints& calorix = RequireCalorix(libraries);
  if (X == 0.0) {
    const double slope = SaturatedLiquidSlope(calorix.sEtw, calorix.kTp, T, {33.0, 34.0});
    if (std::isfinite(slope)) return slope;
  }
  return LibraryValue(calorix.nCtp, T, P / kModulePressureFactor) / kJoulesPerHeatCapacity;
}

double Cv67(PropertyLibraries& libraries, const double& T, const double& P, const double& X) {
  return IF97Cv(libraries, T, P, X);
}

}  // namespace basSteam67Functions

}  // namespace steam
