// libHydrix.so through dlopen against the C++ API: unit codes, range
// functions and the conventions at the ends of the saturation line that the
// compute driver relies on.
#include <gtest/gtest.h>

#include <hydrelix/if97.h>

#include <cmath>
#include <string>
#include <vector>

#include "hydrix_library.h"

namespace {

using if97_test::Hydrix;

constexpr double kAtm = 0.101325;  // MPa

double fahrenheit(double T) { return (T - 273.15) * 1.8 + 32.0; }
double kelvinFromFahrenheit(double t) { return (t - 32.0) / 1.8 + 273.15; }

class HydrixEntryPoints : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(lib.library.isOpen()) << lib.library.error(); }
  void TearDown() override { lib.useProgramUnits(); }
  Hydrix lib;
};

TEST_F(HydrixEntryPoints, EveryEntryPointTheProgramCallsIsExported) {
  const char* names[] = {"STM_SetTempUnit", "STM_SetPressUnit", "STM_SetEnthalUnit",
                         "STM_SetEntroUnit", "STM_SetDensityUnit", "STM_SetWetDryUnit",
                         "STM_SetHCUnit", "STM_GetMaxTemp", "STM_GetMinTemp", "STM_GetMaxPress",
                         "STM_GetMinPress", "STM_sPt", "STM_sTp", "STM_sHtx", "STM_sStx",
                         "STM_sDtx", "STM_sXph", "STM_sXps", "STM_nDtp", "STM_nHtp", "STM_nStp",
                         "STM_nCPtp", "STM_nCVtp", "STM_nWtp", "STM_nTph", "STM_nTps",
                         "STM_IsSat_ph", "STM_IsSat_ps"};
  for (const char* name : names) EXPECT_NE(lib.library.entry<void (*)()>(name), nullptr) << name;
  // Nothing of the C++ core leaks out.
  EXPECT_EQ(lib.library.entry<void (*)()>("_ZN4if9716specificEnthalpyEdd"), nullptr);
}

// Before any set-up call the library already works in deg F, atm, J/kg,
// J/(kg K), m3/kg, 0..1 and kJ/(kg K): the IFC-67 module calls STM_nCVtp
// without ever setting IF-97 units.
TEST_F(HydrixEntryPoints, StartsInTheProgramsUnits) {
  const double T = kelvinFromFahrenheit(68.0), p = 14.696 / 14.6959487755 * kAtm;
  const double t = 68.0, pAtm = 14.696 / 14.6959487755;
  EXPECT_NEAR(lib.nHtp(t, pAtm), 1000.0 * if97::specificEnthalpy(T, p), 1e-9);
  EXPECT_NEAR(lib.nStp(t, pAtm), 1000.0 * if97::specificEntropy(T, p), 1e-9);
  EXPECT_NEAR(lib.nDtp(t, pAtm), if97::specificVolume(T, p), 1e-15);
  EXPECT_NEAR(lib.nCVtp(t, pAtm), if97::isochoricHeatCapacity(T, p), 1e-12);
  EXPECT_NEAR(lib.nCPtp(t, pAtm), if97::isobaricHeatCapacity(T, p), 1e-12);
  EXPECT_NEAR(lib.nWtp(t, pAtm), if97::speedOfSound(T, p), 1e-9);
  EXPECT_NEAR(lib.sXph(1.0, 1000.0 * if97::mixturePx(kAtm, 0.25).h), 0.25, 1e-12);
}

TEST_F(HydrixEntryPoints, TheProgramsCodesAreAccepted) {
  EXPECT_NE(lib.SetTempUnit(3), 0);
  EXPECT_NE(lib.SetPressUnit(17), 0);
  EXPECT_NE(lib.SetEnthalUnit(31), 0);
  EXPECT_NE(lib.SetEntroUnit(51), 0);
  EXPECT_NE(lib.SetDensityUnit(71), 0);
  EXPECT_NE(lib.SetWetDryUnit(92), 0);
  EXPECT_NE(lib.SetHCUnit(102), 0);
}

TEST_F(HydrixEntryPoints, AnUnknownCodeIsRefusedAndChangesNothing) {
  const double before = lib.nHtp(200.0, 10.0);
  for (int32_t code : {0, -1, 16, 18, 22, 99, 2147483647, -2147483647 - 1}) {
    EXPECT_EQ(lib.SetTempUnit(code == 3 ? 0 : code), 0) << code;
    EXPECT_EQ(lib.SetPressUnit(code), 0) << code;
    EXPECT_EQ(lib.SetEnthalUnit(code), 0) << code;
    EXPECT_EQ(lib.SetEntroUnit(code), 0) << code;
    EXPECT_EQ(lib.SetDensityUnit(code), 0) << code;
    EXPECT_EQ(lib.SetWetDryUnit(code), 0) << code;
    EXPECT_EQ(lib.SetHCUnit(code), 0) << code;
  }
  EXPECT_EQ(lib.nHtp(200.0, 10.0), before);
}

// Each unit code against the C++ API and an independent factor.
struct UnitCase {
  int32_t code;
  double expected;
};

TEST_F(HydrixEntryPoints, TemperatureCodes) {
  const double Ts = if97::saturationTemperature(kAtm);
  for (const UnitCase& c : std::vector<UnitCase>{
           {1, Ts}, {2, Ts - 273.15}, {3, fahrenheit(Ts)}, {4, Ts * 1.8}}) {
    ASSERT_NE(lib.SetTempUnit(c.code), 0);
    EXPECT_NEAR(lib.sTp(1.0), c.expected, 1e-9) << "code " << c.code;
  }
  // and on the way in
  ASSERT_NE(lib.SetTempUnit(2), 0);
  EXPECT_NEAR(lib.nHtp(20.0, 1.0), 1000.0 * if97::specificEnthalpy(293.15, kAtm), 1e-9);
}

TEST_F(HydrixEntryPoints, PressureCodes) {
  const double ps = if97::saturationPressure(kelvinFromFahrenheit(300.0));
  for (const UnitCase& c : std::vector<UnitCase>{{11, ps},
                                                 {12, ps * 1e3},
                                                 {13, ps * 1e6},
                                                 {14, ps * 10.0},
                                                 {15, ps / 0.006894757293168361},
                                                 {17, ps / kAtm}}) {
    ASSERT_NE(lib.SetPressUnit(c.code), 0);
    EXPECT_NEAR(lib.sPt(300.0), c.expected, 1e-12 * c.expected) << "code " << c.code;
  }
}

TEST_F(HydrixEntryPoints, EnthalpyAndEntropyCodes) {
  const double T = kelvinFromFahrenheit(500.0), p = 10.0 * kAtm;
  const double h = if97::specificEnthalpy(T, p), s = if97::specificEntropy(T, p);
  for (const UnitCase& c : std::vector<UnitCase>{{31, h * 1e3}, {32, h}, {33, h / 2.326}}) {
    ASSERT_NE(lib.SetEnthalUnit(c.code), 0);
    EXPECT_NEAR(lib.nHtp(500.0, 10.0), c.expected, 1e-12 * c.expected) << "code " << c.code;
    EXPECT_NEAR(lib.nTph(10.0, c.expected), 500.0, 1e-9) << "code " << c.code;
  }
  for (const UnitCase& c : std::vector<UnitCase>{{51, s * 1e3}, {52, s}, {53, s / 4.1868}}) {
    ASSERT_NE(lib.SetEntroUnit(c.code), 0);
    EXPECT_NEAR(lib.nStp(500.0, 10.0), c.expected, 1e-12 * c.expected) << "code " << c.code;
    EXPECT_NEAR(lib.nTps(10.0, c.expected), 500.0, 1e-9) << "code " << c.code;
  }
}

TEST_F(HydrixEntryPoints, VolumeAndDensityCodes) {
  const double T = kelvinFromFahrenheit(212.0), p = 2.0 * kAtm;
  const double v = if97::specificVolume(T, p);
  const double ft3PerLb = 0.028316846592 / 0.45359237;
  for (const UnitCase& c : std::vector<UnitCase>{
           {71, v}, {72, 1.0 / v}, {73, v / ft3PerLb}, {74, ft3PerLb / v}}) {
    ASSERT_NE(lib.SetDensityUnit(c.code), 0);
    EXPECT_NEAR(lib.nDtp(212.0, 2.0), c.expected, 1e-12 * c.expected) << "code " << c.code;
  }
  ASSERT_NE(lib.SetDensityUnit(72), 0);
  EXPECT_NEAR(lib.sDtx(212.0, 0.0), 1.0 / if97::saturationStateT(373.15).liquid.v, 1e-9);
}

TEST_F(HydrixEntryPoints, QualityAndHeatCapacityCodes) {
  const double hMid = 1000.0 * if97::mixturePx(kAtm, 0.4).h;
  ASSERT_NE(lib.SetWetDryUnit(91), 0);
  EXPECT_NEAR(lib.sXph(1.0, hMid), 40.0, 1e-9);
  EXPECT_NEAR(lib.sHtx(212.0, 40.0), 1000.0 * if97::mixtureTx(373.15, 0.4).h, 1e-6);
  ASSERT_NE(lib.SetWetDryUnit(92), 0);
  EXPECT_NEAR(lib.sXph(1.0, hMid), 0.4, 1e-11);

  const double cp = if97::isobaricHeatCapacity(kelvinFromFahrenheit(100.0), kAtm);
  for (const UnitCase& c : std::vector<UnitCase>{{101, cp * 1e3}, {102, cp}, {103, cp / 4.1868}}) {
    ASSERT_NE(lib.SetHCUnit(c.code), 0);
    EXPECT_NEAR(lib.nCPtp(100.0, 1.0), c.expected, 1e-12 * c.expected) << "code " << c.code;
  }
}

TEST_F(HydrixEntryPoints, RangeFunctionsGiveTheLimitsInTheCurrentUnits) {
  EXPECT_NEAR(lib.GetMaxTemp(), 3632.0, 1e-9);
  EXPECT_NEAR(lib.GetMinTemp(), 32.0, 1e-12);
  EXPECT_NEAR(lib.GetMaxPress(), 100.0 / kAtm, 1e-9);
  EXPECT_EQ(lib.GetMinPress(), 0.0);
  ASSERT_NE(lib.SetTempUnit(1), 0);
  ASSERT_NE(lib.SetPressUnit(11), 0);
  EXPECT_EQ(lib.GetMaxTemp(), 2273.15);
  EXPECT_EQ(lib.GetMinTemp(), 273.15);
  EXPECT_EQ(lib.GetMaxPress(), 100.0);
}

// A state at the limits as the range functions report them is inside the
// range, in every temperature and pressure unit.
TEST_F(HydrixEntryPoints, StatesAtTheReportedLimitsAreComputed) {
  for (int32_t t : {1, 2, 3, 4}) {
    for (int32_t p : {11, 12, 13, 14, 15, 17}) {
      ASSERT_NE(lib.SetTempUnit(t), 0);
      ASSERT_NE(lib.SetPressUnit(p), 0);
      SCOPED_TRACE("codes " + std::to_string(t) + ", " + std::to_string(p));
      EXPECT_TRUE(std::isfinite(lib.nHtp(lib.GetMinTemp(), lib.GetMaxPress())));
      EXPECT_TRUE(std::isfinite(lib.nHtp(lib.GetMaxTemp(), lib.GetMaxPress() / 2.0)));
      EXPECT_TRUE(std::isfinite(lib.sHtx(lib.GetMinTemp(), 0.0)));
      EXPECT_TRUE(std::isnan(lib.nHtp(lib.GetMaxTemp() * 1.001 + 1.0, lib.GetMaxPress() / 4.0)));
    }
  }
}

TEST_F(HydrixEntryPoints, SaturationTemperatureAtTheEndsOfTheLine) {
  // above the critical pressure: the critical temperature
  EXPECT_NEAR(lib.sTp(25.0 / kAtm), fahrenheit(647.096), 1e-9);
  EXPECT_NEAR(lib.sTp(1000.0), fahrenheit(647.096), 1e-9);  // even beyond 100 MPa
  // below ps(273.15 K): 273.15 K
  EXPECT_EQ(lib.sTp(0.0005 / kAtm), 32.0);
  EXPECT_EQ(lib.sTp(1e-9), 32.0);
  // in range, the saturation temperature
  EXPECT_NEAR(lib.sTp(1.0), fahrenheit(if97::saturationTemperature(kAtm)), 1e-9);
  EXPECT_TRUE(std::isnan(lib.sTp(0.0)));
  EXPECT_TRUE(std::isnan(lib.sTp(-1.0)));
}

TEST_F(HydrixEntryPoints, SaturationPressureAboveTheCriticalTemperatureIsNaN) {
  EXPECT_TRUE(std::isnan(lib.sPt(fahrenheit(647.2))));
  EXPECT_NEAR(lib.sPt(fahrenheit(647.096)), 22.064 / kAtm, 1e-8);
  EXPECT_NEAR(lib.sPt(32.0), if97::saturationPressure(273.15) / kAtm, 1e-15);
}

TEST_F(HydrixEntryPoints, TwoPhaseStatesGiveTheSaturationTemperature) {
  for (double pAtm : {0.01, 1.0, 10.0, 100.0, 200.0}) {
    const double p = pAtm * kAtm;
    for (double x : {0.0, 0.3, 1.0}) {
      const double h = 1000.0 * if97::mixturePx(p, x).h;
      const double s = 1000.0 * if97::mixturePx(p, x).s;
      EXPECT_NE(lib.IsSat_ph(pAtm, h), 0) << pAtm << " atm, x=" << x;
      EXPECT_NE(lib.IsSat_ps(pAtm, s), 0) << pAtm << " atm, x=" << x;
      EXPECT_EQ(lib.nTph(pAtm, h), lib.sTp(pAtm)) << pAtm << " atm, x=" << x;
      EXPECT_EQ(lib.nTps(pAtm, s), lib.sTp(pAtm)) << pAtm << " atm, x=" << x;
    }
  }
}

// The driver calls a state vapour when STM_nTph(p, h) > STM_sTp(p) after both
// are in deg F; a vapour state a hair above h'' must stay vapour.
TEST_F(HydrixEntryPoints, VapourBesideTheSaturationLineStaysAboveItInFahrenheit) {
  for (double pAtm : {0.0061, 0.01, 1.0, 10.0, 100.0, 160.0, 200.0, 217.0}) {
    const double p = pAtm * kAtm;
    if97::SaturationState line = if97::saturationStateP(p);
    // Above ps(623.15 K) the ends are the ones the caller sees, at STM_sTp(p)
    // (a rounding of T there moves s'' by about 1e-12 kJ/(kg K)).
    if (p > 16.6) {
      const double t = lib.sTp(pAtm);
      line.vapour.h = lib.sHtx(t, 1.0) / 1000.0;
      line.vapour.s = lib.sStx(t, 1.0) / 1000.0;
      line.liquid.h = lib.sHtx(t, 0.0) / 1000.0;
      line.liquid.s = lib.sStx(t, 0.0) / 1000.0;
    }
    for (double step : {1e-9, 1e-6, 1e-3}) {
      const double hv = 1000.0 * (line.vapour.h + step);
      const double sv = 1000.0 * (line.vapour.s + step * 1e-3);
      const double hl = 1000.0 * (line.liquid.h - step);
      const double sl = 1000.0 * (line.liquid.s - step * 1e-3);
      SCOPED_TRACE(std::to_string(pAtm) + " atm, step " + std::to_string(step));
      EXPECT_GT(lib.nTph(pAtm, hv), lib.sTp(pAtm));
      EXPECT_GT(lib.nTps(pAtm, sv), lib.sTp(pAtm));
      EXPECT_LE(lib.nTph(pAtm, hl), lib.sTp(pAtm));
      EXPECT_LE(lib.nTps(pAtm, sl), lib.sTp(pAtm));
    }
  }
}

TEST_F(HydrixEntryPoints, QualityIsClampedToZeroAndOne) {
  const double p = 10.0 * kAtm;
  const if97::SaturationState line = if97::saturationStateP(p);
  const double belowLiquid = lib.sXph(10.0, 1000.0 * line.liquid.h - 1.0);
  EXPECT_EQ(belowLiquid, 0.0);
  EXPECT_FALSE(std::signbit(belowLiquid));
  EXPECT_EQ(lib.sXph(10.0, 1000.0 * line.vapour.h + 1.0), 1.0);
  EXPECT_EQ(lib.sXps(10.0, 1000.0 * line.vapour.s + 1.0), 1.0);
  const double atLiquid = lib.sXps(10.0, 1000.0 * line.liquid.s - 1e-3);
  EXPECT_EQ(atLiquid, 0.0);
  EXPECT_FALSE(std::signbit(atLiquid));
  EXPECT_EQ(lib.sXph(10.0, 1000.0 * line.vapour.h), 1.0);
  EXPECT_EQ(lib.sXph(10.0, 1000.0 * line.liquid.h), 0.0);
}

// The temperature-and-enthalpy case: p = STM_sPt(T) passes through the
// program's 32-bit pressure factor before STM_sXph sees it, so h''(T) can
// lie a little outside the tie line at that p. The quality still ends in
// [0, 1].
TEST_F(HydrixEntryPoints, QualityFromARoundedSaturationPressureStaysInRange) {
  const double factor = 14.695948600769043, exact = 14.6959487755;
  for (double t : {40.0, 212.0, 400.0, 600.0, 700.0}) {
    const double p = lib.sPt(t) * exact / factor;  // as the driver round-trips it
    for (double x : {0.0, 1.0}) {
      const double q = lib.sXph(p, lib.sHtx(t, x));
      EXPECT_GE(q, 0.0) << t << " F";
      EXPECT_LE(q, 1.0) << t << " F";
      EXPECT_FALSE(std::signbit(q));
    }
  }
}

TEST_F(HydrixEntryPoints, SinglePhaseFunctionsAgreeWithTheLibraryCore) {
  struct State {
    double t, pAtm;
  };
  for (const State& s : std::vector<State>{
           {68.0, 1.0}, {400.0, 50.0}, {700.0, 300.0}, {800.0, 250.0}, {1200.0, 10.0},
           {3000.0, 100.0}}) {
    const double T = kelvinFromFahrenheit(s.t), p = s.pAtm * kAtm;
    SCOPED_TRACE(std::to_string(s.t) + " F, " + std::to_string(s.pAtm) + " atm");
    const if97::Properties expected = if97::propertiesTp(T, p);
    // The two paths convert deg F to K in different orders: a few ulps apart.
    const auto near = [](double actual, double wanted) {
      EXPECT_NEAR(actual, wanted, 1e-12 * std::fabs(wanted));
    };
    near(lib.nDtp(s.t, s.pAtm), expected.v);
    near(lib.nHtp(s.t, s.pAtm), 1e3 * expected.h);
    near(lib.nStp(s.t, s.pAtm), 1e3 * expected.s);
    near(lib.nCPtp(s.t, s.pAtm), expected.cp);
    near(lib.nCVtp(s.t, s.pAtm), expected.cv);
    near(lib.nWtp(s.t, s.pAtm), expected.w);
  }
}

}  // namespace
