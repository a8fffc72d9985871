#include "analysis/state_details.h"

#include "analysis/formulation_names.h"
#include "steam/si_state.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <string>

namespace analysis {

namespace {

using steam::Result;

// The diagnostics speak SI; the window's units start from working units. The
// factors are those of the one bridge to SI, taken per unit of each quantity.
struct WorkingFromSi {
  double enthalpy;
  double entropy;
  double volume;
};

WorkingFromSi Factors() {
  steam::SteamState unit;
  unit.values.Enthalpy = 1.0;
  unit.values.Entropy = 1.0;
  unit.values.SpecificVolume = 1.0;
  const steam::SiState si = steam::ToSi(unit);
  return {1.0 / si.enthalpy, 1.0 / si.entropy, 1.0 / si.volume};
}

class Rows {
 public:
  explicit Rows(const DisplayUnits& shown) : shown_(shown), factors_(Factors()) {
    table_.header = {"Property", "Value", "Unit"};
  }

  void Text(const std::string& caption, const std::string& text) {
    table_.rows.push_back({caption, text, ""});
  }
  void Value(const std::string& caption, Result result, double working) {
    table_.rows.push_back({caption, shown_.Text(result, working), shown_.Label(result)});
  }
  void Difference(const std::string& caption, Result result, double working) {
    table_.rows.push_back(
        {caption, shown_.DifferenceText(result, working), shown_.DifferenceLabel(result)});
  }
  void Kelvin(const std::string& caption, double kelvin) {
    Value(caption, Result::Temperature, steam::FahrenheitFromKelvin(kelvin));
  }
  void KelvinDifference(const std::string& caption, double kelvin) {
    Difference(caption, Result::Temperature, kelvin * 1.8);
  }
  void Megapascal(const std::string& caption, double megapascal) {
    Value(caption, Result::Pressure, steam::PsiaFromMegapascal(megapascal));
  }
  void MegapascalDifference(const std::string& caption, double megapascal) {
    Difference(caption, Result::Pressure, steam::PsiaFromMegapascal(megapascal));
  }
  void SaturatedEnd(const std::string& which, const SaturatedEnd& end) {
    Kelvin(which + " temperature", end.temperature);
    Megapascal(which + " pressure", end.pressure);
    Value(which + " specific volume", Result::SpecificVolume, end.volume * factors_.volume);
    Value(which + " enthalpy", Result::Enthalpy, end.enthalpy * factors_.enthalpy);
    Value(which + " entropy", Result::Entropy, end.entropy * factors_.entropy);
  }
  void Evaporation(const SaturationPair& pair) {
    Value("Enthalpy of evaporation (hfg)", Result::Enthalpy,
          pair.enthalpyOfEvaporation * factors_.enthalpy);
    Value("Entropy of evaporation (sfg)", Result::Entropy,
          pair.entropyOfEvaporation * factors_.entropy);
  }
  std::string ValueWithUnit(Result result, double working) const {
    return shown_.Text(result, working) + " " + shown_.Label(result);
  }

  TextTable Done() { return std::move(table_); }

 private:
  const DisplayUnits& shown_;
  WorkingFromSi factors_;
  TextTable table_;
};

std::string RegionText(const steam::SteamState& state, const Diagnostics& diagnostics) {
  const bool if97 = state.formulation == steam::Formulation::IF97;
  const std::string name = FormulationName(state.formulation);
  if (!diagnostics.region) {
    return name + (state.onSaturationLine ? " saturation line" : " outside its regions");
  }
  const std::string number = std::to_string(*diagnostics.region);
  if (!if97) return name + " subregion " + number;
  return name + " region " + number + (*diagnostics.region == 4 ? " (two-phase)" : "");
}

double CriticalTemperature(steam::Formulation formulation) {
  return formulation == steam::Formulation::IF97 ? if97::kCriticalTemperature
                                                 : ifc67::kCriticalTemperature;
}

double CriticalPressure(steam::Formulation formulation) {
  return formulation == steam::Formulation::IF97 ? if97::kCriticalPressure
                                                 : ifc67::kCriticalPressure;
}

}  // namespace

TextTable StateDetailsRows(const steam::SteamState& state, const Diagnostics& diagnostics,
                           const DisplayUnits& shown) {
  Rows rows(shown);
  rows.Text("Region", RegionText(state, diagnostics));
  std::string phase = PhaseWord(diagnostics.phase);
  if (diagnostics.phase == Phase::WetSteam) {
    phase += ", x = " + shown.Text(Result::Quality, state.values.Quality);
  }
  rows.Text("Phase", phase);

  if (diagnostics.saturationTemperature) {
    rows.Kelvin("Saturation temperature", *diagnostics.saturationTemperature);
  } else {
    rows.Text("Saturation temperature",
              "no saturation above " +
                  rows.ValueWithUnit(Result::Pressure, steam::PsiaFromMegapascal(
                                                           CriticalPressure(state.formulation))));
  }
  if (diagnostics.saturationPressure) {
    rows.Megapascal("Saturation pressure", *diagnostics.saturationPressure);
  } else {
    rows.Text("Saturation pressure",
              "no saturation above " +
                  rows.ValueWithUnit(Result::Temperature, steam::FahrenheitFromKelvin(
                                                              CriticalTemperature(state.formulation))));
  }
  if (diagnostics.superheat) rows.KelvinDifference("Superheat", *diagnostics.superheat);
  if (diagnostics.subcooling) rows.KelvinDifference("Subcooling", *diagnostics.subcooling);
  if (diagnostics.pressureMargin) {
    rows.MegapascalDifference("Pressure margin (p \u2212 psat)", *diagnostics.pressureMargin);
  }

  const ValidityLimit& limit = diagnostics.nearestLimit;
  if (limit.quantity == ValidityLimit::Quantity::Temperature) {
    rows.Kelvin("Nearest validity limit: " + limit.name, limit.value);
    rows.KelvinDifference("Distance to the limit", limit.distance);
  } else {
    rows.Megapascal("Nearest validity limit: " + limit.name, limit.value);
    rows.MegapascalDifference("Distance to the limit", limit.distance);
  }

  if (diagnostics.saturation) {
    rows.SaturatedEnd("Saturated liquid", diagnostics.saturation->liquid);
    rows.SaturatedEnd("Saturated vapor", diagnostics.saturation->vapor);
    rows.Evaporation(*diagnostics.saturation);
  }
  return rows.Done();
}

TextTable StateDetailsRows(const steam::SteamState& state, const DisplayUnits& shown) {
  return StateDetailsRows(state, Diagnose(state), shown);
}

}  // namespace analysis
