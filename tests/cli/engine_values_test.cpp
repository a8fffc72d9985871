// The command line's values against the formulations' C++ interfaces: a state
// computed through the window's calculation and expressed in SI units by the
// exact factors has the volume, enthalpy, entropy, heat capacities and speed
// of sound the engine gives at the reported temperature and pressure. The
// working units sit between them with the calculation's own factors, which
// stray from the defining ones by up to 2.2e-6 (its volume factor 288.57773
// against 18.01528 lb/lbmol, its heat capacity factor 4.302880488), so
// agreement is to 3e-6; a wrong factor or molar mass is off by far more.
// The calculator's heat capacities of a liquid come from its own slope along
// the saturated line, not from the engine, and are left out.
#include <gtest/gtest.h>
#include <hydrelix/if97.h>
#include <hydrelix/ifc67.h>

#include <cmath>
#include <string>

#include "cli/bound_libraries.h"
#include "cli/state_report.h"
#include "units/exact_conversions.h"

namespace {

using steam::Result;

constexpr double kTolerance = 3e-6;

cli::ReportOptions SiOptions(steam::Formulation formulation) {
  cli::ReportOptions options;
  options.formulation = formulation;
  options.si = true;
  options.units = cli::SystemUnits(true);
  auto set = [&options](Result result, int16_t unit) {
    options.units[static_cast<std::size_t>(result)] = unit;
  };
  set(Result::Temperature, 3);                // K
  set(Result::Pressure, units::kMegapascal);  // MPa
  set(Result::SpecificVolume, 5);             // m3/kg
  set(Result::Density, 5);                    // kg/m3
  set(Result::SonicVelocity, 3);              // m/s
  return options;
}

cli::StateReport Report(steam::Formulation formulation, cli::InputName a, const std::string& va,
                        cli::InputName b, const std::string& vb,
                        steam::PropertyLibraries& libraries) {
  cli::StateRequest request{};
  std::string reason;
  request.names[0] = a;
  request.names[1] = b;
  request.texts[0] = *cli::ReadQuantity(a, va, reason);
  request.texts[1] = *cli::ReadQuantity(b, vb, reason);
  return cli::ReportState(request, SiOptions(formulation), libraries);
}

double Value(const cli::StateReport& report, Result result) {
  const std::optional<double>& value = report.properties[static_cast<std::size_t>(result)].value;
  EXPECT_TRUE(value.has_value()) << cli::kResultKeys[static_cast<std::size_t>(result)].key;
  return value.value_or(NAN);
}

void ExpectClose(double got, double engine, const std::string& what) {
  EXPECT_NEAR(got, engine, kTolerance * std::fabs(engine)) << what;
}

TEST(EngineValues, If97SinglePhaseStatesFromEveryPairAgreeWithTheEngine) {
  cli::BoundLibraries libraries;
  using N = cli::InputName;
  const struct {
    N a;
    const char* va;
    N b;
    const char* vb;
  } inputs[] = {
      {N::Temperature, "300C", N::Pressure, "5MPa"},
      {N::Temperature, "40C", N::Pressure, "50MPa"},
      {N::Temperature, "550C", N::Pressure, "30MPa"},
      {N::Temperature, "1500C", N::Pressure, "10MPa"},
      {N::Temperature, "380C", N::Pressure, "25MPa"},
      {N::Pressure, "1MPa", N::Enthalpy, "3000kJ/kg"},
      {N::Pressure, "20MPa", N::Enthalpy, "1800kJ/kg"},
      {N::Pressure, "0.01MPa", N::Entropy, "8.5kJ/kg-K"},
  };
  for (const auto& in : inputs) {
    const std::string where = std::string(in.va) + ", " + in.vb;
    const cli::StateReport report =
        Report(steam::Formulation::IF97, in.a, in.va, in.b, in.vb, libraries);
    ASSERT_TRUE(report.computed) << where << ": " << report.errorMessage;
    const double T = Value(report, Result::Temperature), p = Value(report, Result::Pressure);
    const if97::Properties engine = if97::propertiesTp(T, p);
    ExpectClose(Value(report, Result::SpecificVolume), engine.v, where + ": v");
    ExpectClose(Value(report, Result::Density), 1.0 / engine.v, where + ": rho");
    ExpectClose(Value(report, Result::Enthalpy), engine.h, where + ": h");
    ExpectClose(Value(report, Result::Entropy), engine.s, where + ": s");
    ExpectClose(Value(report, Result::IsochoricHeatCapacity), engine.cv, where + ": cv");
    ExpectClose(Value(report, Result::SonicVelocity), engine.w, where + ": w");
    if (Value(report, Result::Quality) == 0.0) continue;
    ExpectClose(Value(report, Result::IsobaricHeatCapacity), engine.cp, where + ": cp");
    ExpectClose(Value(report, Result::IsentropicExponent), engine.cp / engine.cv,
                where + ": cp/cv");
  }
}

TEST(EngineValues, If97GridOfTemperaturesAndPressures) {
  cli::BoundLibraries libraries;
  int compared = 0;
  for (int celsius = 5; celsius <= 1995; celsius += 45) {
    for (double megapascals : {0.002, 0.05, 0.3, 1.5, 7.0, 16.0, 24.0, 45.0, 90.0}) {
      const std::string t = std::to_string(celsius) + "C";
      const std::string p = std::to_string(megapascals) + "MPa";
      const cli::StateReport report = Report(steam::Formulation::IF97, cli::InputName::Temperature,
                                             t, cli::InputName::Pressure, p, libraries);
      if (!report.computed) continue;  // beyond the formulation's range
      const double T = Value(report, Result::Temperature), P = Value(report, Result::Pressure);
      const if97::Properties engine = if97::propertiesTp(T, P);
      const std::string where = t + ", " + p;
      ExpectClose(Value(report, Result::SpecificVolume), engine.v, where + ": v");
      ExpectClose(Value(report, Result::Enthalpy), engine.h, where + ": h");
      ExpectClose(Value(report, Result::Entropy), engine.s, where + ": s");
      ExpectClose(Value(report, Result::SonicVelocity), engine.w, where + ": w");
      ++compared;
    }
  }
  EXPECT_GT(compared, 250);
}

TEST(EngineValues, WetStatesAgreeWithTheMixtureAndHaveNullPlaceholders) {
  cli::BoundLibraries libraries;
  for (const char* t : {"50C", "150C", "300C"}) {
    const cli::StateReport report = Report(steam::Formulation::IF97, cli::InputName::Temperature, t,
                                           cli::InputName::Quality, "0.35", libraries);
    ASSERT_TRUE(report.computed) << t;
    const double T = Value(report, Result::Temperature), x = Value(report, Result::Quality);
    const if97::SaturatedPhase mixture = if97::mixtureTx(T, x);
    ExpectClose(Value(report, Result::Pressure), if97::saturationPressure(T),
                std::string(t) + ": ps");
    ExpectClose(Value(report, Result::Enthalpy), mixture.h, std::string(t) + ": h");
    ExpectClose(Value(report, Result::Entropy), mixture.s, std::string(t) + ": s");
    ExpectClose(Value(report, Result::SpecificVolume), mixture.v, std::string(t) + ": v");
    for (Result placeholder :
         {Result::IsobaricHeatCapacity, Result::IsochoricHeatCapacity, Result::Viscosity,
          Result::ThermalConductivity, Result::SurfaceTension, Result::SonicVelocity,
          Result::PrandtlNumber, Result::IsentropicExponent}) {
      EXPECT_FALSE(report.properties[static_cast<std::size_t>(placeholder)].value)
          << t << ": " << cli::kResultKeys[static_cast<std::size_t>(placeholder)].key;
    }
  }
}

TEST(EngineValues, Ifc67StatesAgreeWithItsEngine) {
  cli::BoundLibraries libraries;
  const struct {
    const char* t;
    const char* p;
  } inputs[] = {{"300C", "5MPa"}, {"40C", "50MPa"}, {"550C", "30MPa"}, {"700C", "1MPa"}};
  for (const auto& in : inputs) {
    const std::string where = std::string(in.t) + ", " + in.p;
    const cli::StateReport report = Report(steam::Formulation::IFC67, cli::InputName::Temperature,
                                           in.t, cli::InputName::Pressure, in.p, libraries);
    ASSERT_TRUE(report.computed) << where << ": " << report.errorMessage;
    const double T = Value(report, Result::Temperature), p = Value(report, Result::Pressure);
    ExpectClose(Value(report, Result::SpecificVolume), ifc67::specificVolume(T, p), where + ": v");
    ExpectClose(Value(report, Result::Enthalpy), ifc67::specificEnthalpy(T, p), where + ": h");
    ExpectClose(Value(report, Result::Entropy), ifc67::specificEntropy(T, p), where + ": s");
    if (Value(report, Result::Quality) == 0.0) continue;
    ExpectClose(Value(report, Result::IsobaricHeatCapacity), ifc67::isobaricHeatCapacity(T, p),
                where + ": cp");
  }
}

}  // namespace
