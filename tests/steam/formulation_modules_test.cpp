// The formulation modules: unit set-up messages, range limits and the heat
// capacities' rules.
#include "fake_libraries.h"

#include "steam/compute_fault.h"
#include "steam/formulation_modules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace steam::basSteam97Functions;
using namespace steam::basSteam67Functions;
using steam::Message;
using steam_test::FakeLibraries;

std::vector<std::string> Texts(const std::vector<Message>& messages) {
  std::vector<std::string> texts;
  for (const Message& m : messages) {
    EXPECT_EQ(m.title, "");  // the application's title
    EXPECT_EQ(m.icon, steam::MessageIcon::None);
    texts.push_back(m.text);
  }
  return texts;
}

TEST(UnitSetUp, TheRealLibrariesTakeEveryCode) {
  FakeLibraries libraries;
  EXPECT_TRUE(SetUnits97(libraries).empty());
  EXPECT_TRUE(SetUnits67(libraries).empty());
}

// A library that cannot be loaded is reported once, by the compute that
// follows the set-up, not unit by unit.
TEST(UnitSetUp, AMissingLibraryGivesNoUnitMessages) {
  FakeLibraries libraries;
  libraries.hydrix.reset();
  libraries.calorix.reset();
  EXPECT_TRUE(SetUnits97(libraries).empty());
  EXPECT_TRUE(SetUnits67(libraries).empty());
}

TEST(UnitSetUp, ARefusedOrMissingSetterIsReportedAndTheRestGoesOn) {
  FakeLibraries libraries;
  libraries.hydrix->SetEntroUnit = [](int32_t) -> int16_t { return 0; };
  libraries.calorix->SetVolUnit = nullptr;
  EXPECT_EQ(Texts(SetUnits97(libraries)),
            std::vector<std::string>{"Error Initializing Module:  Steam97, Entropy"});
  EXPECT_EQ(Texts(SetUnits67(libraries)),
            std::vector<std::string>{"Error Initializing Module:  Steam67, Specific Volume"});
}

TEST(RangeChecks, ALimitIsInRangeAndTheNextFloatIsNot) {
  FakeLibraries libraries;
  const float maxT = static_cast<float>(libraries.hydrix->GetMaxTemp());
  const float minT = static_cast<float>(libraries.hydrix->GetMinTemp());
  EXPECT_EQ(maxT, 3632.0f);
  EXPECT_EQ(TempRange97(libraries, maxT), "");
  EXPECT_EQ(TempRange97(libraries, std::nextafter(maxT, 1e9f)), "High");
  EXPECT_EQ(TempRange97(libraries, minT), "");
  EXPECT_EQ(TempRange97(libraries, std::nextafter(minT, -1e9f)), "Low");
  const float maxP = static_cast<float>(libraries.calorix->GetMaxPress() * 14.696);
  EXPECT_NEAR(maxP, 14503.82f, 0.01f);
  EXPECT_EQ(PressRange67(libraries, maxP), "");
  EXPECT_EQ(PressRange67(libraries, std::nextafter(maxP, 1e9f)), "High");
  EXPECT_EQ(PressRange67(libraries, 0.0f), "");
  EXPECT_EQ(PressRange67(libraries, -1e-30f), "Low");
  EXPECT_EQ(TempRange67(libraries, 32.018f), "");
  EXPECT_EQ(TempRange67(libraries, 1472.0f), "");
  EXPECT_EQ(TempRange67(libraries, 1472.001f), "High");
}

// The saturated-liquid enthalpies the difference asks for, recorded.
std::vector<double> gAskedTemperatures;
double RecordingEnthalpy(double t, double) {
  gAskedTemperatures.push_back(t);
  return 1000.0 * t;
}

TEST(HeatCapacities, SaturatedLiquidDifferenceUsesItsTemperaturePairs) {
  FakeLibraries libraries;
  libraries.hydrix->sHtx = RecordingEnthalpy;
  libraries.calorix->sEtw = RecordingEnthalpy;
  const double P = 14.696, liquid = 0.0;
  const struct {
    double T;
    bool if97;
    std::vector<double> pair;
  } cases[] = {{33.0, true, {32.0, 32.2}},          {33.0001, true, {32.5001, 33.5001}},
               {20.0, true, {32.0, 32.2}},          {33.0, false, {33.0, 34.0}},
               {700.0, false, {699.5, 700.5}},      {704.8, true, {703.8, 704.8}},
               {705.2, false, {704.2, 705.2}}};
  for (const auto& c : cases) {
    gAskedTemperatures.clear();
    const double cp = c.if97 ? Cp97(libraries, c.T, P, liquid) : Cp67(libraries, c.T, P, liquid);
    ASSERT_EQ(gAskedTemperatures.size(), 2u) << c.T;
    EXPECT_DOUBLE_EQ(gAskedTemperatures[0], c.pair[0]) << c.T;
    EXPECT_DOUBLE_EQ(gAskedTemperatures[1], c.pair[1]) << c.T;
    EXPECT_NEAR(cp, 1000.0 * 0.007745176, 1e-6) << c.T;
  }
}

TEST(HeatCapacities, TwoPhaseNeedsNoLibraryAndTheBandEdgesUseSinglePhase) {
  FakeLibraries libraries;
  libraries.hydrix.reset();
  libraries.calorix.reset();
  const double T = 300.0, P = 67.0, wet = 0.5;
  EXPECT_EQ(Cp97(libraries, T, P, wet), 0.0);
  EXPECT_EQ(Cv97(libraries, T, P, wet), 0.0);
  EXPECT_EQ(Cp67(libraries, T, P, wet), 0.0);
  EXPECT_EQ(Cv67(libraries, T, P, wet), 0.0);

  FakeLibraries real;
  for (double X : {0.00005, 0.0001, 0.9999, 1.0}) {
    EXPECT_GT(Cp97(real, T, P, X), 0.0) << X;
    EXPECT_GT(Cp67(real, T, P, X), 0.0) << X;
    EXPECT_GT(Cv97(real, T, P, X), 0.0) << X;
  }
}

// Valid saturated liquid up to the critical temperature has a heat capacity,
// where T + 0.5 would have left the line.
TEST(HeatCapacities, SaturatedLiquidNextToTheCriticalPoint) {
  FakeLibraries libraries;
  for (double T : {704.0, 704.8, 705.0}) {
    const double P = libraries.hydrix->sPt(T) * 14.6959487755;
    const double cp = Cp97(libraries, T, P, 0.0);
    EXPECT_TRUE(std::isfinite(cp) && cp > 100.0) << T;  // Btu/(lbmol F), very large near Tc
  }
  for (double T : {704.0, 705.0, 705.4}) {
    const double P = libraries.calorix->kPt(T) * 14.6959487755;
    const double cp = Cp67(libraries, T, P, 0.0);
    EXPECT_TRUE(std::isfinite(cp) && cp > 100.0) << T;
  }
  // Liquid-like supercritical water just below the critical temperature.
  EXPECT_GT(Cp97(libraries, 704.9, 4000.0, 0.0), 0.0);
}

}  // namespace
