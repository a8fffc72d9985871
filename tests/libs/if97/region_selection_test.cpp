// Which equation a (T, p) state is sent to, at the boundaries and limits.
#include <gtest/gtest.h>

#include <hydrelix/if97.h>

#include <cmath>
#include <limits>

#include "boundary_b23.h"

namespace {

using if97::Region;

TEST(RegionSelection, SendsEachStateToItsEquation) {
  struct Case {
    double T, p;
    Region region;
  };
  const double ps400 = if97::saturationPressure(400.0);
  const Case cases[] = {
      {300.0, 3.0, Region::region1},           {300.0, 0.0035, Region::region2},
      {400.0, ps400, Region::region1},          {400.0, ps400 * (1 - 1e-12), Region::region2},
      {623.15, 20.0, Region::region1},          {623.16, 20.0, Region::region3},
      {700.0, 30.0, Region::region2},           {700.0, 31.0, Region::region3},
      {863.0, 100.0, Region::region3},           {863.16, 100.0, Region::region2},
      {1073.15, 100.0, Region::region2},        {1073.16, 50.0, Region::region5},
      {2273.15, 50.0, Region::region5},         {273.15, 100.0, Region::region1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(if97::regionTp(c.T, c.p), c.region) << c.T << " K, " << c.p << " MPa";
  }
  EXPECT_EQ(if97::regionTp(650.0, if97::b23::pressure(650.0)), Region::region3);
}

TEST(RegionSelection, OutsideTheFormulationIsNaN) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double T, p;
  };
  for (const Case& c : {Case{273.149, 1.0}, Case{2273.16, 1.0}, Case{1500.0, 50.01},
                        Case{500.0, 100.01}, Case{500.0, 0.0}, Case{500.0, -1.0},
                        Case{std::nan(""), 1.0}, Case{500.0, std::nan("")}, Case{inf, 1.0},
                        Case{500.0, inf}, Case{500.0, 5e-324}}) {
    EXPECT_TRUE(std::isnan(if97::specificEnthalpy(c.T, c.p)) ||
                if97::regionTp(c.T, c.p) != Region::outside)
        << c.T << " K, " << c.p << " MPa";
    const if97::Properties all = if97::propertiesTp(c.T, c.p);
    for (double value : {all.v, all.h, all.u, all.s, all.cp, all.cv, all.w}) {
      EXPECT_TRUE(std::isnan(value) || std::isfinite(value));
    }
  }
  EXPECT_EQ(if97::regionTp(273.149, 1.0), Region::outside);
  EXPECT_EQ(if97::regionTp(1500.0, 50.01), Region::outside);
  // A denormal pressure is inside the range, but v = RT/p overflows: NaN, not infinity.
  EXPECT_TRUE(std::isnan(if97::specificVolume(500.0, 5e-324)));
}

TEST(MetastableVapour, IsOnlyForPressuresUpTo10MPa) {
  EXPECT_TRUE(std::isfinite(if97::metastableVapourTp(450.0, 1.0).h));
  EXPECT_TRUE(std::isnan(if97::metastableVapourTp(450.0, 10.5).h));
  EXPECT_TRUE(std::isnan(if97::metastableVapourTp(260.0, 0.001).v));
}

}  // namespace
