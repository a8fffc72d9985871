// One point of a chart line or mark: the four quantities the three charts
// plot, in SI (K, MPa, kJ/kg, kJ/(kg K)), with the vapour fraction of a wet
// point (NaN for a single-phase one).
#ifndef HYDRELIX_ANALYSIS_CHART_POINT_H
#define HYDRELIX_ANALYSIS_CHART_POINT_H

#include <limits>

namespace analysis {

struct ChartPoint {
  double temperature = std::numeric_limits<double>::quiet_NaN();  // K
  double pressure = std::numeric_limits<double>::quiet_NaN();     // MPa
  double enthalpy = std::numeric_limits<double>::quiet_NaN();     // kJ/kg
  double entropy = std::numeric_limits<double>::quiet_NaN();      // kJ/(kg K)
  double quality = std::numeric_limits<double>::quiet_NaN();      // wet points only

  bool IsFinite() const;
};

}  // namespace analysis

#endif
