// SPDX-License-Identifier: GPL-3.0-or-later
// Every STM_ entry point fed values no caller should send: the answer is NaN
// or a finite number, never a crash, a hang, infinity or a sanitizer report.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "hydrix_library.h"

namespace {

using if97_test::Hydrix;

std::vector<double> badValues() {
  const double inf = std::numeric_limits<double>::infinity();
  return {std::nan(""), -std::nan(""), inf, -inf, 0.0, -0.0, -1.0, 1.0, 5e-324, -5e-324,
          DBL_MIN, 1e-300, 1e300, -1e300, DBL_MAX, -DBL_MAX, 32.0, 705.1, 3632.0, 14.7,
          1e-6, 2e9, 2.6e6, 7e3};
}

bool nanOrFinite(double value) { return std::isnan(value) || std::isfinite(value); }

void sweepUnderCurrentUnits(const Hydrix& lib) {
  const auto values = badValues();
  for (double a : values) {
    EXPECT_TRUE(nanOrFinite(lib.sPt(a))) << "STM_sPt(" << a << ")";
    EXPECT_TRUE(nanOrFinite(lib.sTp(a))) << "STM_sTp(" << a << ")";
    for (double b : values) {
      const if97_test::Property2 functions[] = {lib.sHtx, lib.sStx, lib.sDtx, lib.sXph,
                                                lib.sXps, lib.nDtp, lib.nHtp, lib.nStp,
                                                lib.nCPtp, lib.nCVtp, lib.nWtp, lib.nTph,
                                                lib.nTps};
      for (auto f : functions) EXPECT_TRUE(nanOrFinite(f(a, b))) << a << ", " << b;
      const int16_t sat = lib.IsSat_ph(a, b) | lib.IsSat_ps(a, b);
      EXPECT_TRUE(sat == 0 || sat == 1);
    }
  }
  for (auto limit : {lib.GetMaxTemp, lib.GetMinTemp, lib.GetMaxPress, lib.GetMinPress}) {
    EXPECT_TRUE(std::isfinite(limit()));
  }
}

TEST(BadInput, EveryEntryPointGivesNaNOrAFiniteValue) {
  Hydrix lib;
  ASSERT_TRUE(lib.library.isOpen()) << lib.library.error();
  sweepUnderCurrentUnits(lib);
  // and once more in the other units, where the scale factors differ
  lib.SetTempUnit(1);
  lib.SetPressUnit(13);
  lib.SetEnthalUnit(33);
  lib.SetEntroUnit(53);
  lib.SetDensityUnit(72);
  lib.SetWetDryUnit(91);
  lib.SetHCUnit(103);
  sweepUnderCurrentUnits(lib);
  lib.useProgramUnits();
}

TEST(BadInput, UnitSettersRefuseOddCodes) {
  Hydrix lib;
  ASSERT_TRUE(lib.library.isOpen()) << lib.library.error();
  for (auto set : {lib.SetTempUnit, lib.SetPressUnit, lib.SetEnthalUnit, lib.SetEntroUnit,
                   lib.SetDensityUnit, lib.SetWetDryUnit, lib.SetHCUnit}) {
    for (int32_t code : {-2147483647 - 1, -1, 0, 1000, 2147483647}) EXPECT_EQ(set(code), 0);
  }
}

}  // namespace
