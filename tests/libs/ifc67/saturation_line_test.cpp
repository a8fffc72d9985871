// The saturation line: the K-function and its inverse agree over the whole
// line, the saturated states are the ones the formulation defines, and the
// entry points keep the conventions at both ends that the calculator's
// compute driver relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calorix_library.h"
#include "hydrelix/ifc67.h"

namespace {

using ifc67_test::calorix;
using ifc67_test::fahrenheit;

TEST(SaturationLine, TemperatureInvertsPressureAlongTheWholeLine) {
  for (double T = ifc67::kMinTemperature; T <= ifc67::kCriticalTemperature; T += 0.37) {
    const double p = ifc67::saturationPressure(T);
    EXPECT_NEAR(ifc67::saturationTemperature(p), T, 1e-9) << "T = " << T << " K, ps = " << p << " MPa";
  }
  EXPECT_DOUBLE_EQ(ifc67::saturationTemperature(ifc67::kCriticalPressure), ifc67::kCriticalTemperature);
}

TEST(SaturationLine, EndsAtTheTriplePointAndTheCriticalPoint) {
  EXPECT_NEAR(ifc67::saturationPressure(273.16) * 1e6, 611.2444, 5e-5);
  EXPECT_NEAR(ifc67::saturationPressure(373.15) * 1e6, 101325.26, 5e-3);
  EXPECT_DOUBLE_EQ(ifc67::saturationPressure(ifc67::kCriticalTemperature), ifc67::kCriticalPressure);
  EXPECT_TRUE(std::isnan(ifc67::saturationPressure(ifc67::kCriticalTemperature + 1e-9)));
  EXPECT_TRUE(std::isnan(ifc67::saturationPressure(273.15)));
  EXPECT_TRUE(std::isnan(ifc67::saturationTemperature(ifc67::kCriticalPressure * (1 + 1e-12))));
  EXPECT_TRUE(std::isnan(ifc67::saturationTemperature(600e-6)));
}

// Near Tc1 the liquid and vapour roots of subregions 4 and 3 lie close
// together: the two branches must still be told apart, and meet at Tc1.
// (Within about 1e-4 K of Tc1 the K-function's pressure leaves the loop of
// the isotherm and both sides share its one root: a property of IFC-67.)
TEST(SaturationLine, LiquidStaysDenserThanVapourUpToTheCriticalPoint) {
  std::vector<double> temperatures;
  for (double T = 623.5; T < ifc67::kCriticalTemperature; T += 0.5) temperatures.push_back(T);
  for (double T : {647.2, 647.29, 647.295, 647.299}) temperatures.push_back(T);
  for (double T : temperatures) {
    const double vf = ifc67::mixtureVolumeTx(T, 0.0);
    const double vg = ifc67::mixtureVolumeTx(T, 1.0);
    EXPECT_LT(vf, 3.17e-3) << "T = " << T;
    EXPECT_GT(vg, 3.17e-3) << "T = " << T;
    EXPECT_LT(ifc67::mixtureEnthalpyTx(T, 0.0), ifc67::mixtureEnthalpyTx(T, 1.0)) << "T = " << T;
  }
  for (double x : {0.0, 0.3, 1.0}) {
    EXPECT_NEAR(ifc67::mixtureEnthalpyTx(ifc67::kCriticalTemperature, x), 2107.37, 0.005);
    EXPECT_NEAR(ifc67::mixtureEntropyTx(ifc67::kCriticalTemperature, x), 4.44286, 5e-6);
    EXPECT_DOUBLE_EQ(ifc67::mixtureVolumeTx(ifc67::kCriticalTemperature, x), 3.17e-3);
  }
}

// The saturated states come from the single-phase equations at ps(T): the
// liquid from the liquid side, the vapour from the vapour side.
TEST(SaturationLine, SaturatedStatesJoinTheSinglePhaseStatesBesideThem) {
  for (double T : {300.0, 450.0, 600.0, 623.15}) {
    const double ps = ifc67::saturationPressure(T);
    EXPECT_NEAR(ifc67::mixtureEnthalpyTx(T, 0.0), ifc67::specificEnthalpy(T, ps * (1 + 1e-12)), 1e-6) << "T = " << T;
    EXPECT_NEAR(ifc67::mixtureEnthalpyTx(T, 1.0), ifc67::specificEnthalpy(T, ps * (1 - 1e-12)), 1e-6) << "T = " << T;
  }
  for (double T : {630.0, 640.0, 646.0}) {
    const double ps = ifc67::saturationPressure(T);
    EXPECT_NEAR(ifc67::mixtureEnthalpyTx(T, 0.0), ifc67::specificEnthalpy(T, ps * (1 + 1e-12)), 1e-4) << "T = " << T;
    EXPECT_NEAR(ifc67::mixtureEntropyTx(T, 1.0), ifc67::specificEntropy(T, ps * (1 - 1e-12)), 1e-7) << "T = " << T;
  }
}

TEST(SaturationLine, EntryPointsHoldTheConventionsAtBothEnds) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  const double criticalF = fahrenheit(ifc67::kCriticalTemperature);
  const double criticalAtm = ifc67::kCriticalPressure / 0.101325;

  // Above pc1 the saturation temperature is Tc1; below ps(273.16 K) it is 273.16 K.
  EXPECT_NEAR(lib.kTp(criticalAtm * 1.001), criticalF, 1e-9);
  EXPECT_NEAR(lib.kTp(900.0), criticalF, 1e-9);
  EXPECT_NEAR(lib.kTp(0.001), 32.018, 1e-9);
  EXPECT_TRUE(std::isnan(lib.kTp(0.0)));
  EXPECT_TRUE(std::isnan(lib.kTp(-1.0)));
  EXPECT_TRUE(std::isnan(lib.kTp(1000.0)));

  EXPECT_TRUE(std::isnan(lib.kPt(criticalF + 0.01)));
  EXPECT_NEAR(lib.kPt(criticalF), criticalAtm, 1e-9);
  EXPECT_NEAR(lib.kPt(32.018), 0.006032513202, 1e-12);

  // Above pc1 the saturated enthalpy and entropy are the critical point's,
  // whatever the quality; below ps(273.16 K), those at 273.16 K.
  for (double w : {0.0, 1.0}) {
    EXPECT_NEAR(lib.sEpw(300.0, w), lib.sEtw(criticalF, 0.5), 1e-6);
    EXPECT_NEAR(lib.sSpw(300.0, w), lib.sStw(criticalF, 0.5), 1e-9);
    EXPECT_NEAR(lib.sEpw(0.001, w), lib.sEtw(32.018, w), 1e-9);
    EXPECT_NEAR(lib.sSpw(0.001, w), lib.sStw(32.018, w), 1e-12);
  }
}

TEST(SaturationLine, QualityIsClampedBelowTheCriticalPressureAndNaNAbove) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  const double liquid = lib.sEpw(10.0, 0.0);
  const double vapour = lib.sEpw(10.0, 1.0);
  EXPECT_NEAR(lib.sWep(0.5 * (liquid + vapour), 10.0), 0.5, 1e-12);

  const double compressed = lib.sWep(liquid - 1e5, 10.0);
  EXPECT_EQ(compressed, 0.0);
  EXPECT_FALSE(std::signbit(compressed)) << "quality of compressed liquid came out as -0";
  EXPECT_FALSE(std::signbit(lib.sWep(liquid, 10.0)));
  EXPECT_EQ(lib.sWep(vapour + 1e5, 10.0), 1.0);
  EXPECT_EQ(lib.sWsp(lib.sSpw(10.0, 1.0) + 100.0, 10.0), 1.0);
  EXPECT_FALSE(std::signbit(lib.sWsp(0.0, 10.0)));

  // Just below pc1 the lever rule still works; at pc1 exactly it is 0 or 1.
  const double criticalAtm = ifc67::kCriticalPressure / 0.101325;
  const double x = lib.sWep(2.0e6, criticalAtm * (1 - 1e-6));
  EXPECT_GE(x, 0.0);
  EXPECT_LE(x, 1.0);
  EXPECT_EQ(lib.sWep(2.2e6, criticalAtm), 1.0);
  EXPECT_EQ(lib.sWep(2.0e6, criticalAtm), 0.0);
  EXPECT_TRUE(std::isnan(lib.sWep(2.0e6, criticalAtm * 1.0001)));
  EXPECT_TRUE(std::isnan(lib.sWsp(4000.0, 300.0)));

  // Below the lowest saturation pressure the state is placed against 273.16 K.
  EXPECT_EQ(lib.sWep(2.6e6, 0.001), 1.0);
}

}  // namespace
