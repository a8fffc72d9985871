// The density search of subregions 3 and 4 takes the right root of the
// isotherm: compared with a walk in steps of 0.02 % over the whole interval,
// which cannot miss a branch, for states around the critical point, where
// the loop of the isotherm is narrow, and for the saturated states there.
#include <gtest/gtest.h>

#include <cmath>

#include "hydrelix/ifc67.h"
#include "saturation_line.h"
#include "subregion3.h"

namespace {

using namespace ifc67;

// The first sign change of beta(chi) - beta walking up from 0.38 (liquid) or
// down from 5 (vapour).
double rootByFineWalk(const subregion3::TemperatureFactors& factors, double beta, subregion3::Root root) {
  const bool liquid = root == subregion3::Root::Liquid;
  double chi = liquid ? 0.38 : 5.0;
  double previous = subregion3::reducedPressure(factors, chi) - beta;
  while (chi > 0.38 - 1e-12 && chi < 5.0 + 1e-12) {
    chi = liquid ? chi * 1.0002 : chi / 1.0002;
    const double residual = subregion3::reducedPressure(factors, chi) - beta;
    if ((residual > 0) != (previous > 0)) return chi;
    previous = residual;
  }
  return NAN;
}

subregion3::TemperatureFactors factorsFor(double T, subregion3::Root root) {
  return subregion3::temperatureFactors(T / kCriticalTemperature, root == subregion3::Root::Liquid
                                                                       ? subregion3::Function::Subregion4
                                                                       : subregion3::Function::Subregion3);
}

TEST(DensitySearch, NearCriticalStatesLieOnTheBranchOfTheirSubregion) {
  int checked = 0;
  for (double T = 630.0; T <= 665.0; T += 0.83) {
    for (double p = 17.0; p <= 32.0; p += 0.61) {
      const int subregion = ifc67::subregionTp(T, p);
      if (subregion != 3 && subregion != 4) continue;
      const auto root = subregion == 4 ? subregion3::Root::Liquid : subregion3::Root::Vapour;
      const double expected = rootByFineWalk(factorsFor(T, root), p / kCriticalPressure, root) * 3.17e-3;
      EXPECT_NEAR(specificVolume(T, p), expected, 2e-4 * expected) << "T = " << T << " K, p = " << p << " MPa";
      ++checked;
    }
  }
  EXPECT_GT(checked, 300);
}

TEST(DensitySearch, SaturatedLiquidAndVapourTakeTheOuterRootsOfTheLoop) {
  for (double T = 623.5; T < 647.2; T += 0.37) {
    const double beta = reducedSaturationPressure(T / kCriticalTemperature);
    const double liquid =
        rootByFineWalk(factorsFor(T, subregion3::Root::Liquid), beta, subregion3::Root::Liquid) * 3.17e-3;
    const double vapour =
        rootByFineWalk(factorsFor(T, subregion3::Root::Vapour), beta, subregion3::Root::Vapour) * 3.17e-3;
    EXPECT_NEAR(mixtureVolumeTx(T, 0.0), liquid, 2e-4 * liquid) << "T = " << T << " K";
    EXPECT_NEAR(mixtureVolumeTx(T, 1.0), vapour, 2e-4 * vapour) << "T = " << T << " K";
  }
}

}  // namespace
