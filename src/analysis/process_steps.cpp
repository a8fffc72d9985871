// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/process_steps.h"

#include "analysis/isobar_state.h"
#include "steam/si_state.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>
#include <cstdio>
#include <utility>

namespace analysis {

namespace {

constexpr int kPathPoints = 24;

struct Refused {
  std::string reason;
};

double CriticalPressure(steam::Formulation formulation) {
  return formulation == steam::Formulation::IF97 ? if97::kCriticalPressure
                                                 : ifc67::kCriticalPressure;
}

double SaturationTemperature(steam::Formulation formulation, double p) {
  return formulation == steam::Formulation::IF97 ? if97::saturationTemperature(p)
                                                 : ifc67::saturationTemperature(p);
}

std::string Percent(double fraction) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g %%", fraction * 100);
  return text;
}

// One step's work: the inputs, what it has computed so far, and the ways it
// refuses.
class Step {
 public:
  Step(steam::Formulation formulation, const ProcessInputs& inputs,
       steam::PropertyLibraries& libraries, const LimitText& limitText)
      : formulation_(formulation), in_(inputs), libraries_(libraries), limitText_(limitText) {}

  ProcessResult result;

  [[noreturn]] void Refuse(std::string reason) const { throw Refused{std::move(reason)}; }

  double Required(const std::optional<double>& value, const char* what) const {
    if (!value) Refuse(std::string("Give the ") + what + ".");
    return *value;
  }

  double Efficiency(const std::optional<double>& given, double fallback) const {
    const double eta = given.value_or(fallback);
    if (!(eta > 0.0 && eta <= 1.0)) Refuse("The efficiency must be greater than 0 % and at most 100 %.");
    return eta;
  }

  void CheckFraction(const std::optional<double>& value, const char* what) const {
    if (value && !(*value > 0.0 && *value <= 1.0)) {
      Refuse(std::string("The ") + what + " must be greater than 0 % and at most 100 %.");
    }
  }

  void OutletBelow(double p2, double p1) const {
    if (!(p2 < p1)) {
      Refuse("The outlet pressure must be lower than the inlet pressure, " +
             limitText_(LimitQuantity::Pressure, p1) + ".");
    }
  }

  void OutletAbove(double p2, double p1) const {
    if (!(p2 > p1)) {
      Refuse("The outlet pressure must be higher than the inlet pressure, " +
             limitText_(LimitQuantity::Pressure, p1) + ".");
    }
  }

  void BelowCritical(double p, const char* what) const {
    const double pc = CriticalPressure(formulation_);
    if (!(p < pc)) {
      Refuse(std::string("The ") + what + " must be lower than the critical pressure, " +
             limitText_(LimitQuantity::Pressure, pc) + ".");
    }
  }

  // A temperature that must lie in the superheated vapour at p.
  void Superheated(double T, double p, const char* what) const {
    if (!(p < CriticalPressure(formulation_))) return;
    const double saturation = SaturationTemperature(formulation_, p);
    if (!(T > saturation)) {
      Refuse(std::string("The ") + what +
             " must be above the saturation temperature at the outlet pressure, " +
             limitText_(LimitQuantity::Temperature, saturation) + ".");
    }
  }

  steam::SteamState Computed(const steam::SolveOutcome& outcome) const {
    if (outcome.succeeded) return outcome.state;
    std::string reason = "The outlet lies outside the range of the formulation.";
    if (!outcome.messages.empty()) {
      reason = outcome.messages.front().text;
      for (char& c : reason) {
        if (c == '\r') c = ' ';
      }
    }
    Refuse(reason);
  }

  steam::SteamState FromPressureEnthalpy(double p, double h) const {
    return Computed(SolveFromPressureEnthalpy(formulation_, p, h, libraries_));
  }
  steam::SteamState FromPressureEntropy(double p, double s) const {
    return Computed(SolveFromPressureEntropy(formulation_, p, s, libraries_));
  }
  steam::SteamState FromTemperaturePressure(double T, double p) const {
    return Computed(steam::Solve(formulation_, steam::InputPair::TemperaturePressure,
                                 steam::FahrenheitFromKelvin(T), steam::PsiaFromMegapascal(p),
                                 libraries_));
  }
  steam::SteamState FromPressureQuality(double p, double x) const {
    if (!(x >= 0.0 && x <= 1.0)) Refuse("Steam quality must be a number between 0 and 1.");
    return Computed(steam::Solve(formulation_, steam::InputPair::PressureQuality,
                                 steam::PsiaFromMegapascal(p), x, libraries_));
  }

  void AddState(const char* key, const std::optional<steam::SteamState>& state) {
    result.states.push_back({key, state});
  }
  void AddFigure(const char* key, FigureQuantity quantity, double value) {
    result.figures.push_back({key, quantity, value});
  }
  // The flow-dependent figures, where a flow is given.
  void AddPower(const char* key, double perUnitMass) {
    if (in_.massFlow) AddFigure(key, FigureQuantity::Power, *in_.massFlow * perUnitMass);
  }

  // States along the step at pressures from p1 to p2 (log-spaced), each with
  // the enthalpy `enthalpyAt` gives; points the formulation refuses are left out.
  template <typename EnthalpyAt>
  void PathByPressure(double p1, double p2, EnthalpyAt enthalpyAt) {
    for (int i = 0; i <= kPathPoints; ++i) {
      const double p = p1 * std::pow(p2 / p1, static_cast<double>(i) / kPathPoints);
      const steam::SolveOutcome point =
          SolveFromPressureEnthalpy(formulation_, p, enthalpyAt(p), libraries_);
      if (point.succeeded) result.path.push_back(point.state);
    }
  }

  steam::Formulation formulation_;
  const ProcessInputs& in_;
  steam::PropertyLibraries& libraries_;
  const LimitText& limitText_;
};

void Expand(Step& step, const steam::SteamState& inlet) {
  const ProcessInputs& in = step.in_;
  const steam::SiState one = steam::ToSi(inlet);
  const double p2 = step.Required(in.outletPressure, "outlet pressure");
  step.OutletBelow(p2, one.pressure);
  step.CheckFraction(in.generatorEfficiency, "generator efficiency");

  const steam::SteamState ideal = step.FromPressureEntropy(p2, one.entropy);
  const double h2s = steam::ToSi(ideal).enthalpy;
  double eta = 0.0;
  steam::SteamState outlet;
  if (in.outletEnthalpy || in.outletQuality || in.outletTemperature) {
    if (in.outletTemperature) {
      step.Superheated(*in.outletTemperature, p2, "outlet temperature");
      outlet = step.FromTemperaturePressure(*in.outletTemperature, p2);
    } else if (in.outletQuality) {
      step.BelowCritical(p2, "outlet pressure of a wet outlet");
      outlet = step.FromPressureQuality(p2, *in.outletQuality);
    } else {
      outlet = step.FromPressureEnthalpy(p2, *in.outletEnthalpy);
    }
    eta = (one.enthalpy - steam::ToSi(outlet).enthalpy) / (one.enthalpy - h2s);
    // The ideal outlet itself, given by its temperature or quality, comes
    // back a rounding away from 100 %.
    if (!(eta > 0.0 && eta <= 1.0 + 1e-6)) {
      step.Refuse("The outlet gives an efficiency of " + Percent(eta) +
                  ": it must be greater than 0 % and at most 100 %.");
    }
    eta = std::fmin(eta, 1.0);
  } else {
    eta = step.Efficiency(in.efficiency, 0.85);
    // At 100 % the outlet is the ideal outlet itself, not a state found again
    // from its rounded enthalpy.
    outlet = eta == 1.0 ? ideal
                        : step.FromPressureEnthalpy(p2, one.enthalpy - eta * (one.enthalpy - h2s));
  }
  const steam::SiState two = steam::ToSi(outlet);

  step.AddState("inlet", inlet);
  step.AddState("ideal_outlet", ideal);
  step.AddState("outlet", outlet);
  const double work = one.enthalpy - two.enthalpy;
  step.AddFigure("work", FigureQuantity::SpecificEnergy, work);
  step.AddFigure("isentropic_work", FigureQuantity::SpecificEnergy, one.enthalpy - h2s);
  step.AddFigure("efficiency", FigureQuantity::Ratio, eta);
  if (outlet.values.Quality > 0.0 && outlet.values.Quality < 1.0) {
    step.AddFigure("moisture", FigureQuantity::Ratio, 1.0 - outlet.values.Quality);
  }
  step.AddPower("shaft_power", work);
  if (in.massFlow && in.generatorEfficiency) {
    step.AddFigure("electric_power", FigureQuantity::Power,
                   *in.massFlow * work * *in.generatorEfficiency);
  }
  step.PathByPressure(one.pressure, p2, [&](double p) {
    const steam::SolveOutcome isentropic =
        SolveFromPressureEntropy(step.formulation_, p, one.entropy, step.libraries_);
    if (!isentropic.succeeded) return std::nan("");
    return one.enthalpy - eta * (one.enthalpy - steam::ToSi(isentropic.state).enthalpy);
  });
}

void Compress(Step& step, const steam::SteamState& inlet) {
  const ProcessInputs& in = step.in_;
  const steam::SiState one = steam::ToSi(inlet);
  const double p2 = step.Required(in.outletPressure, "outlet pressure");
  step.OutletAbove(p2, one.pressure);
  const double eta = step.Efficiency(in.efficiency, 0.75);

  const steam::SteamState ideal = step.FromPressureEntropy(p2, one.entropy);
  const double h2s = steam::ToSi(ideal).enthalpy;
  const steam::SteamState outlet =
      eta == 1.0 ? ideal : step.FromPressureEnthalpy(p2, one.enthalpy + (h2s - one.enthalpy) / eta);
  const double work = steam::ToSi(outlet).enthalpy - one.enthalpy;

  step.AddState("inlet", inlet);
  step.AddState("ideal_outlet", ideal);
  step.AddState("outlet", outlet);
  step.AddFigure("work", FigureQuantity::SpecificEnergy, work);
  step.AddFigure("isentropic_work", FigureQuantity::SpecificEnergy, h2s - one.enthalpy);
  step.AddFigure("efficiency", FigureQuantity::Ratio, eta);
  // v dp in kJ/kg: m3/kg times MPa is MJ/kg.
  step.AddFigure("volume_work", FigureQuantity::SpecificEnergy,
                 one.volume * (p2 - one.pressure) * 1000.0);
  step.AddPower("shaft_power", work);
  step.PathByPressure(one.pressure, p2, [&](double p) {
    const steam::SolveOutcome isentropic =
        SolveFromPressureEntropy(step.formulation_, p, one.entropy, step.libraries_);
    if (!isentropic.succeeded) return std::nan("");
    return one.enthalpy + (steam::ToSi(isentropic.state).enthalpy - one.enthalpy) / eta;
  });
}

void Throttle(Step& step, const steam::SteamState& inlet) {
  const ProcessInputs& in = step.in_;
  const steam::SiState one = steam::ToSi(inlet);
  const double p2 = step.Required(in.outletPressure, "outlet pressure");
  step.OutletBelow(p2, one.pressure);
  const steam::SteamState throttled = step.FromPressureEnthalpy(p2, one.enthalpy);

  step.AddState("inlet", inlet);
  const bool spray = in.sprayPressure || in.sprayTemperature || in.targetTemperature;
  if (!spray) {
    step.AddState("outlet", throttled);
    step.AddFigure("entropy_rise", FigureQuantity::SpecificEntropy,
                   steam::ToSi(throttled).entropy - one.entropy);
    step.PathByPressure(one.pressure, p2, [&](double) { return one.enthalpy; });
    return;
  }
  // Spray water mixed in after the valve brings the steam down to the target:
  // h_in + r h_w = (1 + r) h_target.
  const double sprayT = step.Required(in.sprayTemperature, "spray water temperature");
  const double sprayP = step.Required(in.sprayPressure, "spray water pressure");
  const double targetT = step.Required(in.targetTemperature, "target outlet temperature");
  step.Superheated(targetT, p2, "target outlet temperature");
  const double hWater = steam::ToSi(step.FromTemperaturePressure(sprayT, sprayP)).enthalpy;
  const steam::SteamState target = step.FromTemperaturePressure(targetT, p2);
  const steam::SiState two = steam::ToSi(target);
  const double ratio = (one.enthalpy - two.enthalpy) / (two.enthalpy - hWater);
  if (!(ratio >= 0.0)) {
    step.Refuse("The target outlet temperature needs no spray: the valve alone gives " +
                step.limitText_(LimitQuantity::Temperature, steam::ToSi(throttled).temperature) +
                ".");
  }
  step.AddState("outlet", target);
  step.AddFigure("entropy_rise", FigureQuantity::SpecificEntropy, two.entropy - one.entropy);
  step.AddFigure("spray_ratio", FigureQuantity::Ratio, ratio);
  if (in.massFlow) step.AddFigure("outlet_flow", FigureQuantity::MassFlow, *in.massFlow * (1 + ratio));
  step.PathByPressure(one.pressure, p2, [&](double) { return one.enthalpy; });
  step.result.path.push_back(target);
}

void Calorimeter(Step& step) {
  const ProcessInputs& in = step.in_;
  const double p1 = step.Required(in.inletPressure, "inlet pressure");
  const double p2 = step.Required(in.outletPressure, "outlet pressure");
  const double T2 = step.Required(in.outletTemperature, "measured outlet temperature");
  step.OutletBelow(p2, p1);
  step.Superheated(T2, p2, "measured outlet temperature");
  const steam::SteamState outlet = step.FromTemperaturePressure(T2, p2);
  const double h = steam::ToSi(outlet).enthalpy;
  const steam::SteamState inlet = step.FromPressureEnthalpy(p1, h);
  step.AddState("inlet", inlet);
  step.AddState("outlet", outlet);
  step.PathByPressure(p1, p2, [h](double) { return h; });
}

void Heat(Step& step, const steam::SteamState& inlet) {
  const ProcessInputs& in = step.in_;
  const steam::SiState one = steam::ToSi(inlet);
  const double p2 = in.outletPressure.value_or(one.pressure);
  step.CheckFraction(in.combustionEfficiency, "combustion efficiency");
  const int given = (in.outletTemperature ? 1 : 0) + (in.outletQuality ? 1 : 0) + (in.duty ? 1 : 0);
  if (given != 1) step.Refuse("Give one of the outlet temperature, the outlet quality or the duty.");

  steam::SteamState outlet;
  if (in.outletTemperature) {
    outlet = step.FromTemperaturePressure(*in.outletTemperature, p2);
  } else if (in.outletQuality) {
    step.BelowCritical(p2, "outlet pressure of a wet outlet");
    outlet = step.FromPressureQuality(p2, *in.outletQuality);
  } else {
    outlet = step.FromPressureEnthalpy(p2, one.enthalpy + *in.duty);
  }
  const double h2 = steam::ToSi(outlet).enthalpy;
  const double duty = h2 - one.enthalpy;
  step.AddState("inlet", inlet);
  step.AddState("outlet", outlet);
  step.AddFigure("duty", FigureQuantity::SpecificEnergy, duty);
  step.AddPower("duty_total", duty);
  if (in.combustionEfficiency) {
    step.AddFigure("fuel_energy", FigureQuantity::SpecificEnergy, duty / *in.combustionEfficiency);
    step.AddPower("fuel_power", duty / *in.combustionEfficiency);
  }
  for (int i = 0; i <= kPathPoints; ++i) {
    const double f = static_cast<double>(i) / kPathPoints;
    const steam::SolveOutcome point = SolveFromPressureEnthalpy(
        step.formulation_, one.pressure + f * (p2 - one.pressure), one.enthalpy + f * duty,
        step.libraries_);
    if (point.succeeded) step.result.path.push_back(point.state);
  }
}

void Flash(Step& step, const steam::SteamState& inlet) {
  const ProcessInputs& in = step.in_;
  const steam::SiState one = steam::ToSi(inlet);
  const double p2 = step.Required(in.outletPressure, "tank pressure");
  step.BelowCritical(p2, "tank pressure");
  step.OutletBelow(p2, one.pressure);

  const steam::SteamState liquid = step.FromPressureQuality(p2, 0.0);
  const steam::SteamState vapor = step.FromPressureQuality(p2, 1.0);
  const double hf = steam::ToSi(liquid).enthalpy;
  const double hg = steam::ToSi(vapor).enthalpy;
  const double flow = in.massFlow.value_or(0.0);
  step.AddState("inlet", inlet);
  double fraction = 0.0;
  if (one.enthalpy >= hg) {
    fraction = 1.0;
    step.AddState("vapor", step.FromPressureEnthalpy(p2, one.enthalpy));
    step.AddState("liquid", std::nullopt);
    step.result.messages.push_back("The inlet does not condense at the tank pressure.");
  } else if (one.enthalpy <= hf) {
    step.AddState("vapor", std::nullopt);
    step.AddState("liquid", step.FromPressureEnthalpy(p2, one.enthalpy));
    step.result.messages.push_back("The inlet does not flash at the tank pressure.");
  } else {
    fraction = (one.enthalpy - hf) / (hg - hf);
    step.AddState("vapor", vapor);
    step.AddState("liquid", liquid);
  }
  step.AddFigure("flash_fraction", FigureQuantity::Ratio, fraction);
  if (in.massFlow) {
    step.AddFigure("vapor_flow", FigureQuantity::MassFlow, flow * fraction);
    step.AddFigure("liquid_flow", FigureQuantity::MassFlow, flow * (1.0 - fraction));
  }
  step.PathByPressure(one.pressure, p2, [&](double) { return one.enthalpy; });
}

}  // namespace

const char* ProcessKindName(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::Expand: return "expand";
    case ProcessKind::Compress: return "compress";
    case ProcessKind::Throttle: return "throttle";
    case ProcessKind::Calorimeter: return "calorimeter";
    case ProcessKind::Heat: return "heat";
    case ProcessKind::Flash: return "flash";
  }
  return "";
}

std::optional<ProcessKind> ProcessKindNamed(const std::string& name) {
  for (ProcessKind kind : {ProcessKind::Expand, ProcessKind::Compress, ProcessKind::Throttle,
                           ProcessKind::Calorimeter, ProcessKind::Heat, ProcessKind::Flash}) {
    if (name == ProcessKindName(kind)) return kind;
  }
  return std::nullopt;
}

const steam::SteamState* ProcessResult::State(const std::string& key) const {
  for (const ProcessState& entry : states) {
    if (entry.key == key && entry.state) return &*entry.state;
  }
  return nullptr;
}

std::optional<double> ProcessResult::Figure(const std::string& key) const {
  for (const ProcessFigure& figure : figures) {
    if (figure.key == key) return figure.value;
  }
  return std::nullopt;
}

ProcessResult RunProcess(ProcessKind kind, steam::Formulation formulation,
                         const std::optional<steam::SteamState>& inlet, const ProcessInputs& inputs,
                         steam::PropertyLibraries& libraries, const LimitText& limitText) {
  Step step(formulation, inputs, libraries, limitText);
  try {
    if (kind == ProcessKind::Calorimeter) {
      Calorimeter(step);
    } else {
      if (!inlet) step.Refuse("Give the inlet state.");
      switch (kind) {
        case ProcessKind::Expand: Expand(step, *inlet); break;
        case ProcessKind::Compress: Compress(step, *inlet); break;
        case ProcessKind::Throttle: Throttle(step, *inlet); break;
        case ProcessKind::Heat: Heat(step, *inlet); break;
        case ProcessKind::Flash: Flash(step, *inlet); break;
        case ProcessKind::Calorimeter: break;
      }
    }
  } catch (const Refused& refused) {
    ProcessResult result;
    result.refusal = refused.reason;
    return result;
  }
  return std::move(step.result);
}

}  // namespace analysis
