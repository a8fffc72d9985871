// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

namespace cli {
namespace {

constexpr const char* kStateUsage =
    "usage: hydrelix-cli state INPUT INPUT [--formulation if97|ifc67] [--units ip|si]\n"
    "                          [--unit KEY=UNIT]... [--format table|json|csv|tsv]\n";
constexpr const char* kCompareUsage =
    "usage: hydrelix-cli compare INPUT INPUT [--units ip|si] [--unit KEY=UNIT]...\n"
    "                            [--format table|json|csv|tsv]\n";
constexpr const char* kBatchUsage =
    "usage: hydrelix-cli batch [FILE|-] [--output FILE] [--jobs N] [--formulation if97|ifc67]\n"
    "                          [--units ip|si] [--unit KEY=UNIT]... [--format csv|tsv|json]\n";
constexpr const char* kTableUsage =
    "usage: hydrelix-cli table saturation (--T RANGE | --p RANGE) [OPTIONS]\n"
    "       hydrelix-cli table isobar --p VALUE --T RANGE [OPTIONS]\n"
    "       hydrelix-cli table isotherm --T VALUE --p RANGE [OPTIONS]\n"
    "       hydrelix-cli table grid --p LIST --T RANGE [OPTIONS]\n";
constexpr const char* kAllUsage =
    "usage: hydrelix-cli state INPUT INPUT [OPTIONS]\n"
    "       hydrelix-cli compare INPUT INPUT [OPTIONS]\n"
    "       hydrelix-cli batch [FILE|-] [OPTIONS]\n"
    "       hydrelix-cli process KIND INPUT [INPUT] [OPTIONS]\n"
    "       hydrelix-cli table KIND [OPTIONS]\n"
    "       hydrelix-cli SUBCOMMAND --help | hydrelix-cli --version\n";

constexpr const char* kInputsHelp =
    "INPUT is NAME=VALUE[UNIT]: NAME is T (temperature), p (pressure), x (quality),\n"
    "h (enthalpy) or s (entropy), in either case; VALUE a number with a point\n"
    "decimal and an optional exponent; UNIT a unit of the calculator's list for\n"
    "that quantity, spaces allowed before it, case and the degree sign optional\n"
    "(100C, 100degC, 100°C), 3 and 2 for ³ and ², and MPa for pressure. Without a\n"
    "unit, IP means °F, psia, BTU/lbm, BTU/lbm-°R and SI °C, Bar, kJ/kg, kJ/kg-K.\n"
    "The two inputs form one of the pairs T-p, T-x, T-h, T-s, p-x, p-h, p-s.\n"
    "\n";

constexpr const char* kOptionsHelp =
    "  --units ip|si        units of the results and of inputs without a unit (ip)\n"
    "  --unit KEY=UNIT      one result in another unit of its list, e.g.\n"
    "                       --unit pressure=MPa --unit density=kg/m3\n";

constexpr const char* kKeysHelp =
    "Result keys, in order: temperature, pressure, quality, enthalpy, entropy,\n"
    "specific_volume, density, isobaric_heat_capacity, isochoric_heat_capacity,\n"
    "viscosity, thermal_conductivity, surface_tension, sonic_velocity,\n"
    "prandtl_number, isentropic_exponent.\n"
    "\n";

constexpr const char* kStateHelp =
    "usage: hydrelix-cli state INPUT INPUT [OPTIONS]\n"
    "\n"
    "Computes one steam state and writes the fifteen results: each result's\n"
    "value (exact unit factors, shortest round-trip digits, null where the\n"
    "calculator shows a placeholder), unit and the calculator's text, then the\n"
    "region, the phase and the margins to saturation.\n"
    "\n"
    "%INPUTS%"
    "Options:\n"
    "  --formulation NAME   if97 (IAPWS-IF97, the default) or ifc67 (IFC-67)\n"
    "%OPTIONS%"
    "  --format NAME        table, json, csv or tsv (table on a terminal, else tsv)\n"
    "\n"
    "%KEYS%"
    "Exit status: 0 computed, 1 the calculator refused the state (its message on\n"
    "standard error), 2 a usage error.\n"
    "\n"
    "Examples:\n"
    "  hydrelix-cli state p=100 h=1300\n"
    "  hydrelix-cli state T=300C p=5MPa --units si --format json\n"
    "  hydrelix-cli state T=212 x=0.5 --formulation ifc67 --unit enthalpy=kJ/kg\n";

constexpr const char* kCompareHelp =
    "usage: hydrelix-cli compare INPUT INPUT [OPTIONS]\n"
    "\n"
    "Computes the state under IAPWS-IF97 and IFC-67 and writes both side by side\n"
    "with the difference of each result (IFC-67 minus IF-97) and its percentage.\n"
    "\n"
    "%INPUTS%"
    "Options:\n"
    "%OPTIONS%"
    "  --format NAME        table, json, csv or tsv (table on a terminal, else tsv)\n"
    "\n"
    "%KEYS%"
    "Exit status: 0 when at least one formulation computed the state, 1 when both\n"
    "refused it, 2 a usage error.\n"
    "\n"
    "Examples:\n"
    "  hydrelix-cli compare T=600 p=100\n"
    "  hydrelix-cli compare T=350C p=10MPa --units si --format json\n";

constexpr const char* kBatchHelp =
    "usage: hydrelix-cli batch [FILE|-] [OPTIONS]\n"
    "\n"
    "Computes a state for every row of a CSV file (standard input without FILE or\n"
    "with -). The header names two input columns as NAME or NAME [UNIT], e.g.\n"
    "\"p [psia],h [BTU/lbm]\" (names in either case, so name other columns\n"
    "otherwise); other columns are copied through in their place. Each output row\n"
    "holds every input column, the fifteen results as \"key [unit]\" columns\n"
    "(empty where the calculator shows a placeholder), region, phase and message:\n"
    "why a row was not computed. Row count and order are kept.\n"
    "\n"
    "Cells hold VALUE or VALUE UNIT as an INPUT does; see hydrelix-cli state --help.\n"
    "\n"
    "Options:\n"
    "  --formulation NAME   if97 (IAPWS-IF97, the default) or ifc67 (IFC-67)\n"
    "%OPTIONS%"
    "  --format NAME        csv (the default), tsv or json (JSON Lines)\n"
    "  --output FILE        write FILE whole or not at all (a temporary file beside\n"
    "                       it is renamed at the end; an interrupted run removes it)\n"
    "  --jobs N             threads (default: the number of cores); the output does\n"
    "                       not depend on N\n"
    "\n"
    "%KEYS%"
    "Exit status: 0 every row computed, 1 some rows not (their count on standard\n"
    "error), 2 the file cannot be read, its header names no pair, or a usage error.\n"
    "\n"
    "Examples:\n"
    "  hydrelix-cli batch states.csv --output results.csv\n"
    "  printf 'p [MPa],T [C]\\n1,200\\n10,400\\n' | hydrelix-cli batch --units si\n"
    "  hydrelix-cli batch plant.csv --format json --jobs 2 > plant.jsonl\n";

constexpr const char* kTableHelp =
    "usage: hydrelix-cli table saturation (--T RANGE | --p RANGE) [OPTIONS]\n"
    "       hydrelix-cli table isobar --p VALUE --T RANGE [OPTIONS]\n"
    "       hydrelix-cli table isotherm --T VALUE --p RANGE [OPTIONS]\n"
    "       hydrelix-cli table grid --p LIST --T RANGE [OPTIONS]\n"
    "\n"
    "Writes a property table row by row as it is computed: a saturation table by\n"
    "temperature or by pressure (both ends of the line on each row, ending with\n"
    "the formulation's own critical point where the range reaches it), a sweep\n"
    "along an isobar or an isotherm (the saturated liquid and vapor inserted\n"
    "where it crosses the line), or a grid of pressures by temperatures (a block\n"
    "per pressure, headed by its saturated vapor, marked \"Sat.\"). Values left out\n"
    "(below the lowest saturation temperature, beyond the critical point) are\n"
    "noted on standard error; a row the formulation refuses keeps its place with\n"
    "the reason in its message column.\n"
    "\n"
    "RANGE is START:END:STEP[UNIT] (the end included when a step lands on it), a\n"
    "list A,B,C[UNIT] (the unit once, after the last value), or for temperatures\n"
    "\"Textbook SI\" or \"Textbook IP\", the printed tables' rows. Without a unit\n"
    "the values are in the unit system's units (IP F and psia, SI C and Bar).\n"
    "\n"
    "Options:\n"
    "  --T RANGE, --p RANGE the temperatures and pressures\n"
    "  --log                RANGE's STEP is the number of points per decade\n"
    "  --columns KEY,...    the columns after the swept one (see below)\n"
    "  --formulation NAME   if97 (IAPWS-IF97, the default) or ifc67 (IFC-67)\n"
    "%OPTIONS%"
    "  --format NAME        csv (the default), tsv or json (JSON Lines)\n"
    "  --output FILE        write FILE, complete or not at all, instead of standard\n"
    "                       output\n"
    "  --jobs N             threads (default: the number of cores); the output does\n"
    "                       not depend on N\n"
    "\n"
    "Columns: the swept variable first (temperature or pressure), then any of the\n"
    "result keys, internal_energy and superheat; a saturation table names them by\n"
    "end (enthalpy_liquid, viscosity_vapor, ...) and adds enthalpy_evaporation,\n"
    "entropy_evaporation and specific_volume_evaporation. A grid or sweep has a\n"
    "mark column (\"Sat.\", \"Sat. liquid\", \"Sat. vapor\", \"liquid\"); every table\n"
    "ends with message.\n"
    "\n"
    "Exit status: 0 every row computed, 1 some rows not (their count on standard\n"
    "error), 2 a usage error or output that cannot be written.\n"
    "\n"
    "Examples:\n"
    "  hydrelix-cli table saturation --T \"Textbook SI\" --units si --unit pressure=MPa\n"
    "  hydrelix-cli table saturation --p 1:1000:3kPa --log --units si\n"
    "  hydrelix-cli table isobar --p 10MPa --T 50:600:10C --units si\n"
    "  hydrelix-cli table grid --p 15,100,500,1000psia --T 100:1200:50F --output grid.csv\n";

constexpr const char* kGeneralHelp =
    "hydrelix-cli: steam and water properties (IAPWS-IF97 and IFC-67) from the shell.\n"
    "\n"
    "usage: hydrelix-cli state INPUT INPUT [OPTIONS]    one state\n"
    "       hydrelix-cli compare INPUT INPUT [OPTIONS]  both formulations side by side\n"
    "       hydrelix-cli batch [FILE|-] [OPTIONS]       a CSV file of states\n"
    "       hydrelix-cli process KIND INPUT [INPUT] [OPTIONS]\n"
    "                  a turbine, pump, valve, calorimeter, heater or flash tank\n"
    "       hydrelix-cli table KIND [OPTIONS]           a property table or sweep\n"
    "       hydrelix-cli SUBCOMMAND --help              a subcommand's options\n"
    "       hydrelix-cli --version\n"
    "\n"
    "Examples:\n"
    "  hydrelix-cli state p=100 h=1300\n"
    "  hydrelix-cli compare T=350C p=10MPa --units si\n"
    "  hydrelix-cli batch states.csv --output results.csv\n"
    "  hydrelix-cli process expand p=1000 T=1000 --p2 2 --efficiency 85\n"
    "  hydrelix-cli table saturation --T \"Textbook SI\" --units si\n";

std::string Expanded(const char* text) {
  std::string out = text;
  auto replace = [&out](const std::string& mark, const char* with) {
    const std::size_t at = out.find(mark);
    if (at != std::string::npos) out.replace(at, mark.size(), with);
  };
  replace("%INPUTS%", kInputsHelp);
  replace("%OPTIONS%", kOptionsHelp);
  replace("%KEYS%", kKeysHelp);
  return out;
}

bool TakesValue(const std::string& name) {
  return name == "formulation" || name == "units" || name == "unit" || name == "format" ||
         name == "output" || name == "jobs" || name == "T" || name == "p" || name == "columns" ||
         IsProcessOption(name);
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& reason) {
  CommandLine line;
  bool optionsEnded = false;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument == "-" || argument.rfind("-", 0) != 0) {
      positional.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      line.help = true;
      continue;
    }
    if (argument == "--version") {
      line.version = true;
      continue;
    }
    if (argument == "--log") {
      line.logarithmic = true;
      continue;
    }
    if (argument.rfind("--", 0) != 0) {
      reason = "unknown option " + argument;
      return std::nullopt;
    }
    const std::size_t equals = argument.find('=');
    const std::string name =
        argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    if (!TakesValue(name)) {
      reason = "unknown option --" + name;
      return std::nullopt;
    }
    std::string value;
    if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      reason = "--" + name + " needs a value";
      return std::nullopt;
    }
    if (name == "unit") {
      line.unitChoices.push_back(value);
      continue;
    }
    if (IsProcessOption(name)) {
      line.processOptions.emplace_back(name, value);
      continue;
    }
    std::optional<std::string>& slot = name == "formulation" ? line.formulation
                                       : name == "units"     ? line.units
                                       : name == "format"    ? line.format
                                       : name == "output"    ? line.output
                                       : name == "T"         ? line.temperatures
                                       : name == "p"         ? line.pressures
                                       : name == "columns"   ? line.columns
                                                             : line.jobs;
    slot = value;
  }
  if (!positional.empty()) {
    line.subcommand = positional.front();
    line.arguments.assign(positional.begin() + 1, positional.end());
  }
  return line;
}

const char* UsageOf(const std::string& subcommand) {
  if (subcommand == "state") return kStateUsage;
  if (subcommand == "compare") return kCompareUsage;
  if (subcommand == "batch") return kBatchUsage;
  if (subcommand == "process") return kProcessUsage;
  if (subcommand == "table") return kTableUsage;
  return kAllUsage;
}

const char* HelpOf(const std::string& subcommand) {
  static const std::string state = Expanded(kStateHelp);
  static const std::string compare = Expanded(kCompareHelp);
  static const std::string batch = Expanded(kBatchHelp);
  static const std::string table = Expanded(kTableHelp);
  if (subcommand == "state") return state.c_str();
  if (subcommand == "compare") return compare.c_str();
  if (subcommand == "batch") return batch.c_str();
  if (subcommand == "process") return ProcessHelp();
  if (subcommand == "table") return table.c_str();
  return kGeneralHelp;
}

}  // namespace cli
