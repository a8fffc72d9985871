// A table asked for in words becomes a request in working units.
#include "analysis/sweep_form.h"

#include <gtest/gtest.h>

namespace analysis {
namespace {

TEST(SweepForm, ReadsUnitsAfterTheValuesOrTakesTheSystemsOwn) {
  struct Case {
    SweepKind kind;
    const char* temperatures;
    const char* pressures;
    bool si;
    std::vector<double> workingTemperatures;
    std::vector<double> workingPressures;
    const char* error;  // part of the reason, or empty
  };
  const double psiaPerMpa = 1e6 / 6894.757293168361;
  const std::vector<Case> cases = {
      {SweepKind::SaturationByTemperature, "100", "", true, {212}, {}, ""},
      {SweepKind::SaturationByTemperature, "212", "", false, {212}, {}, ""},
      {SweepKind::SaturationByTemperature, "373.15 K", "", false, {212}, {}, ""},
      {SweepKind::SaturationByTemperature, "0:100:50 degC", "", false, {32, 122, 212}, {}, ""},
      {SweepKind::SaturationByPressure, "", "1,2MPa", false, {}, {psiaPerMpa, 2 * psiaPerMpa}, ""},
      {SweepKind::IsobarSweep, "100:200:100C", "1 mpa", false, {212, 392}, {psiaPerMpa}, ""},
      {SweepKind::IsothermSweep, "100C", "1:100:1 psia", false, {212}, {1, 10, 100}, ""},
      {SweepKind::IsobarSweep, "100", "1,2 MPa", false, {}, {}, "one pressure"},
      {SweepKind::IsothermSweep, "100,200", "1", false, {}, {}, "one temperature"},
      {SweepKind::Grid, "100 furlongs", "1", false, {}, {}, "\"furlongs\" is not a unit of temperatures"},
      {SweepKind::Grid, "100", "1 K", false, {}, {}, "\"K\" is not a unit of pressures"},
      {SweepKind::Grid, "100:1", "1", false, {}, {}, "temperatures are not understood"},
  };
  for (const Case& c : cases) {
    SweepForm form;
    form.kind = c.kind;
    form.temperatures = c.temperatures;
    form.pressures = c.pressures;
    form.units = TableUnits::System(c.si);
    form.logarithmic = c.kind == SweepKind::IsothermSweep;
    const FormRequest out = RequestFromForm(form);
    if (*c.error != '\0') {
      EXPECT_NE(out.error.find(c.error), std::string::npos) << c.temperatures << " | " << out.error;
      continue;
    }
    ASSERT_EQ(out.error, "") << c.temperatures << " " << c.pressures;
    ASSERT_EQ(out.request.temperatures.size(), c.workingTemperatures.size());
    for (std::size_t i = 0; i < c.workingTemperatures.size(); ++i) {
      EXPECT_NEAR(out.request.temperatures[i], c.workingTemperatures[i], 1e-12);
    }
    ASSERT_EQ(out.request.pressures.size(), c.workingPressures.size());
    for (std::size_t i = 0; i < c.workingPressures.size(); ++i) {
      EXPECT_NEAR(out.request.pressures[i], c.workingPressures[i], 1e-12);
    }
    EXPECT_EQ(out.request.columns.front().key,
              c.kind == SweepKind::SaturationByPressure || c.kind == SweepKind::IsothermSweep
                  ? "pressure"
                  : "temperature");
  }
}

TEST(SweepForm, APresetEndsTheSaturationTableAtTheCriticalPoint) {
  SweepForm form;
  form.temperatures = "Textbook IP";
  const FormRequest out = RequestFromForm(form);
  ASSERT_EQ(out.error, "");
  EXPECT_TRUE(out.request.endsAtCriticalPoint);
  EXPECT_EQ(out.request.temperatures.front(), 32.018);
  EXPECT_EQ(out.request.temperatures.back(), 700.0);
}

}  // namespace
}  // namespace analysis
