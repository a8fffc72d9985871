// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/process_options.h"

#include <cstdint>
#include <optional>

#include "analysis/process_options.h"
#include "analysis/process_units.h"
#include "cli/state_inputs.h"
#include "units/flow_power_units.h"
#include "units/unit_names.h"

namespace cli {
namespace {

using analysis::OptionValue;

// A value of a quantity of the window's lists in SI (K, MPa, kJ/kg).
std::optional<double> ListValue(InputName name, std::string_view unitText, double value, bool si,
                                std::string& reason) {
  const units::Quantity quantity = *InputQuantity(name);
  int16_t unit = DefaultInputUnit(name, si);
  if (!unitText.empty()) {
    const std::optional<int16_t> named = units::FindUnit(quantity, unitText);
    if (!named) {
      reason = "\"" + std::string(unitText) + "\" is not a unit of " + InputKey(name);
      return std::nullopt;
    }
    unit = *named;
  }
  return analysis::SiFromUnit(quantity, value, unit);
}

std::optional<double> ReadValue(OptionValue kind, const std::string& text, bool si,
                                std::string& reason) {
  const std::optional<ValueAndUnit> split = SplitValueUnit(text, reason);
  if (!split) return std::nullopt;
  const std::string_view unit = split->unit;
  switch (kind) {
    case OptionValue::Pressure:
      return ListValue(InputName::Pressure, unit, split->value, si, reason);
    case OptionValue::Temperature:
      return ListValue(InputName::Temperature, unit, split->value, si, reason);
    case OptionValue::Enthalpy:
      return ListValue(InputName::Enthalpy, unit, split->value, si, reason);
    case OptionValue::Quality:
      if (!unit.empty()) {
        reason = "a quality has no unit";
        return std::nullopt;
      }
      return split->value;
    case OptionValue::Percent:
      if (!unit.empty() && unit != "%") {
        reason = "\"" + std::string(unit) + "\" is not %: give a percentage";
        return std::nullopt;
      }
      return split->value / 100.0;
    case OptionValue::Flow: {
      std::optional<int16_t> index = units::SystemFlowUnit(si);
      if (!unit.empty()) index = units::FindUnitInRow(units::kFlowRateTag, unit);
      if (!index) {
        reason = "\"" + std::string(unit) +
                 "\" is not a unit of mass flow (lbm/hr, lbm/min, lbm/s, kg/hr, kg/min, kg/s)";
        return std::nullopt;
      }
      return units::FlowFromUnit(split->value, *index);
    }
  }
  return std::nullopt;
}

}  // namespace

// The calorimeter's inlet pressure is its INPUT on the command line.
bool IsProcessOption(std::string_view name) {
  const analysis::ProcessOption* option = analysis::FindProcessOption(name);
  return option != nullptr && std::string_view(option->name) != "p1";
}

bool ReadProcessOptions(analysis::ProcessKind kind, const ProcessOptions& options, bool si,
                        analysis::ProcessInputs& inputs, std::string& reason) {
  for (const auto& [name, text] : options) {
    const analysis::ProcessOption* option = analysis::FindProcessOption(name);
    if (option == nullptr || !IsProcessOption(name)) {
      reason = "unknown option --" + name;
      return false;
    }
    if (!analysis::Takes(*option, kind)) {
      reason = std::string("--") + option->name + " is not an option of " +
               analysis::ProcessKindName(kind);
      return false;
    }
    std::string why;
    const std::optional<double> value = ReadValue(option->value, text, si, why);
    if (!value) {
      reason = std::string("--") + option->name + " " + text + ": " + why;
      return false;
    }
    inputs.*(option->field) = *value;
  }
  return true;
}

const char* const kProcessUsage =
    "usage: hydrelix-cli process KIND INPUT [INPUT] [--p2 P] [--efficiency PERCENT] [--h2 H]\n"
    "                            [--x2 X] [--T2 T] [--duty Q] [--flow M]\n"
    "                            [--generator-efficiency PERCENT]\n"
    "                            [--combustion-efficiency PERCENT] [--spray-p P]\n"
    "                            [--spray-T T] [--target-T T] [--formulation if97|ifc67]\n"
    "                            [--units ip|si] [--unit KEY=UNIT]...\n"
    "                            [--format table|json|csv|tsv]\n";

const char* ProcessHelp() {
  return "usage: hydrelix-cli process KIND INPUT [INPUT] [OPTIONS]\n"
         "\n"
         "What a plant step does to a state. The inlet is two inputs as\n"
         "hydrelix-cli state takes them (the calorimeter's only p=VALUE[UNIT]).\n"
         "KIND and what it is given:\n"
         "  expand       a turbine: --p2 and --efficiency (85 % unless given), or\n"
         "               the outlet's --h2, --x2 or --T2 (superheated) to find the\n"
         "               efficiency; --flow, --generator-efficiency. The efficiency is\n"
         "               that of the whole expansion, wet stages included.\n"
         "  compress     a pump or compressor: --p2, --efficiency (75 %), --flow\n"
         "  throttle     a valve: --p2, --flow; with --spray-p, --spray-T and\n"
         "               --target-T the spray water that desuperheats the outlet\n"
         "  calorimeter  a throttling calorimeter: the inlet pressure p=..., --p2\n"
         "               and the measured --T2 give the inlet's quality\n"
         "  heat         a heater, boiler or cooler: --p2 (the inlet's unless\n"
         "               given) and one of --T2, --x2 or --duty (per unit mass);\n"
         "               --flow, --combustion-efficiency\n"
         "  flash        a flash tank at --p2; --flow\n"
         "\n"
         "Each option is VALUE[UNIT] as the inputs take it; --x2 is a quality from 0\n"
         "to 1, efficiencies are percentages (85 or 85%), --flow takes lbm/hr,\n"
         "lbm/min, lbm/s, kg/hr, kg/min or kg/s (IP lbm/hr, SI kg/s without a unit).\n"
         "\n"
         "Options:\n"
         "  --formulation NAME   if97 (IAPWS-IF97, the default) or ifc67 (IFC-67)\n"
         "  --units ip|si        units of the results and of values without a unit (ip)\n"
         "  --unit KEY=UNIT      one result of the states in another unit of its list;\n"
         "                       energies per unit mass follow enthalpy, entropy_rise\n"
         "                       entropy\n"
         "  --format NAME        table, json, csv or tsv (table on a terminal, else tsv)\n"
         "\n"
         "Results: the states inlet, ideal_outlet, outlet, vapor and liquid, each as\n"
         "hydrelix-cli state writes it, and the figures work, isentropic_work,\n"
         "efficiency (%), moisture, volume_work, entropy_rise, spray_ratio, duty,\n"
         "fuel_energy (per unit mass), shaft_power, electric_power, duty_total,\n"
         "fuel_power (hp or kW), outlet_flow, vapor_flow, liquid_flow (lbm/hr or\n"
         "kg/s) and flash_fraction, as the step has them. JSON is one object with a\n"
         "key for each state (null for a flash tank's missing phase), each figure as\n"
         "{\"value\", \"unit\"} and \"messages\"; CSV and TSV have the columns part, key,\n"
         "value, unit and text, part naming the state or \"figure\"; the table lists\n"
         "each state, then the figures. Messages go to standard error as well.\n"
         "\n"
         "Exit status: 0 computed (a flash tank whose inlet all flashes or none of it\n"
         "does too, with its message), 1 the step or its inlet was refused (the\n"
         "message on standard error), 2 a usage error.\n"
         "\n"
         "Examples:\n"
         "  hydrelix-cli process expand p=1000 T=1000 --p2 2 --efficiency 85\n"
         "  hydrelix-cli process expand p=10MPa T=500C --p2 10kPa --flow 100kg/s --units si\n"
         "  hydrelix-cli process flash p=150 x=0 --p2 15 --flow 10000 --format json\n"
         "  hydrelix-cli process calorimeter p=150 --p2 14.7 --T2 250\n"
         "  hydrelix-cli process heat T=100C p=1MPa --T2 300C --flow 2kg/s --units si\n";
}

}  // namespace cli
