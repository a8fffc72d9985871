// The saturation line and the states on it: the ends of the line, the two
// equations as inverses, the tie line's two ends and wet mixtures.
#include <gtest/gtest.h>

#include <hydrelix/if97.h>

#include <cmath>

#include "region4.h"

namespace {

TEST(SaturationLine, EndsAtTheTriplePointAndTheCriticalPoint) {
  EXPECT_NEAR(if97::saturationPressure(273.16), 611.657e-6, 1e-12);
  EXPECT_NEAR(if97::saturationPressure(if97::kCriticalTemperature), if97::kCriticalPressure,
              2e-11 * if97::kCriticalPressure);
  EXPECT_NEAR(if97::saturationPressure(273.15), 611.2127e-6, 1e-10);
  EXPECT_NEAR(if97::saturationTemperature(if97::kCriticalPressure), if97::kCriticalTemperature,
              1e-11 * if97::kCriticalTemperature);
}

TEST(SaturationLine, PressureAndTemperatureAreInverses) {
  for (double T = 273.15; T <= 647.0; T += 3.7) {
    EXPECT_NEAR(if97::saturationTemperature(if97::saturationPressure(T)), T, 1e-11 * T) << T;
  }
}

TEST(SaturationLine, OutsideTheLineIsNaN) {
  EXPECT_TRUE(std::isnan(if97::saturationPressure(273.149)));
  EXPECT_TRUE(std::isnan(if97::saturationPressure(647.1)));
  EXPECT_TRUE(std::isnan(if97::saturationPressure(std::nan(""))));
  EXPECT_TRUE(std::isnan(if97::saturationTemperature(600e-6)));
  EXPECT_TRUE(std::isnan(if97::saturationTemperature(22.07)));
  EXPECT_TRUE(std::isnan(if97::saturationTemperature(-1.0)));
  EXPECT_TRUE(std::isnan(if97::saturationStateT(650.0).liquid.h));
  EXPECT_TRUE(std::isnan(if97::mixtureTx(400.0, 1.0001).h));
  EXPECT_TRUE(std::isnan(if97::mixtureTx(400.0, -0.0001).h));
}

// Above 623.15 K the ends are solved on the region 3 equation: they must be
// the states the single-phase functions give just off the line.
TEST(SaturatedStates, AgreeWithTheSinglePhaseStatesBesideThem) {
  for (double T : {300.0, 450.0, 600.0, 623.0, 630.0, 640.0, 645.0}) {
    const if97::SaturationState line = if97::saturationStateT(T);
    const double shift = 1e-10 * line.p;
    SCOPED_TRACE("T=" + std::to_string(T));
    EXPECT_NEAR(if97::specificEnthalpy(T, line.p + shift), line.liquid.h, 1e-4);
    EXPECT_NEAR(if97::specificEnthalpy(T, line.p - shift), line.vapour.h, 1e-3);
    EXPECT_NEAR(if97::specificEntropy(T, line.p + shift), line.liquid.s, 1e-7);
    EXPECT_NEAR(if97::specificVolume(T, line.p - shift), line.vapour.v, 1e-6 * line.vapour.v);
    EXPECT_LT(line.liquid.v, line.vapour.v);
    EXPECT_LT(line.liquid.h, line.vapour.h);
  }
}

TEST(SaturatedStates, MeetAtTheCriticalPoint) {
  const if97::SaturationState critical = if97::saturationStateT(if97::kCriticalTemperature);
  EXPECT_NEAR(critical.liquid.v, 1.0 / 322.0, 1e-12);
  EXPECT_NEAR(critical.vapour.v, 1.0 / 322.0, 1e-12);
  EXPECT_NEAR(critical.liquid.h, critical.vapour.h, 1e-9);
}

TEST(SaturatedStates, ThePressureAndTemperatureFormsAgree) {
  for (double T : {280.0, 373.15, 500.0, 620.0, 635.0, 646.0}) {
    const if97::SaturationState byT = if97::saturationStateT(T);
    const if97::SaturationState byP = if97::saturationStateP(byT.p);
    EXPECT_NEAR(byP.T, T, 1e-10 * T);
    EXPECT_NEAR(byP.liquid.h, byT.liquid.h, 1e-7 * byT.liquid.h) << T;
    EXPECT_NEAR(byP.vapour.s, byT.vapour.s, 1e-7 * byT.vapour.s) << T;
  }
}

TEST(WetStates, MixLinearlyBetweenTheEnds) {
  for (double T : {300.0, 600.0, 640.0}) {
    const if97::SaturationState line = if97::saturationStateT(T);
    const if97::SaturatedPhase wet = if97::mixtureTx(T, 0.3);
    EXPECT_NEAR(wet.h, 0.7 * line.liquid.h + 0.3 * line.vapour.h, 1e-9 * wet.h);
    EXPECT_NEAR(wet.s, 0.7 * line.liquid.s + 0.3 * line.vapour.s, 1e-12 * wet.s + 1e-12);
    EXPECT_NEAR(wet.v, 0.7 * line.liquid.v + 0.3 * line.vapour.v, 1e-12 * wet.v);
    EXPECT_EQ(if97::mixtureTx(T, 0.0).h, line.liquid.h);
    EXPECT_EQ(if97::mixtureTx(T, 1.0).h, line.vapour.h);
    EXPECT_NEAR(if97::mixturePx(line.p, 0.3).h, wet.h, 1e-7 * wet.h);
  }
}

}  // namespace

namespace {

// The library keeps ps(273.15 K) and ps(623.15 K) as literals; they must be
// exactly what its own equation gives.
TEST(SaturationLine, StoredEndPressuresAreTheEquationsOwn) {
  EXPECT_EQ(if97::region4::lowestSaturationPressure(), if97::saturationPressure(273.15));
  EXPECT_EQ(if97::region4::region3SaturationPressure(), if97::saturationPressure(623.15));
}

}  // namespace
