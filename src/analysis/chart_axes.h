// The three charts, their axes, and how a point in SI is expressed in the
// main window's units on them.
#ifndef HYDRELIX_ANALYSIS_CHART_AXES_H
#define HYDRELIX_ANALYSIS_CHART_AXES_H

#include "analysis/chart_lines.h"
#include "analysis/chart_point.h"

#include <cstdint>
#include <string>

namespace analysis {

enum class ChartKind { TemperatureEntropy, EnthalpyEntropy, PressureEnthalpy };
inline constexpr ChartKind kChartKinds[] = {ChartKind::TemperatureEntropy,
                                            ChartKind::EnthalpyEntropy,
                                            ChartKind::PressureEnthalpy};

enum class ChartQuantity { Temperature, Pressure, Enthalpy, Entropy };

struct ChartAxes {
  ChartQuantity x;
  ChartQuantity y;
  bool logarithmicY;
};

ChartAxes AxesOf(ChartKind kind);
// "T-s", "h-s (Mollier)", "p-h"; the short one names pins: "T-s", "h-s", "p-h".
const char* ChartTitle(ChartKind kind);
const char* ChartShortTitle(ChartKind kind);
// Whether the chart draws lines of this family (isobars are the p-h
// chart's grid; isotherms belong to h-s and p-h).
bool ChartShows(ChartKind kind, LineFamily family);

double CoordinateOf(const ChartPoint& point, ChartQuantity quantity);

// The unit selected in each of the main window's four lists, as positions
// in the lists (cboUnits(16), (17), (18), (19)).
struct ChartUnits {
  int16_t temperature = 0;
  int16_t pressure = 0;
  int16_t enthalpy = 3;
  int16_t entropy = 3;

  static ChartUnits Of(UnitSystem system);
  int16_t UnitOf(ChartQuantity quantity) const;
  bool operator==(const ChartUnits& other) const {
    return temperature == other.temperature && pressure == other.pressure &&
           enthalpy == other.enthalpy && entropy == other.entropy;
  }
};

// value in the unit = scale * value in SI + offset.
struct AxisScale {
  double scale = 1.0;
  double offset = 0.0;
  std::string label;  // "°F", "BTU/lbm-°R" ...

  double FromSi(double si) const { return scale * si + offset; }
  double ToSi(double value) const { return (value - offset) / scale; }
};

AxisScale ScaleOf(ChartQuantity quantity, int16_t unit);

// An axis caption with its unit: "Temperature [°F]".
std::string AxisCaption(ChartQuantity quantity, const AxisScale& scale);

// A point of a chart in the axes' units.
struct PlotPoint {
  double x;
  double y;
};

class ChartProjection {
 public:
  ChartProjection(ChartKind kind, const ChartUnits& units);
  ChartKind Kind() const { return kind_; }
  const AxisScale& X() const { return x_; }
  const AxisScale& Y() const { return y_; }
  PlotPoint Project(const ChartPoint& point) const;
  std::vector<PlotPoint> Project(const std::vector<ChartPoint>& points) const;

 private:
  ChartKind kind_;
  ChartAxes axes_;
  AxisScale x_;
  AxisScale y_;
};

}  // namespace analysis

#endif
