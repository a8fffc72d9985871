// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of tests/data/ifc67/reference_values.csv (values computed from the
// formulation in 40-digit arithmetic, in the library's units) through the
// STM_ entry point that the row names, bound from libCalorix.so.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calorix_library.h"
#include "check_table.h"

namespace {

using ifc67_test::CheckRow;

double computed(const CheckRow& row) {
  const ifc67_test::CalorixLibrary& lib = ifc67_test::calorix();
  const std::string& property = row.property;
  if (property == "p_sat") return lib.kPt(row.get("t_F"));
  if (property == "T_sat") return lib.kTp(row.get("p_atm"));
  if (property == "x")
    return row.has("h_Jkg") ? lib.sWep(row.get("h_Jkg"), row.get("p_atm")) : lib.sWsp(row.get("s_JkgK"), row.get("p_atm"));
  if (property == "T")
    return row.has("h_Jkg") ? lib.twoTep(row.get("h_Jkg"), row.get("p_atm")) : lib.nTsp(row.get("s_JkgK"), row.get("p_atm"));
  if (row.has("x")) {
    const double x = row.get("x");
    if (row.has("p_atm")) {  // the library has no volume function of (p, x)
      if (property == "h") return lib.sEpw(row.get("p_atm"), x);
      if (property == "s") return lib.sSpw(row.get("p_atm"), x);
      return NAN;
    }
    const double t = row.get("t_F");
    if (property == "h") return lib.sEtw(t, x);
    if (property == "s") return lib.sStw(t, x);
    if (property == "v") return lib.sXtw(t, x);
    return NAN;
  }
  const double t = row.get("t_F");
  const double p = row.get("p_atm");
  if (property == "h") return lib.nEtp(t, p);
  if (property == "s") return lib.nStp(t, p);
  if (property == "v") return lib.nXtp(t, p);
  if (property == "cp") return lib.nCtp(t, p);
  return NAN;
}

// Within a few kelvin of Tc1 (685 to 725 F) the functions are steep, and cp is
// a second derivative everywhere: 1e-6 there, 1e-8 elsewhere.
double relativeTolerance(const CheckRow& row) {
  const auto nearCritical = [](double fahrenheit) { return fahrenheit >= 685.0 && fahrenheit <= 725.0; };
  if (row.property == "cp") return 1e-6;
  if (row.has("t_F") && nearCritical(row.get("t_F"))) return 1e-6;
  if ((row.property == "T" || row.property == "T_sat") && nearCritical(row.value)) return 1e-6;
  return 1e-8;
}

TEST(ReferenceValues, EveryLibraryFunctionReproducesItsRows) {
  ASSERT_TRUE(ifc67_test::calorix().complete()) << ifc67_test::calorix().library.error();
  const auto rows = ifc67_test::readCheckTable(HYDRELIX_TEST_DATA "/ifc67/reference_values.csv");
  ASSERT_EQ(rows.size(), 118u);
  for (const CheckRow& row : rows) {
    const double actual = computed(row);
    EXPECT_NEAR(actual, row.value, relativeTolerance(row) * std::fabs(row.value))
        << "line " << row.line << ": " << row.property << " [" << row.unit << "] at " << row.inputs;
  }
}

}  // namespace
