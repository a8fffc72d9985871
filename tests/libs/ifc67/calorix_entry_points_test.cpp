// libCalorix.so as the calculator binds it: its unit codes, its range
// functions, and every property entry point against the C++ API in the
// library's units (deg F, atm, J/kg, J/(kg K), m3/kg).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "calorix_library.h"
#include "hydrelix/ifc67.h"

namespace {

using ifc67_test::calorix;
using ifc67_test::fahrenheit;
using ifc67_test::kelvin;
using ifc67_test::megapascal;

TEST(CalorixUnits, AcceptsTheCodesTheCalculatorSetsAndRejectsOthers) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  struct Setter {
    const char* name;
    int32_t code;
  };
  const Setter setters[] = {{"STM_SetTempUnit", 3},        {"STM_SetPressUnit", 16},
                            {"STM_SetEntlUnit", 22},       {"STM_SetEntrUnit", 32},
                            {"STM_SetVolUnit", 41},        {"STM_SetWetDryUnit", 52},
                            {"STM_SetHeatCapUnit", 62},    {"STM_SetThermalConUnit", 72},
                            {"STM_SetDynamicVisUnit", 82}, {"STM_SetSurTensionUnit", 91}};
  for (const Setter& setter : setters) {
    const auto set = lib.library.entry<ifc67_test::CalorixLibrary::Setter>(setter.name);
    ASSERT_NE(set, nullptr) << setter.name;
    EXPECT_NE(set(setter.code), 0) << setter.name << "(" << setter.code << ")";
    EXPECT_EQ(set(setter.code + 1), 0) << setter.name << "(" << setter.code + 1 << ")";
    EXPECT_EQ(set(-1), 0) << setter.name;
    EXPECT_EQ(set(INT32_MIN), 0) << setter.name;
    EXPECT_NE(set(setter.code), 0) << setter.name << " after rejected codes";
  }
  // A rejected code changes nothing.
  EXPECT_NEAR(lib.kTp(1.0), 211.9998696, 1e-6);
}

TEST(CalorixUnits, RangeFunctionsGiveTheFormulationsLimitsInLibraryUnits) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  EXPECT_EQ(lib.GetMinTemp(), 32.018);
  EXPECT_EQ(lib.GetMaxTemp(), 1472.0);
  EXPECT_EQ(lib.GetMinPress(), 0.0);
  EXPECT_NEAR(lib.GetMaxPress(), 100e6 / 101325.0, 1e-10);
  // The limits themselves are inside the range.
  EXPECT_TRUE(std::isfinite(lib.nEtp(lib.GetMinTemp(), lib.GetMaxPress())));
  EXPECT_TRUE(std::isfinite(lib.nEtp(lib.GetMaxTemp(), lib.GetMaxPress())));
  EXPECT_TRUE(std::isfinite(lib.kPt(lib.GetMinTemp())));
  EXPECT_TRUE(std::isfinite(lib.sEtw(lib.GetMinTemp(), 0.0)));
  EXPECT_TRUE(std::isnan(lib.nEtp(lib.GetMaxTemp() + 1e-6, 1.0)));
  EXPECT_TRUE(std::isnan(lib.nEtp(100.0, lib.GetMaxPress() * (1 + 1e-9))));
}

// One state per subregion and one on each side of the boundaries.
constexpr struct {
  double t;  // deg F
  double p;  // atm
} kStates[] = {{100.0, 1.0},   {500.0, 900.0}, {300.0, 1.0},   {1000.0, 100.0}, {1472.0, 986.9},
               {700.0, 195.0}, {750.0, 300.0}, {680.0, 200.0}, {700.0, 400.0},  {661.0, 500.0},
               {663.0, 500.0}, {662.0, 150.0}, {33.0, 0.001},  {500.0, 0.01}};

TEST(CalorixEntryPoints, SinglePhaseFunctionsMatchTheCppApi) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  for (const auto& s : kStates) {
    const double T = kelvin(s.t);
    const double p = megapascal(s.p);
    EXPECT_NEAR(lib.nEtp(s.t, s.p), 1e3 * ifc67::specificEnthalpy(T, p), 1e-9 * std::fabs(lib.nEtp(s.t, s.p)))
        << s.t << " F, " << s.p << " atm";
    EXPECT_NEAR(lib.nStp(s.t, s.p), 1e3 * ifc67::specificEntropy(T, p), 1e-9 * std::fabs(lib.nStp(s.t, s.p)))
        << s.t << " F, " << s.p << " atm";
    EXPECT_NEAR(lib.nXtp(s.t, s.p), ifc67::specificVolume(T, p), 1e-9 * lib.nXtp(s.t, s.p))
        << s.t << " F, " << s.p << " atm";
    EXPECT_NEAR(lib.nCtp(s.t, s.p), 1e3 * ifc67::isobaricHeatCapacity(T, p), 1e-7 * lib.nCtp(s.t, s.p))
        << s.t << " F, " << s.p << " atm";
  }
}

TEST(CalorixEntryPoints, InverseFunctionsReturnFahrenheitFromLibraryUnits) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  for (const auto& s : kStates) {
    const double T = kelvin(s.t);
    const double p = megapascal(s.p);
    const double s_ = lib.nStp(s.t, s.p);
    EXPECT_NEAR(lib.nTsp(s_, s.p), fahrenheit(ifc67::temperaturePs(p, s_ / 1e3)), 1e-9);
    EXPECT_NEAR(lib.nTsp(s_, s.p), s.t, 1e-3) << s.t << " F, " << s.p << " atm";
    const double h = lib.nEtp(s.t, s.p);
    const double back = lib.twoTep(h, s.p);
    const int subregion = ifc67::subregionTp(T, p);
    if (p >= ifc67::kCriticalPressure || subregion == 2 || subregion == 3) {
      EXPECT_NEAR(back, fahrenheit(ifc67::temperaturePh(p, h / 1e3)), 1e-9) << s.t << " F, " << s.p << " atm";
      EXPECT_NEAR(back, s.t, 1e-3) << s.t << " F, " << s.p << " atm";
    } else {
      EXPECT_TRUE(std::isnan(back)) << "liquid at " << s.t << " F, " << s.p << " atm";
    }
  }
}

TEST(CalorixEntryPoints, SaturationFunctionsMatchTheCppApi) {
  const auto& lib = calorix();
  ASSERT_TRUE(lib.complete()) << lib.library.error();
  for (double t : {32.018, 100.0, 212.0, 400.0, 600.0, 653.0, 690.0, 705.0}) {
    // 32.018 F converts to a hair below 273.16 K; the library takes it as the
    // lower limit it reports.
    const double T = std::fmax(kelvin(t), ifc67::kMinTemperature);
    EXPECT_NEAR(lib.kPt(t), ifc67::saturationPressure(T) / 0.101325, 1e-12 * lib.kPt(t)) << t << " F";
    EXPECT_NEAR(lib.kTp(lib.kPt(t)), t, 1e-8) << t << " F";
    for (double w : {0.0, 0.4, 1.0}) {
      EXPECT_NEAR(lib.sEtw(t, w), 1e3 * ifc67::mixtureEnthalpyTx(T, w), 1e-6) << t << " F, w = " << w;
      EXPECT_NEAR(lib.sStw(t, w), 1e3 * ifc67::mixtureEntropyTx(T, w), 1e-9) << t << " F, w = " << w;
      EXPECT_NEAR(lib.sXtw(t, w), ifc67::mixtureVolumeTx(T, w), 1e-12 * lib.sXtw(t, w)) << t << " F, w = " << w;
      const double p = lib.kPt(t);
      EXPECT_NEAR(lib.sEpw(p, w), lib.sEtw(t, w), 1e-6 * std::fabs(lib.sEtw(t, w))) << t << " F, w = " << w;
      EXPECT_NEAR(lib.sSpw(p, w), lib.sStw(t, w), 1e-6 * std::fabs(lib.sStw(t, w)) + 1e-6) << t << " F, w = " << w;
      if (t < 705.0) {
        EXPECT_NEAR(lib.sWep(lib.sEtw(t, w), p), w, 1e-6) << t << " F, w = " << w;
        EXPECT_NEAR(lib.sWsp(lib.sStw(t, w), p), w, 1e-6) << t << " F, w = " << w;
      }
    }
  }
}

}  // namespace
