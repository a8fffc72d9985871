// T -> h -> T and T -> s -> T along isobars from the lowest pressures to
// 100 MPa: on both sides of the saturation line, through the near-critical
// subregions and across the subregion boundaries.
#include <gtest/gtest.h>

#include <cmath>

#include "hydrelix/ifc67.h"

namespace {

constexpr double kPressures[] = {0.0004, 0.001, 0.1, 1.0, 5.0, 10.0, 16.0, 17.0, 19.0, 20.0, 21.5, 22.0,
                                 22.12, 22.2, 23.0, 25.0, 30.0, 40.0, 60.0, 80.0, 100.0};

// Where two subregions meet, the formulation's h and s jump (by up to
// 265 J/kg and 0.5 J/(kg K)); a value inside a jump has no exact inverse, or
// two. There the returned temperature may differ by the jump over the slope.
bool nearSubregionBoundary(double T, double p) {
  if (std::fabs(T - 623.15) < 0.5) return true;
  const double pL = ifc67::boundaryPressure(T);
  return std::isfinite(pL) && std::fabs(p - pL) < 0.02 * pL;
}

double allowedDifference(double T, double p) {
  if (!nearSubregionBoundary(T, p)) return 1e-7;
  const double cp = ifc67::isobaricHeatCapacity(T, p);
  return 1e-7 + std::fmax(0.265 / cp, 0.50e-3 * T / cp);
}

void expectRoundTrip(const char* what, double T, double p, double value, double back) {
  EXPECT_NEAR(back, T, allowedDifference(T, p)) << what << " = " << value << " at T = " << T << " K, p = " << p
                                                << " MPa (subregion " << ifc67::subregionTp(T, p) << ")";
}

TEST(RoundTrips, TemperatureFromEntropyRecoversEverySinglePhaseState) {
  for (double p : kPressures) {
    const double Ts = p < ifc67::kCriticalPressure ? ifc67::saturationTemperature(p) : NAN;
    for (double T = ifc67::kMinTemperature; T <= ifc67::kMaxTemperature; T += 1.37) {
      if (std::fabs(T - Ts) < 1e-6) continue;
      const double s = ifc67::specificEntropy(T, p);
      expectRoundTrip("s", T, p, s, ifc67::temperaturePs(p, s));
    }
  }
}

TEST(RoundTrips, TemperatureFromEnthalpyRecoversVapourAndSupercriticalStates) {
  for (double p : kPressures) {
    const bool subcritical = p < ifc67::kCriticalPressure;
    const double Ts = subcritical && p >= ifc67::saturationPressure(ifc67::kMinTemperature)
                          ? ifc67::saturationTemperature(p)
                          : ifc67::kMinTemperature;
    for (double T = ifc67::kMinTemperature; T <= ifc67::kMaxTemperature; T += 1.37) {
      if (subcritical && T <= Ts + 1e-6) continue;  // liquid: not a vapour state
      const double h = ifc67::specificEnthalpy(T, p);
      expectRoundTrip("h", T, p, h, ifc67::temperaturePh(p, h));
    }
  }
}

TEST(RoundTrips, NearCriticalStatesConvergeTightly) {
  for (double p : {22.0, 22.12, 22.5, 25.0})
    for (double T = 640.0; T <= 660.0; T += 0.173) {
      const double h = ifc67::specificEnthalpy(T, p);
      const double s = ifc67::specificEntropy(T, p);
      if (p >= ifc67::kCriticalPressure || T > ifc67::saturationTemperature(p))
        expectRoundTrip("h", T, p, h, ifc67::temperaturePh(p, h));
      expectRoundTrip("s", T, p, s, ifc67::temperaturePs(p, s));
    }
}

TEST(RoundTrips, WetStatesGiveTheSaturationTemperatureAndTheirQuality) {
  for (double p : {0.001, 0.1, 1.0, 10.0, 18.0, 21.0, 22.0}) {
    const double Ts = ifc67::saturationTemperature(p);
    for (double x : {0.0, 0.25, 0.5, 0.9, 1.0}) {
      const double h = ifc67::mixtureEnthalpyTx(Ts, x);
      const double s = ifc67::mixtureEntropyTx(Ts, x);
      EXPECT_NEAR(ifc67::qualityPh(p, h), x, 1e-9) << "p = " << p << " MPa";
      EXPECT_NEAR(ifc67::qualityPs(p, s), x, 1e-9) << "p = " << p << " MPa";
      if (x > 0.0 && x < 1.0) {
        EXPECT_DOUBLE_EQ(ifc67::temperaturePs(p, s), Ts) << "p = " << p << " MPa";
      }
    }
    // Not vapour: no superheated temperature.
    EXPECT_TRUE(std::isnan(ifc67::temperaturePh(p, ifc67::mixtureEnthalpyTx(Ts, 0.5))));
  }
}

TEST(RoundTrips, ValuesBeyondTheRangeHaveNoTemperature) {
  EXPECT_TRUE(std::isnan(ifc67::temperaturePh(1.0, ifc67::specificEnthalpy(1073.15, 1.0) + 1.0)));
  EXPECT_TRUE(std::isnan(ifc67::temperaturePs(1.0, ifc67::specificEntropy(1073.15, 1.0) + 0.01)));
  EXPECT_TRUE(std::isnan(ifc67::temperaturePs(50.0, ifc67::specificEntropy(273.16, 50.0) - 0.01)));
  EXPECT_TRUE(std::isnan(ifc67::temperaturePh(50.0, ifc67::specificEnthalpy(273.16, 50.0) - 1.0)));
}

}  // namespace
