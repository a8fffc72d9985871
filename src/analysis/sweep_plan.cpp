// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/sweep_plan.h"

#include "steam/conversion_factors.h"

#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace analysis {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// A value within this fraction of a limit is at the limit: a value typed in
// another unit comes back through its conversion an ulp or two off.
constexpr double kLimitTolerance = 1e-12;

// The formulation's limits as working values that come back as its own
// numbers: the critical row reads 22.064 MPa, not 22.064000000000004.
double WorkingTemperature(double kelvin) {
  return WorkingValue(units::Quantity::Temperature, kelvin, 3, true);
}
double WorkingPressure(double megapascal) {
  return WorkingValue(units::Quantity::Pressure, megapascal, kMegapascal, true);
}

bool Below(double value, double limit) { return value < limit - kLimitTolerance * std::fabs(limit); }
bool AtOrAbove(double value, double limit) { return !Below(value, limit); }
bool Beyond(double value, double limit) { return value > limit + kLimitTolerance * std::fabs(limit); }

std::string Shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

std::string ValueList(const std::vector<double>& values, units::Quantity quantity,
                      const TableUnits& units) {
  std::string list;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i == 5 && values.size() > 6) {
      list += ", ... (" + std::to_string(values.size()) + " in all)";
      break;
    }
    if (i > 0) list += ", ";
    list += Shown(FromWorking(quantity, values[i], units.Of(quantity)));
  }
  return list;
}

}  // namespace

namespace {

constexpr double kExactAtmosphere = 101325.0 / 6894.757293168361;  // psia

}  // namespace

double LibraryPressure(double tablePsia) { return tablePsia * steam::kPressureFactor / kExactAtmosphere; }
double TablePressure(double libraryPsia) { return libraryPsia * kExactAtmosphere / steam::kPressureFactor; }

SaturationLimits LimitsOf(steam::Formulation formulation, steam::PropertyLibraries& libraries) {
  const bool if97 = formulation == steam::Formulation::IF97;
  SaturationLimits limits{};
  limits.criticalTemperature =
      WorkingTemperature(if97 ? if97::kCriticalTemperature : ifc67::kCriticalTemperature);
  limits.criticalPressure =
      WorkingPressure(if97 ? if97::kCriticalPressure : ifc67::kCriticalPressure);
  limits.lowestTemperature =
      WorkingTemperature(if97 ? if97::kMinTemperature : ifc67::kMinTemperature);
  const steam::SolveOutcome lowest = steam::Solve(
      formulation, steam::InputPair::TemperatureQuality, limits.lowestTemperature, 0.0, libraries);
  limits.lowestPressure = lowest.succeeded ? TablePressure(lowest.state.values.Pressure) : kNaN;
  return limits;
}

RowCursor::RowCursor(const SweepRequest& request, const SaturationLimits& limits,
                     steam::PropertyLibraries& libraries)
    : request_(request), limits_(limits), crossing_(kNaN) {
  if (request.kind == SweepKind::IsobarSweep && request.pressures.size() == 1) {
    const double p = request.pressures.front();
    if (Below(p, limits.criticalPressure)) {
      const steam::SolveOutcome line = steam::Solve(
          request.formulation, steam::InputPair::PressureQuality, LibraryPressure(p), 0.0, libraries);
      if (line.succeeded) crossing_ = line.state.values.Temperature;
    }
  }
  if (request.kind == SweepKind::IsothermSweep && request.temperatures.size() == 1) {
    const double T = request.temperatures.front();
    if (Below(T, limits.criticalTemperature)) {
      const steam::SolveOutcome line = steam::Solve(
          request.formulation, steam::InputPair::TemperatureQuality, T, 0.0, libraries);
      if (line.succeeded) crossing_ = TablePressure(line.state.values.Pressure);
    }
  }
}

bool RowCursor::Next(PlannedRow& row) {
  while (pending_.empty() && !finished_) Refill();
  if (pending_.empty()) return false;
  row = pending_.front();
  pending_.pop_front();
  return true;
}

void RowCursor::SaturationRow(double value, bool byTemperature) {
  const double lowest = byTemperature ? limits_.lowestTemperature : limits_.lowestPressure;
  const double critical = byTemperature ? limits_.criticalTemperature : limits_.criticalPressure;
  if (Below(value, lowest) || std::isnan(lowest)) {
    belowLowest_.push_back(value);
    return;
  }
  if (AtOrAbove(value, critical)) {
    if (Beyond(value, critical)) beyondCritical_.push_back(value);
    if (!criticalDone_) pending_.push_back({RowType::CriticalPoint, 0.0, 0.0});
    criticalDone_ = true;
    return;
  }
  if (byTemperature) {
    pending_.push_back({RowType::SaturationAtTemperature, value, 0.0});
  } else {
    pending_.push_back({RowType::SaturationAtPressure, 0.0, value});
  }
}

// The saturated ends go between two neighbours on opposite sides of the line,
// in the order the sweep meets them.
void RowCursor::Crossing(double previous, double value) {
  if (std::isnan(crossing_) || !((previous - crossing_) * (value - crossing_) < 0.0)) return;
  const bool rising = value > previous;
  if (request_.kind == SweepKind::IsobarSweep) {
    const double p = request_.pressures.front();
    const RowType first = rising ? RowType::LiquidAtPressure : RowType::VaporAtPressure;
    const RowType second = rising ? RowType::VaporAtPressure : RowType::LiquidAtPressure;
    pending_.push_back({first, crossing_, p});
    pending_.push_back({second, crossing_, p});
  } else {
    // Along an isotherm rising pressure meets the vapour first.
    const double T = request_.temperatures.front();
    const RowType first = rising ? RowType::VaporAtTemperature : RowType::LiquidAtTemperature;
    const RowType second = rising ? RowType::LiquidAtTemperature : RowType::VaporAtTemperature;
    pending_.push_back({first, T, crossing_});
    pending_.push_back({second, T, crossing_});
  }
}

void RowCursor::FinishSaturationTable() {
  if (request_.endsAtCriticalPoint && !criticalDone_) {
    pending_.push_back({RowType::CriticalPoint, 0.0, 0.0});
    criticalDone_ = true;
  }
  const bool byTemperature = request_.kind == SweepKind::SaturationByTemperature;
  const units::Quantity quantity =
      byTemperature ? units::Quantity::Temperature : units::Quantity::Pressure;
  const std::string unit = " " + UnitLabel(quantity, request_.units.Of(quantity));
  const char* name = byTemperature ? "temperature" : "pressure";
  if (!belowLowest_.empty()) {
    const double lowest = byTemperature ? limits_.lowestTemperature : limits_.lowestPressure;
    notes_.push_back("Left out below the lowest saturation " + std::string(name) + " (" +
                     Shown(FromWorking(quantity, lowest, request_.units.Of(quantity))) + unit +
                     "): " + ValueList(belowLowest_, quantity, request_.units) + unit + ".");
  }
  if (!beyondCritical_.empty()) {
    const double critical =
        byTemperature ? limits_.criticalTemperature : limits_.criticalPressure;
    notes_.push_back("Left out above the critical " + std::string(name) + " (" +
                     Shown(FromWorking(quantity, critical, request_.units.Of(quantity))) + unit +
                     "): " + ValueList(beyondCritical_, quantity, request_.units) + unit + ".");
  }
}

void RowCursor::Refill() {
  const std::vector<double>& T = request_.temperatures;
  const std::vector<double>& p = request_.pressures;
  switch (request_.kind) {
    case SweepKind::SaturationByTemperature:
    case SweepKind::SaturationByPressure: {
      const bool byTemperature = request_.kind == SweepKind::SaturationByTemperature;
      const std::vector<double>& values = byTemperature ? T : p;
      if (outer_ < values.size()) {
        SaturationRow(values[outer_++], byTemperature);
      } else {
        FinishSaturationTable();
        finished_ = true;
      }
      return;
    }
    case SweepKind::Grid:
      if (outer_ >= p.size()) {
        finished_ = true;
        return;
      }
      // A block per pressure, headed by its saturated vapour where the
      // pressure has one.
      if (Below(p[outer_], limits_.criticalPressure) && AtOrAbove(p[outer_], limits_.lowestPressure)) {
        pending_.push_back({RowType::VaporAtPressure, 0.0, p[outer_]});
      }
      for (double temperature : T) pending_.push_back({RowType::SinglePhase, temperature, p[outer_]});
      ++outer_;
      return;
    case SweepKind::IsobarSweep:
    case SweepKind::IsothermSweep: {
      const bool isobar = request_.kind == SweepKind::IsobarSweep;
      const std::vector<double>& values = isobar ? T : p;
      if (outer_ >= values.size() || (isobar ? p.empty() : T.empty())) {
        finished_ = true;
        return;
      }
      if (outer_ > 0) Crossing(values[outer_ - 1], values[outer_]);
      const double value = values[outer_++];
      pending_.push_back({RowType::SinglePhase, isobar ? value : T.front(),
                          isobar ? p.front() : value});
      return;
    }
  }
  finished_ = true;
}

}  // namespace analysis
