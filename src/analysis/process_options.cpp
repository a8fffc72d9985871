// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/process_options.h"

namespace analysis {
namespace {

constexpr unsigned Bit(ProcessKind kind) { return 1u << static_cast<unsigned>(kind); }
constexpr unsigned kExpand = Bit(ProcessKind::Expand);
constexpr unsigned kCompress = Bit(ProcessKind::Compress);
constexpr unsigned kThrottle = Bit(ProcessKind::Throttle);
constexpr unsigned kCalorimeter = Bit(ProcessKind::Calorimeter);
constexpr unsigned kHeat = Bit(ProcessKind::Heat);
constexpr unsigned kFlash = Bit(ProcessKind::Flash);
constexpr unsigned kAll = kExpand | kCompress | kThrottle | kCalorimeter | kHeat | kFlash;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

const std::vector<ProcessOption>& AllProcessOptions() {
  static const std::vector<ProcessOption> options = {
      {"p1", "Inlet pressure", OptionValue::Pressure, &ProcessInputs::inletPressure, kCalorimeter},
      {"p2", "Outlet pressure", OptionValue::Pressure, &ProcessInputs::outletPressure, kAll},
      {"efficiency", "Isentropic efficiency", OptionValue::Percent, &ProcessInputs::efficiency,
       kExpand | kCompress},
      {"h2", "Outlet enthalpy", OptionValue::Enthalpy, &ProcessInputs::outletEnthalpy, kExpand},
      {"x2", "Outlet quality", OptionValue::Quality, &ProcessInputs::outletQuality,
       kExpand | kHeat},
      {"T2", "Outlet temperature", OptionValue::Temperature, &ProcessInputs::outletTemperature,
       kExpand | kCalorimeter | kHeat},
      {"duty", "Duty per unit mass", OptionValue::Enthalpy, &ProcessInputs::duty, kHeat},
      {"flow", "Mass flow", OptionValue::Flow, &ProcessInputs::massFlow, kAll & ~kCalorimeter},
      {"generator-efficiency", "Generator efficiency", OptionValue::Percent,
       &ProcessInputs::generatorEfficiency, kExpand},
      {"combustion-efficiency", "Combustion efficiency", OptionValue::Percent,
       &ProcessInputs::combustionEfficiency, kHeat},
      {"spray-p", "Spray water pressure", OptionValue::Pressure, &ProcessInputs::sprayPressure,
       kThrottle},
      {"spray-T", "Spray water temperature", OptionValue::Temperature,
       &ProcessInputs::sprayTemperature, kThrottle},
      {"target-T", "Target outlet temperature", OptionValue::Temperature,
       &ProcessInputs::targetTemperature, kThrottle},
  };
  return options;
}

bool Takes(const ProcessOption& option, ProcessKind kind) {
  return (option.steps & Bit(kind)) != 0;
}

std::vector<const ProcessOption*> OptionsOf(ProcessKind kind) {
  std::vector<const ProcessOption*> out;
  for (const ProcessOption& option : AllProcessOptions()) {
    if (Takes(option, kind)) out.push_back(&option);
  }
  return out;
}

const ProcessOption* FindProcessOption(std::string_view name) {
  for (const ProcessOption& option : AllProcessOptions()) {
    if (SameName(option.name, name)) return &option;
  }
  return nullptr;
}

}  // namespace analysis
