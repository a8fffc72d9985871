// Every check value printed in the IF-97 release (and the one h2ab value of
// the p(h, s) release), reproduced to all its printed digits. The region 3
// backward-equation values have their own test beside the region 3 code.
#include <gtest/gtest.h>

#include <hydrelix/if97.h>

#include <functional>
#include <string>

#include "boundary_b23.h"
#include "published_values.h"
#include "region1.h"
#include "region1_backward.h"
#include "region2.h"
#include "region2_backward.h"
#include "region3.h"
#include "region4.h"
#include "region5.h"

namespace {

using if97_test::PublishedValue;

struct GibbsRegion {
  std::function<double(double, double)> v, h, u, s, cp, w;
};

double evaluateGibbs(const GibbsRegion& r, const PublishedValue& row) {
  const double T = row.input("T_K"), p = row.input("p_MPa");
  if (row.property == "v") return r.v(T, p);
  if (row.property == "h") return r.h(T, p);
  if (row.property == "u") return r.u(T, p);
  if (row.property == "s") return r.s(T, p);
  if (row.property == "cp") return r.cp(T, p);
  if (row.property == "w") return r.w(T, p);
  return std::nan("");
}

const GibbsRegion kRegion1{if97::region1::specificVolume, if97::region1::specificEnthalpy,
                           if97::region1::specificInternalEnergy, if97::region1::specificEntropy,
                           if97::region1::isobaricHeatCapacity,   if97::region1::speedOfSound};
const GibbsRegion kRegion2{if97::region2::specificVolume, if97::region2::specificEnthalpy,
                           if97::region2::specificInternalEnergy, if97::region2::specificEntropy,
                           if97::region2::isobaricHeatCapacity,   if97::region2::speedOfSound};
const GibbsRegion kMetastable{
    if97::region2::metastable::specificVolume,       if97::region2::metastable::specificEnthalpy,
    if97::region2::metastable::specificInternalEnergy, if97::region2::metastable::specificEntropy,
    if97::region2::metastable::isobaricHeatCapacity, if97::region2::metastable::speedOfSound};
const GibbsRegion kRegion5{if97::region5::specificVolume, if97::region5::specificEnthalpy,
                           if97::region5::specificInternalEnergy, if97::region5::specificEntropy,
                           if97::region5::isobaricHeatCapacity,   if97::region5::speedOfSound};

double evaluateRegion3(const PublishedValue& row) {
  const double T = row.input("T_K"), rho = row.input("rho_kgm3");
  namespace r3 = if97::region3;
  if (row.property == "p") return r3::pressure(rho, T);
  if (row.property == "h") return r3::specificEnthalpy(rho, T);
  if (row.property == "u") return r3::specificInternalEnergy(rho, T);
  if (row.property == "s") return r3::specificEntropy(rho, T);
  if (row.property == "cp") return r3::isobaricHeatCapacity(rho, T);
  if (row.property == "w") return r3::speedOfSound(rho, T);
  return std::nan("");
}

// The value the library computes for one published row; NaN for a row it
// does not know.
double evaluate(const PublishedValue& row) {
  const std::string& f = row.property;
  const double T = row.input("T_K"), p = row.input("p_MPa");
  const double h = row.input("h_kJkg"), s = row.input("s_kJkgK");
  if (row.region == "1" && f == "T_of_ph") return if97::region1::backward::temperaturePh(p, h);
  if (row.region == "1" && f == "T_of_ps") return if97::region1::backward::temperaturePs(p, s);
  if (row.region == "1") return evaluateGibbs(kRegion1, row);
  if (row.region == "2") return evaluateGibbs(kRegion2, row);
  if (row.region == "2 metastable vapour") return evaluateGibbs(kMetastable, row);
  if (row.region == "3") return evaluateRegion3(row);
  if (row.region == "5") return evaluateGibbs(kRegion5, row);
  namespace b2 = if97::region2::backward;
  if (row.region == "2a" && f == "T_of_ph") return b2::temperature2aPh(p, h);
  if (row.region == "2b" && f == "T_of_ph") return b2::temperature2bPh(p, h);
  if (row.region == "2c" && f == "T_of_ph") return b2::temperature2cPh(p, h);
  if (row.region == "2a" && f == "T_of_ps") return b2::temperature2aPs(p, s);
  if (row.region == "2b" && f == "T_of_ps") return b2::temperature2bPs(p, s);
  if (row.region == "2c" && f == "T_of_ps") return b2::temperature2cPs(p, s);
  if (f == "h2ab_of_s") return b2::h2abEnthalpy(s);
  if (f == "h2bc_of_p") return b2::b2bcEnthalpy(p);
  if (f == "p2bc_of_h") return b2::b2bcPressure(h);
  if (f == "pB23_of_T") return if97::b23::pressure(T);
  if (f == "TB23_of_p") return if97::b23::temperature(p);
  if (f == "ps_of_T") return if97::saturationPressure(T);
  if (f == "Ts_of_p") return if97::saturationTemperature(p);
  return std::nan("");
}

bool isRegion3BackwardRow(const PublishedValue& row) {
  return row.source.rfind("SR3-03", 0) == 0 || row.source.rfind("SR5-05", 0) == 0;
}

TEST(PublishedCheckValues, EveryPrintedDigitIsReproduced) {
  const auto rows = if97_test::readPublishedValues(HYDRELIX_TEST_DATA "/if97/verification.csv");
  ASSERT_EQ(rows.size(), 220u);
  int checked = 0;
  for (const PublishedValue& row : rows) {
    if (isRegion3BackwardRow(row)) continue;
    const double computed = evaluate(row);
    EXPECT_LE(std::fabs(computed - row.value), row.halfLastDigit())
        << row.describe() << ", computed " << computed;
    ++checked;
  }
  EXPECT_EQ(checked, 125);  // all rows of the basic release and the h2ab row
}

// The region-level functions route each check state to the equation that
// produced it.
TEST(PublishedCheckValues, TemperaturePressureStatesReachTheirRegion) {
  const auto rows = if97_test::readPublishedValues(HYDRELIX_TEST_DATA "/if97/verification.csv");
  int checked = 0;
  for (const PublishedValue& row : rows) {
    if (row.region != "1" && row.region != "2" && row.region != "5") continue;
    if (row.property.rfind("T_of", 0) == 0) continue;
    const double T = row.input("T_K"), p = row.input("p_MPa");
    double computed = std::nan("");
    if (row.property == "v") computed = if97::specificVolume(T, p);
    if (row.property == "h") computed = if97::specificEnthalpy(T, p);
    if (row.property == "u") computed = if97::specificInternalEnergy(T, p);
    if (row.property == "s") computed = if97::specificEntropy(T, p);
    if (row.property == "cp") computed = if97::isobaricHeatCapacity(T, p);
    if (row.property == "w") computed = if97::speedOfSound(T, p);
    EXPECT_LE(std::fabs(computed - row.value), row.halfLastDigit())
        << row.describe() << ", computed " << computed;
    ++checked;
  }
  EXPECT_EQ(checked, 54);
}

}  // namespace
