// The State Details rows of states computed with the real libraries, in the
// main window's IP and SI units and default formats. The saturation values
// agree with published steam tables to the digits shown (100 psia: 327.8 °F,
// hfg 888.9 Btu/lbm; 300 °F: 67.02 psia, hfg 910.2 Btu/lbm; 1000 psia:
// 544.6 °F).
#include "analysis/state_details.h"

#include "platform/shared_property_libraries.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using analysis::DisplayUnits;
using steam::Formulation;
using steam::InputPair;

constexpr Formulation IF97 = Formulation::IF97;
constexpr Formulation IFC67 = Formulation::IFC67;

struct Case {
  const char* name;
  Formulation formulation;
  InputPair pair;
  double first, second;  // working units
  bool si;
  // Property -> "value unit" (the unit cell after a space when it has one).
  std::map<std::string, std::string> rows;
  // Properties that must not be there.
  std::vector<std::string> absent;
};

const std::vector<Case> kCases = {
    {"steam", IF97, InputPair::TemperaturePressure, 600, 100, false,
     {{"Region", "IAPWS-IF97 region 2"},
      {"Phase", "Superheated vapor"},
      {"Saturation temperature", "327.82 °F"},
      {"Saturation pressure", "1542.453 psia"},
      {"Superheat", "272.18 °F"},
      {"Pressure margin (p \u2212 psat)", "-1442.453 psia"},
      {"Saturated vapor enthalpy", "1187.4928 BTU/lbm"},
      {"Enthalpy of evaporation (hfg)", "888.9191 BTU/lbm"},
      {"Saturated liquid specific volume", "0.017736 ft³/lbm"}},
     {"Subcooling"}},
    {"steam in SI", IF97, InputPair::TemperaturePressure, 600, 100, true,
     {{"Saturation temperature", "164.34 °C"},
      {"Superheat", "151.21 K"},  // a temperature difference in kelvins
      {"Saturated vapor pressure", "6.895 Bar"},
      {"Enthalpy of evaporation (hfg)", "2067.6257 kJ/kg"},
      {"Entropy of evaporation (sfg)", "4.72609 kJ/kg-K"}},
     {}},
    {"wet steam", IF97, InputPair::TemperatureQuality, 300, 0.872, false,
     {{"Region", "IAPWS-IF97 region 4 (two-phase)"},
      {"Phase", "Wet steam, x = 0.872"},
      {"Saturation pressure", "67.021 psia"},
      {"Enthalpy of evaporation (hfg)", "910.1994 BTU/lbm"}},
     {"Superheat", "Subcooling"}},
    {"wet steam under IFC-67", IFC67, InputPair::TemperatureQuality, 300, 0.872, true,
     {{"Region", "IFC-67 saturation line"},
      {"Phase", "Wet steam, x = 0.872"},
      {"Saturation temperature", "148.89 °C"},
      {"Nearest validity limit: lower temperature", "0.01 °C"}},
     {}},
    {"compressed water under IFC-67", IFC67, InputPair::TemperaturePressure, 150, 1000, false,
     {{"Region", "IFC-67 subregion 1"},
      {"Phase", "Compressed liquid"},
      {"Saturation temperature", "544.58 °F"},
      {"Subcooling", "394.58 °F"},
      {"Pressure margin (p \u2212 psat)", "996.282 psia"}},
     {"Superheat"}},
    {"supercritical", IF97, InputPair::TemperaturePressure, 1000, 5000, false,
     {{"Phase", "Supercritical fluid"},
      {"Saturation temperature", "no saturation above 3200.113 psia"},
      {"Saturation pressure", "no saturation above 705.10 °F"}},
     {"Superheat", "Subcooling", "Pressure margin (p \u2212 psat)", "Saturated liquid enthalpy"}},
    {"supercritical in SI", IF97, InputPair::TemperaturePressure, 1000, 5000, true,
     {{"Saturation temperature", "no saturation above 220.640 Bar"},
      {"Saturation pressure", "no saturation above 373.95 °C"}},
     {}},
    {"region 5", IF97, InputPair::TemperaturePressure, 2000, 100, true,
     {{"Region", "IAPWS-IF97 region 5"},
      {"Nearest validity limit: region 5 upper temperature", "2000.00 °C"},
      {"Distance to the limit", "906.67 K"}},
     {}},
};

TEST(StateDetails, RowsInTheWindowsUnitsAndFormats) {
  platform::SharedPropertyLibraries libraries;
  for (const Case& c : kCases) {
    const steam::SolveOutcome solved =
        steam::Solve(c.formulation, c.pair, c.first, c.second, libraries);
    ASSERT_TRUE(solved.succeeded) << c.name;
    const analysis::TextTable table = analysis::StateDetailsRows(
        solved.state, c.si ? DisplayUnits::Si() : DisplayUnits::Ip());
    ASSERT_EQ(table.header, (std::vector<std::string>{"Property", "Value", "Unit"}));
    std::map<std::string, std::string> shown;
    for (const auto& row : table.rows) {
      ASSERT_EQ(row.size(), 3u) << c.name;
      shown[row[0]] = row[2].empty() ? row[1] : row[1] + " " + row[2];
    }
    for (const auto& [property, text] : c.rows) {
      EXPECT_EQ(shown[property], text) << c.name << ": " << property;
    }
    for (const std::string& property : c.absent) {
      EXPECT_EQ(shown.count(property), 0u) << c.name << ": " << property;
    }
  }
}

TEST(StateDetails, TheQualityAndDecimalMarkAreTheWindows) {
  platform::SharedPropertyLibraries libraries;
  const steam::SolveOutcome solved =
      steam::Solve(IF97, InputPair::PressureQuality, 100, 0.25, libraries);
  ASSERT_TRUE(solved.succeeded);
  DisplayUnits shown = DisplayUnits::Ip();
  shown.formats[2] = "0.0";
  shown.locale.decimalSeparator = ",";
  const analysis::TextTable table = analysis::StateDetailsRows(solved.state, shown);
  EXPECT_EQ(table.rows[1][1], "Wet steam, x = 0,3");
  EXPECT_EQ(table.rows[2][1], "327,82");
}

}  // namespace
