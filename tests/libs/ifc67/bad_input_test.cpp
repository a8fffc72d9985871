// Values no caller should send, to every entry point and every C++ API
// function: the answer is NaN or a finite number, never a crash, a hang,
// an infinity or a sanitizer report; out-of-range arguments give NaN.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "calorix_library.h"
#include "hydrelix/ifc67.h"

namespace {

using ifc67_test::calorix;

// Bad values mixed with ordinary ones in the library's and the API's units,
// so that every pairing of a good and a bad argument is met.
std::vector<double> sweepValues() {
  const double inf = std::numeric_limits<double>::infinity();
  return {std::nan(""), -std::nan(""), inf,    -inf,    0.0,     -0.0,    -1.0,  1.0,   5e-324, -5e-324,
          DBL_MIN,      1e-300,        1e300,  -1e300,  DBL_MAX, -DBL_MAX, 32.0, 32.018, 212.0, 705.47,
          1472.0,       1472.0001,     0.001,  218.3,   986.9,   987.0,   300.0, 647.3,  22.12, 100.0,
          2.1e6,        4.4e3,         0.5,    1e-12,   2e9,     -2.6e6};
}

bool nanOrFinite(double value) { return std::isnan(value) || std::isfinite(value); }

TEST(BadInput, EveryEntryPointGivesNaNOrAFiniteValue) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  const auto values = sweepValues();
  for (double a : values) {
    EXPECT_TRUE(nanOrFinite(lib.kPt(a))) << "STM_kPt(" << a << ")";
    EXPECT_TRUE(nanOrFinite(lib.kTp(a))) << "STM_kTp(" << a << ")";
    for (double b : values) {
      const ifc67_test::CalorixLibrary::Property2 functions[] = {
          lib.sEtw, lib.sStw, lib.sXtw, lib.sEpw, lib.sSpw, lib.sWep, lib.sWsp,
          lib.twoTep, lib.nEtp, lib.nStp, lib.nXtp, lib.nCtp, lib.nTsp};
      for (auto f : functions) EXPECT_TRUE(nanOrFinite(f(a, b))) << a << ", " << b;
      const double x = lib.sWep(a, b);
      EXPECT_TRUE(std::isnan(x) || (x >= 0.0 && x <= 1.0 && !std::signbit(x))) << "STM_sWep(" << a << ", " << b << ")";
    }
  }
}

TEST(BadInput, EveryApiFunctionGivesNaNOrAFiniteValue) {
  const auto values = sweepValues();
  for (double a : values) {
    EXPECT_TRUE(nanOrFinite(ifc67::saturationPressure(a))) << a;
    EXPECT_TRUE(nanOrFinite(ifc67::saturationTemperature(a))) << a;
    EXPECT_TRUE(nanOrFinite(ifc67::boundaryPressure(a))) << a;
    for (double b : values) {
      using Function = double (*)(double, double);
      const Function functions[] = {ifc67::specificVolume,      ifc67::specificEnthalpy,
                                    ifc67::specificEntropy,             ifc67::specificInternalEnergy,
                                    ifc67::isobaricHeatCapacity, ifc67::mixtureVolumeTx,
                                    ifc67::mixtureEnthalpyTx,   ifc67::mixtureEntropyTx,
                                    ifc67::qualityPh, ifc67::qualityPs,
                                    ifc67::temperaturePh, ifc67::temperaturePs};
      for (auto f : functions) EXPECT_TRUE(nanOrFinite(f(a, b))) << a << ", " << b;
      const int subregion = ifc67::subregionTp(a, b);
      EXPECT_TRUE(subregion >= 0 && subregion <= 4);
    }
  }
}

TEST(BadInput, ArgumentsOutsideTheRangeGiveNaN) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double T : {273.15, 1073.1500001, -inf, inf, std::nan("")}) {
    EXPECT_TRUE(std::isnan(ifc67::specificEnthalpy(T, 1.0))) << T;
    EXPECT_TRUE(std::isnan(ifc67::mixtureEnthalpyTx(T, 0.5))) << T;
  }
  for (double p : {0.0, -0.0, -1.0, 100.0000001, inf, std::nan("")}) {
    EXPECT_TRUE(std::isnan(ifc67::specificVolume(500.0, p))) << p;
    EXPECT_TRUE(std::isnan(ifc67::temperaturePs(p, 6.0))) << p;
    EXPECT_TRUE(std::isnan(ifc67::temperaturePh(p, 3000.0))) << p;
  }
  for (double x : {-1e-12, 1.0000001, std::nan("")}) EXPECT_TRUE(std::isnan(ifc67::mixtureVolumeTx(400.0, x))) << x;
  EXPECT_TRUE(std::isnan(ifc67::mixtureVolumeTx(ifc67::kCriticalTemperature + 0.001, 0.0)));
}

// The lowest pressures stay finite: no term of the vapour equation may
// overflow when beta is tiny.
TEST(BadInput, TinyPressuresGiveFiniteVapourProperties) {
  for (double p : {1e-300, 1e-200, 1e-100, 1e-20, 1e-10}) {
    EXPECT_TRUE(std::isfinite(ifc67::specificEnthalpy(300.0, p))) << p;
    EXPECT_TRUE(std::isfinite(ifc67::specificEntropy(1000.0, p))) << p;
    EXPECT_TRUE(std::isfinite(ifc67::isobaricHeatCapacity(300.0, p))) << p;
    EXPECT_NEAR(ifc67::specificEnthalpy(300.0, p), ifc67::specificEnthalpy(300.0, 1e-6), 1e-3) << p;
  }
  EXPECT_TRUE(std::isnan(ifc67::specificVolume(300.0, 5e-324)));  // v overflows: no value, not infinity
}

}  // namespace
