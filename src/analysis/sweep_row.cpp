// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/sweep_row.h"

#include <cmath>
#include <limits>

namespace analysis {

namespace {

using steam::InputPair;
using steam::Result;
using steam::SolveOutcome;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Btu in one psia ft3: u = h - p v in working units.
constexpr double kBtuPerPsiaCubicFoot = 6894.757293168361 * 0.028316846592 / 1055.05585262;

double Cell(const steam::SteamState& state, Result result) {
  return state.IsPlaceholder(result) ? kNaN : state.Value(result);
}

double InternalEnergy(const steam::SteamState& state, double pressure) {
  return state.values.Enthalpy - pressure * state.values.SpecificVolume * kBtuPerPsiaCubicFoot;
}

// Tsat(p) of the last pressure a thread asked for: a grid's block and an
// isobar ask for the same one row after row.
double SaturationTemperature(const SweepRequest& request, double pressure,
                             steam::PropertyLibraries& libraries) {
  struct Last {
    steam::Formulation formulation;
    double pressure;
    double temperature;
  };
  thread_local Last last{steam::Formulation::IF97, kNaN, kNaN};
  if (last.formulation == request.formulation && last.pressure == pressure) return last.temperature;
  const SolveOutcome line = steam::Solve(request.formulation, InputPair::PressureQuality,
                                         LibraryPressure(pressure), 1.0, libraries);
  last = {request.formulation, pressure, line.succeeded ? line.state.values.Temperature : kNaN};
  return last.temperature;
}

std::string MessageOf(const SolveOutcome& outcome) {
  if (outcome.messages.empty()) {
    return "No state: a property library is missing or gave no value here.";
  }
  std::string text;
  for (const steam::Message& message : outcome.messages) {
    if (!text.empty()) text += ' ';
    text += message.text;
  }
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

void Refuse(const SweepRequest& request, double temperature, double pressure,
            const SolveOutcome& outcome, RowOutput out) {
  for (std::size_t i = 0; i < request.columns.size(); ++i) {
    const SweepColumn& column = request.columns[i];
    const bool plain = column.property == ColumnProperty::Result && column.end == ColumnSide::None;
    out.values[i] = plain && column.result == Result::Temperature ? temperature
                    : plain && column.result == Result::Pressure  ? pressure
                                                                  : kNaN;
  }
  *out.message = MessageOf(outcome);
}

// Saturation tables: a row of both ends at one temperature or pressure.
bool SaturationRow(const SweepRequest& request, const SaturationLimits& limits,
                   const PlannedRow& planned, steam::PropertyLibraries& libraries, RowOutput out) {
  const bool critical = planned.type == RowType::CriticalPoint;
  const bool byPressure = planned.type == RowType::SaturationAtPressure;
  const InputPair pair = byPressure ? InputPair::PressureQuality : InputPair::TemperatureQuality;
  const double given = critical ? limits.criticalTemperature
                       : byPressure ? LibraryPressure(planned.pressure)
                                    : planned.temperature;
  const SolveOutcome liquid = steam::Solve(request.formulation, pair, given, 0.0, libraries);
  // At the critical point both ends are the one critical state.
  const SolveOutcome vapor =
      critical ? liquid : steam::Solve(request.formulation, pair, given, 1.0, libraries);
  const double temperature = critical ? limits.criticalTemperature : liquid.state.values.Temperature;
  const double pressure = critical     ? limits.criticalPressure
                          : byPressure ? planned.pressure
                                       : TablePressure(liquid.state.values.Pressure);
  if (!liquid.succeeded || !vapor.succeeded) {
    Refuse(request, byPressure ? kNaN : given, byPressure ? planned.pressure : kNaN,
           liquid.succeeded ? vapor : liquid, out);
    return false;
  }
  for (std::size_t i = 0; i < request.columns.size(); ++i) {
    const SweepColumn& column = request.columns[i];
    double& cell = out.values[i];
    if (column.end == ColumnSide::None) {
      cell = column.result == Result::Temperature ? temperature : pressure;
    } else if (column.end == ColumnSide::Evaporation) {
      cell = vapor.state.Value(column.result) - liquid.state.Value(column.result);
    } else {
      const steam::SteamState& end =
          column.end == ColumnSide::Liquid ? liquid.state : vapor.state;
      cell = column.property == ColumnProperty::InternalEnergy ? InternalEnergy(end, pressure)
                                                               : Cell(end, column.result);
    }
  }
  return true;
}

}  // namespace

bool ComputeRow(const SweepRequest& request, const SaturationLimits& limits, const PlannedRow& planned,
                steam::PropertyLibraries& libraries, RowOutput out) {
  *out.mark = RowMark::None;
  if (planned.type == RowType::SaturationAtTemperature ||
      planned.type == RowType::SaturationAtPressure || planned.type == RowType::CriticalPoint) {
    return SaturationRow(request, limits, planned, libraries, out);
  }

  SolveOutcome outcome;
  double superheat = kNaN;
  // The row's pressure: the one asked for, or the saturation pressure the
  // formulation gave for an end found from its temperature.
  double pressure = planned.pressure;
  switch (planned.type) {
    case RowType::LiquidAtPressure:
    case RowType::VaporAtPressure: {
      const bool vapor = planned.type == RowType::VaporAtPressure;
      outcome = steam::Solve(request.formulation, InputPair::PressureQuality,
                             LibraryPressure(planned.pressure), vapor ? 1.0 : 0.0, libraries);
      if (vapor) superheat = 0.0;
      *out.mark = request.kind == SweepKind::Grid ? RowMark::Saturated
                  : vapor                         ? RowMark::SaturatedVapor
                                                  : RowMark::SaturatedLiquid;
      break;
    }
    case RowType::LiquidAtTemperature:
    case RowType::VaporAtTemperature: {
      const bool vapor = planned.type == RowType::VaporAtTemperature;
      outcome = steam::Solve(request.formulation, InputPair::TemperatureQuality,
                             planned.temperature, vapor ? 1.0 : 0.0, libraries);
      pressure = TablePressure(outcome.state.values.Pressure);
      if (vapor) superheat = 0.0;
      *out.mark = vapor ? RowMark::SaturatedVapor : RowMark::SaturatedLiquid;
      break;
    }
    default:
      outcome = steam::Solve(request.formulation, InputPair::TemperaturePressure,
                             planned.temperature, LibraryPressure(planned.pressure), libraries);
      if (outcome.succeeded && outcome.state.values.Quality == 0.0) *out.mark = RowMark::Liquid;
      break;
  }
  if (!outcome.succeeded) {
    Refuse(request, planned.temperature, planned.pressure, outcome, out);
    return false;
  }

  const steam::SteamState& state = outcome.state;
  for (std::size_t i = 0; i < request.columns.size(); ++i) {
    const SweepColumn& column = request.columns[i];
    double& cell = out.values[i];
    switch (column.property) {
      case ColumnProperty::Result:
        cell = column.result == Result::Pressure ? pressure : Cell(state, column.result);
        break;
      case ColumnProperty::InternalEnergy:
        cell = InternalEnergy(state, pressure);
        break;
      case ColumnProperty::Superheat:
        // A vapour's distance above the saturation temperature at its own
        // pressure; none above the critical pressure, none for a liquid.
        if (planned.type == RowType::SinglePhase && state.values.Quality == 1.0 &&
            planned.pressure < limits.criticalPressure) {
          superheat = state.values.Temperature -
                      SaturationTemperature(request, planned.pressure, libraries);
        }
        cell = superheat;
        break;
    }
  }
  return true;
}

}  // namespace analysis
