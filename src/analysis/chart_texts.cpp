#include "analysis/chart_texts.h"

#include <cmath>
#include <cstdio>

namespace analysis {
namespace {

constexpr int kReadoutDigits = 5;
constexpr int kValueDigits = 6;

const char* SymbolOf(ChartQuantity quantity) {
  switch (quantity) {
    case ChartQuantity::Temperature: return "T";
    case ChartQuantity::Pressure: return "p";
    case ChartQuantity::Enthalpy: return "h";
    case ChartQuantity::Entropy: return "s";
  }
  return "";
}

std::string ValueLine(ChartQuantity quantity, double si, const ChartUnits& units, int digits) {
  const AxisScale scale = ScaleOf(quantity, units.UnitOf(quantity));
  return std::string(SymbolOf(quantity)) + " = " + ShortNumber(scale.FromSi(si), digits) + " " +
         scale.label;
}

}  // namespace

std::string ShortNumber(double value, int significant) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*g", significant, value);
  return text;
}

std::string MarkText(const ChartMark& mark, const ChartUnits& units) {
  const ChartPoint& p = mark.point;
  std::string text = mark.name;
  for (ChartQuantity quantity : {ChartQuantity::Temperature, ChartQuantity::Pressure,
                                 ChartQuantity::Enthalpy, ChartQuantity::Entropy}) {
    text += "\n" + ValueLine(quantity, CoordinateOf(p, quantity), units, kValueDigits);
  }
  if (std::isfinite(p.quality)) text += "\nx = " + ShortNumber(p.quality, kValueDigits);
  return text;
}

std::string PointerReadout(const ChartProjection& projection, double x, double y) {
  const ChartAxes axes = AxesOf(projection.Kind());
  return std::string(SymbolOf(axes.y)) + " = " + ShortNumber(y, kReadoutDigits) + " " +
         projection.Y().label + "   " + SymbolOf(axes.x) + " = " + ShortNumber(x, kReadoutDigits) +
         " " + projection.X().label;
}

}  // namespace analysis
