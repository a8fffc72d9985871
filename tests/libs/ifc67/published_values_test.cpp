// Every published IFC-67 value of tests/data/ifc67/checks.csv, through the C++
// API, to the digits it was printed with.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "check_table.h"
#include "hydrelix/ifc67.h"
#include "subregion3.h"

namespace {

using ifc67_test::CheckRow;

double temperatureOf(const CheckRow& row) {
  if (row.has("T_K")) return row.get("T_K");
  if (row.has("t_C")) return row.get("t_C") + 273.15;
  if (row.has("t_F")) return (row.get("t_F") - 32.0) / 1.8 + 273.15;
  return NAN;
}

double pressureOf(const CheckRow& row) {  // MPa
  if (row.has("p_Pa")) return row.get("p_Pa") * 1e-6;
  if (row.has("p_kPa")) return row.get("p_kPa") * 1e-3;
  if (row.has("p_MPa")) return row.get("p_MPa");
  if (row.has("p_atm")) return row.get("p_atm") * 0.101325;
  return NAN;
}

// A state with a quality is saturated, at T or at Ts(p).
double stateTemperature(const CheckRow& row) {
  const double T = temperatureOf(row);
  return std::isnan(T) ? ifc67::saturationTemperature(pressureOf(row)) : T;
}

// The row's property in the row's unit.
double computed(const CheckRow& row) {
  const std::string& property = row.property;
  const std::string& unit = row.unit;
  const bool saturated = row.has("x");
  const double T = stateTemperature(row);
  const double p = pressureOf(row);
  const double x = saturated ? row.get("x") : NAN;

  if (property == "p_sat") return ifc67::saturationPressure(T) * (unit == "Pa" ? 1e6 : 1.0);
  if (property == "p_L") return ifc67::boundaryPressure(T);
  if (property == "p") {  // from (T, v) through the subregion 3 function
    const auto factors = ifc67::subregion3::temperatureFactors(T / ifc67::kCriticalTemperature,
                                                               ifc67::subregion3::Function::Subregion3);
    return ifc67::kCriticalPressure *
           ifc67::subregion3::reducedPressure(factors, row.get("v_m3kg") / 3.17e-3);
  }

  double v, h, s;
  if (saturated) {
    v = ifc67::mixtureVolumeTx(T, x);
    h = ifc67::mixtureEnthalpyTx(T, x);
    s = ifc67::mixtureEntropyTx(T, x);
  } else {
    v = ifc67::specificVolume(T, p);
    h = ifc67::specificEnthalpy(T, p);
    s = ifc67::specificEntropy(T, p);
  }
  if (property == "h") return unit == "J/kg" ? h * 1e3 : h;
  if (property == "s") return unit == "J/(kg K)" ? s * 1e3 : s;
  if (property == "v") return unit == "cm3/g" ? v * 1e3 : v;
  if (property == "rho") return 1.0 / v;
  if (property == "u") return (h - 1e3 * p * v) * (unit == "J/kg" ? 1e3 : 1.0);
  return NAN;
}

TEST(PublishedValues, EveryRowMatchesToItsPrintedDigits) {
  const auto rows = ifc67_test::readCheckTable(HYDRELIX_TEST_DATA "/ifc67/checks.csv");
  ASSERT_EQ(rows.size(), 31u);
  for (const CheckRow& row : rows) {
    const ifc67_test::PrintedPrecision precision = ifc67_test::printedPrecision(row.valueText);
    const double allowed =
        precision.significantDigits > 10 ? 1e-9 * std::fabs(row.value) : precision.halfUnit * (1.0 + 1e-12);
    const double actual = computed(row);
    EXPECT_NEAR(actual, row.value, allowed)
        << "line " << row.line << ": " << row.property << " [" << row.unit << "] at " << row.inputs;
  }
}

}  // namespace
