// Choosing the subregion of a state, and the size of the formulation's own
// discontinuities where two subregions meet: a wrong root, branch or
// coefficient in one subregion shows as a jump far larger than IFC-67's.
#include <gtest/gtest.h>

#include <cmath>

#include "hydrelix/ifc67.h"
#include "single_phase.h"

namespace {

using ifc67::Property;

TEST(SubregionChoice, StatesLandInTheSubregionOfTheirPhaseAndTemperature) {
  struct Case {
    double T, p;
    int subregion;
  };
  const Case cases[] = {
      {300.0, 3.0, 1},      {300.0, 0.0035, 2},   {623.15, 20.0, 1},   {623.15, 16.0, 2},
      {623.16, 20.0, 4},    {640.0, 25.0, 4},     {640.0, 19.0, 3},    {640.0, 18.0, 2},
      {700.0, 30.0, 2},     {700.0, 50.0, 3},     {860.0, 100.0, 3},   {870.0, 100.0, 2},
      {1073.15, 100.0, 2},  {273.16, 0.0005, 2},  {273.16, 100.0, 1},  {647.29, 22.2, 4},
      {647.3, 22.2, 3},     {500.0, 100.0, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(ifc67::subregionTp(c.T, c.p), c.subregion) << "T = " << c.T << " K, p = " << c.p << " MPa";
  EXPECT_EQ(ifc67::subregionTp(273.15, 1.0), 0);
  EXPECT_EQ(ifc67::subregionTp(1073.16, 1.0), 0);
  EXPECT_EQ(ifc67::subregionTp(500.0, 0.0), 0);
  EXPECT_EQ(ifc67::subregionTp(500.0, 100.001), 0);
}

struct JumpLimits {
  double volume;        // relative
  double enthalpy;      // kJ/kg
  double entropy;       // kJ/(kg K)
  double heatCapacity;  // relative
};

struct Jumps {
  double volume = 0, enthalpy = 0, entropy = 0, heatCapacity = 0;
  void add(double T, double p, int below, int above) {
    const auto value = [&](Property property, int subregion) {
      return ifc67::propertyInSubregion(property, subregion, T, p);
    };
    const auto relative = [](double a, double b) { return std::fabs(a - b) / std::fabs(b); };
    volume = std::fmax(volume, relative(value(Property::Volume, above), value(Property::Volume, below)));
    enthalpy = std::fmax(enthalpy, std::fabs(value(Property::Enthalpy, above) - value(Property::Enthalpy, below)));
    entropy = std::fmax(entropy, std::fabs(value(Property::Entropy, above) - value(Property::Entropy, below)));
    heatCapacity = std::fmax(
        heatCapacity, relative(value(Property::HeatCapacity, above), value(Property::HeatCapacity, below)));
  }
  void expectWithin(const JumpLimits& limits, const char* where) const {
    EXPECT_LE(volume, limits.volume) << where;
    EXPECT_LE(enthalpy, limits.enthalpy) << where;
    EXPECT_LE(entropy, limits.entropy) << where;
    EXPECT_LE(heatCapacity, limits.heatCapacity) << where;
    EXPECT_TRUE(std::isfinite(volume + enthalpy + entropy + heatCapacity)) << where;
  }
};

// 161 pressures from ps(623.15 K) to 100 MPa; the largest jumps the
// formulation has there are 1.42e-4 in v, 161 J/kg, 0.20 J/(kg K), 1.4 % in cp.
TEST(SubregionBoundaries, LiquidJumpsAt623KStayWithinTheFormulationsOwn) {
  const double T = 623.15;
  const double ps = ifc67::saturationPressure(T) * (1 + 1e-12);
  Jumps jumps;
  for (int i = 0; i <= 160; ++i) jumps.add(T, ps + (100.0 - ps) * i / 160.0, 1, 4);
  jumps.expectWithin({1.5e-4, 0.162, 0.21e-3, 1.45e-2}, "between subregions 1 and 4");
  EXPECT_GT(jumps.enthalpy, 0.1) << "the two sides agree too well: the same function on both?";
}

// Along the L-line from 623.15 K to 863.15 K: up to 5.5e-4 in v, 265 J/kg,
// 0.50 J/(kg K) and 6.8 % in cp.
TEST(SubregionBoundaries, VapourJumpsOnTheBoundaryLineStayWithinTheFormulationsOwn) {
  Jumps jumps;
  for (double T = 623.15; T <= 863.15; T += 0.1) jumps.add(T, ifc67::boundaryPressure(T), 2, 3);
  jumps.expectWithin({5.6e-4, 0.27, 0.51e-3, 6.9e-2}, "between subregions 2 and 3");
  EXPECT_GT(jumps.enthalpy, 0.1) << "the two sides agree too well: the same function on both?";
}

TEST(SubregionBoundaries, BoundaryLineRunsFromTheSaturationLineTo100MPa) {
  EXPECT_NEAR(ifc67::boundaryPressure(623.15), ifc67::saturationPressure(623.15), 5e-4);
  EXPECT_NEAR(ifc67::boundaryPressure(863.15), 100.0, 5e-3);
  EXPECT_TRUE(std::isnan(ifc67::boundaryPressure(600.0)));
}

}  // namespace
