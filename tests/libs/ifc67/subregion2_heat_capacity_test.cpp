// SPDX-License-Identifier: GPL-3.0-or-later
// The temperature searches step along an isobar with the heat capacity that
// subregion 2's sums give together with h and s. It must be the derivative
// of the equation (the published cp is a difference of entropies, which it
// must meet), and the values it comes with must be the plain ones to the bit.
#include <gtest/gtest.h>

#include <cmath>

#include "coefficients.h"
#include "saturation_line.h"
#include "subregion2.h"

namespace {

using namespace ifc67;

TEST(Subregion2HeatCapacity, IsTheDerivativeAndKeepsTheValuesToTheBit) {
  int states = 0;
  for (double T = 275.0; T <= 1073.15; T += 7.0) {
    const double theta = T / kCriticalTemperature;
    for (double p = 1e-3; p <= 100.0; p *= 1.37) {
      const double beta = p / kCriticalPressure;
      // Subregion 2 only: below the saturation line, and below the L-line
      // between 623.15 K and 863.15 K.
      if (T <= kSubregion1MaxTemperature && beta >= reducedSaturationPressure(theta)) continue;
      if (T > kSubregion1MaxTemperature && T <= kSubregion3MaxTemperature &&
          beta > reducedBoundaryPressure(theta))
        continue;
      SCOPED_TRACE(testing::Message() << "T = " << T << " K, p = " << p << " MPa");
      const subregion2::WithHeatCapacity h = subregion2::reducedEnthalpyWithHeatCapacity(beta, theta);
      const subregion2::WithHeatCapacity s = subregion2::reducedEntropyWithHeatCapacity(beta, theta);
      EXPECT_EQ(h.value, subregion2::reducedEnthalpy(beta, theta));
      EXPECT_EQ(s.value, subregion2::reducedEntropy(beta, theta));
      EXPECT_EQ(h.heatCapacity, s.heatCapacity);
      const double difference = subregion2::reducedHeatCapacity(beta, theta);
      // The difference carries the rounding of sigma over 2e-6: up to about
      // 1e-6 at high pressure, where sigma's terms nearly cancel.
      EXPECT_NEAR(h.heatCapacity, difference, 2e-6 * std::fabs(difference));
      ++states;
    }
  }
  EXPECT_GT(states, 2000);
}

}  // namespace
