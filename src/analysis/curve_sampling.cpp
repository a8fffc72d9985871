#include "analysis/curve_sampling.h"

#include <algorithm>
#include <cmath>

namespace analysis {
namespace {

// How far a bend may take the line from its chord before a point is put in
// between, as a fraction of a typical view's extent on each axis.
constexpr double kBendTolerance = 0.0005;
constexpr int kMaxHalvings = 7;

struct Scaled {
  double temperature, logPressure, enthalpy, entropy;
};

Scaled ScaledOf(const ChartPoint& point) {
  return {point.temperature / 800.0, std::log10(point.pressure) / 6.0, point.enthalpy / 3500.0,
          point.entropy / 8.0};
}

double Deviation(double a, double b, double middle) { return std::fabs(middle - 0.5 * (a + b)); }

// The largest distance of the middle point from the chord in the planes of
// the three charts (T-s, h-s, p-h).
bool Bends(const ChartPoint& a, const ChartPoint& middle, const ChartPoint& b) {
  const Scaled sa = ScaledOf(a), sm = ScaledOf(middle), sb = ScaledOf(b);
  const double worst = std::max({Deviation(sa.temperature, sb.temperature, sm.temperature),
                                 Deviation(sa.entropy, sb.entropy, sm.entropy),
                                 Deviation(sa.enthalpy, sb.enthalpy, sm.enthalpy),
                                 Deviation(sa.logPressure, sb.logPressure, sm.logPressure)});
  return worst > kBendTolerance;
}

void Refine(const CurveFunction& at, double t0, const ChartPoint& a, double t1,
            const ChartPoint& b, int depth, std::vector<ChartPoint>& out) {
  if (depth < kMaxHalvings) {
    const double tm = 0.5 * (t0 + t1);
    if (const std::optional<ChartPoint> middle = at(tm)) {
      if (Bends(a, *middle, b)) {
        Refine(at, t0, a, tm, *middle, depth + 1, out);
        out.push_back(*middle);
        Refine(at, tm, *middle, t1, b, depth + 1, out);
      }
    }
  }
}

}  // namespace

std::vector<ChartPoint> SampleCurve(const CurveFunction& at, const std::vector<double>& parameters) {
  std::vector<ChartPoint> points;
  std::optional<ChartPoint> previous;
  double previousParameter = 0.0;
  for (double t : parameters) {
    const std::optional<ChartPoint> point = at(t);
    if (!point) continue;
    if (previous) Refine(at, previousParameter, *previous, t, *point, 0, points);
    points.push_back(*point);
    previous = point;
    previousParameter = t;
  }
  return points;
}

std::vector<double> CrowdedParameters(int n, double crowding) {
  std::vector<double> parameters;
  parameters.reserve(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double even = static_cast<double>(i) / n;
    parameters.push_back(1.0 - std::pow(1.0 - even, crowding));
  }
  return parameters;
}

}  // namespace analysis
