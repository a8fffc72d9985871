#include "analysis/chart_axes.h"

#include "steam/si_state.h"
#include "units/unit_catalogue.h"
#include "units/unit_lists.h"

namespace analysis {
namespace {

// SI to the main window's working units (deg F, psia, Btu/lbmol,
// Btu/(lbmol R)): working = factor * si + offset, by the one bridge to SI.
struct WorkingScale {
  double factor;
  double offset;
};

WorkingScale WorkingScaleOf(ChartQuantity quantity) {
  steam::SteamState unit;
  unit.values.Enthalpy = 1.0;
  unit.values.Entropy = 1.0;
  const steam::SiState si = steam::ToSi(unit);
  switch (quantity) {
    case ChartQuantity::Temperature: {
      const double offset = steam::FahrenheitFromKelvin(0.0);
      return {steam::FahrenheitFromKelvin(1.0) - offset, offset};
    }
    case ChartQuantity::Pressure: return {steam::PsiaFromMegapascal(1.0), 0.0};
    case ChartQuantity::Enthalpy: return {1.0 / si.enthalpy, 0.0};
    case ChartQuantity::Entropy: return {1.0 / si.entropy, 0.0};
  }
  return {1.0, 0.0};
}

// The main window's unit list of each quantity, cboUnits(16) to (19); its
// tag ("Temperature", "Pressure" ...) also names the axis.
const units::UnitList& ListOf(ChartQuantity quantity) {
  switch (quantity) {
    case ChartQuantity::Temperature: return *units::FindUnitList(16);
    case ChartQuantity::Pressure: return *units::FindUnitList(17);
    case ChartQuantity::Enthalpy: return *units::FindUnitList(18);
    case ChartQuantity::Entropy: return *units::FindUnitList(19);
  }
  return *units::FindUnitList(16);
}

}  // namespace

ChartAxes AxesOf(ChartKind kind) {
  switch (kind) {
    case ChartKind::TemperatureEntropy:
      return {ChartQuantity::Entropy, ChartQuantity::Temperature, false};
    case ChartKind::EnthalpyEntropy: return {ChartQuantity::Entropy, ChartQuantity::Enthalpy, false};
    case ChartKind::PressureEnthalpy: return {ChartQuantity::Enthalpy, ChartQuantity::Pressure, true};
  }
  return {ChartQuantity::Entropy, ChartQuantity::Temperature, false};
}

const char* ChartTitle(ChartKind kind) {
  switch (kind) {
    case ChartKind::TemperatureEntropy: return "T-s";
    case ChartKind::EnthalpyEntropy: return "h-s (Mollier)";
    case ChartKind::PressureEnthalpy: return "p-h";
  }
  return "";
}

const char* ChartShortTitle(ChartKind kind) {
  return kind == ChartKind::EnthalpyEntropy ? "h-s" : ChartTitle(kind);
}

bool ChartShows(ChartKind kind, LineFamily family) {
  switch (family) {
    case LineFamily::Isobar: return kind != ChartKind::PressureEnthalpy;
    case LineFamily::Isotherm: return kind != ChartKind::TemperatureEntropy;
    default: return true;
  }
}

double CoordinateOf(const ChartPoint& point, ChartQuantity quantity) {
  switch (quantity) {
    case ChartQuantity::Temperature: return point.temperature;
    case ChartQuantity::Pressure: return point.pressure;
    case ChartQuantity::Enthalpy: return point.enthalpy;
    case ChartQuantity::Entropy: return point.entropy;
  }
  return point.temperature;
}

ChartUnits ChartUnits::Of(UnitSystem system) {
  auto pick = [system](ChartQuantity quantity) {
    const units::UnitList& list = ListOf(quantity);
    return system == UnitSystem::IP ? list.ipUnit : list.siUnit;
  };
  return {pick(ChartQuantity::Temperature), pick(ChartQuantity::Pressure), pick(ChartQuantity::Enthalpy),
          pick(ChartQuantity::Entropy)};
}

int16_t ChartUnits::UnitOf(ChartQuantity quantity) const {
  switch (quantity) {
    case ChartQuantity::Temperature: return temperature;
    case ChartQuantity::Pressure: return pressure;
    case ChartQuantity::Enthalpy: return enthalpy;
    case ChartQuantity::Entropy: return entropy;
  }
  return 0;
}

AxisScale ScaleOf(ChartQuantity quantity, int16_t unit) {
  // Every unit of the four lists is an affine function of the working unit;
  // the main window's conversions give it from two values far apart, so the
  // chart shows what the fields would show.
  const WorkingScale working = WorkingScaleOf(quantity);
  const units::Quantity listQuantity = ListOf(quantity).quantity;
  const auto express = [&](double workingValue) {
    return units::ExpressInUnit(listQuantity, workingValue, steam::WorkingState{}.MolarMass, unit);
  };
  constexpr double kFar = 10000.0;
  const double zero = express(0.0);
  const double perWorking = (express(kFar) - zero) / kFar;
  AxisScale scale;
  scale.scale = perWorking * working.factor;
  scale.offset = perWorking * working.offset + zero;
  const std::vector<std::string>* labels = units::UnitLabels(ListOf(quantity).tag);
  if (labels != nullptr && unit >= 0 && static_cast<size_t>(unit) < labels->size()) {
    scale.label = (*labels)[unit];
  }
  return scale;
}

std::string AxisCaption(ChartQuantity quantity, const AxisScale& scale) {
  return std::string(ListOf(quantity).tag) + " [" + scale.label + "]";
}

ChartProjection::ChartProjection(ChartKind kind, const ChartUnits& units)
    : kind_(kind),
      axes_(AxesOf(kind)),
      x_(ScaleOf(axes_.x, units.UnitOf(axes_.x))),
      y_(ScaleOf(axes_.y, units.UnitOf(axes_.y))) {}

PlotPoint ChartProjection::Project(const ChartPoint& point) const {
  return {x_.FromSi(CoordinateOf(point, axes_.x)), y_.FromSi(CoordinateOf(point, axes_.y))};
}

std::vector<PlotPoint> ChartProjection::Project(const std::vector<ChartPoint>& points) const {
  std::vector<PlotPoint> plotted;
  plotted.reserve(points.size());
  for (const ChartPoint& point : points) plotted.push_back(Project(point));
  return plotted;
}

}  // namespace analysis
