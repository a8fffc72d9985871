// The pins table shows held values in the main window's current units and
// formats: a unit change re-expresses them, differences of temperature are
// intervals, and the notes mark the reference and mixed differences.
#include "analysis/pin_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using analysis::DisplayUnits;
using analysis::PinnedStates;
using analysis::TextTable;

// Two pins with values no formulation computes together (a water at 32 °F
// with the enthalpy of steam): a table that computed anything again could
// not show them.
PinnedStates TwoPins() {
  PinnedStates pins;
  steam::SteamState state;
  state.values.Temperature = 32.0;
  state.values.Pressure = 14.696;
  state.values.Quality = 1.0;
  state.values.Enthalpy = 18015.28;       // 1000 Btu/lbm
  state.values.Entropy = 18.01528 * 1.5;  // 1.5 Btu/(lbm R)
  state.values.SpecificVolume = 18.01528 * 2.0;
  pins.Add(state);
  state.formulation = steam::Formulation::IFC67;
  state.pair = steam::InputPair::PressureEnthalpy;
  state.values.Temperature = 212.0;
  state.values.Enthalpy = 2.0 * 18015.28;
  pins.Add(state);
  return pins;
}

DisplayUnits WithTemperatureUnit(DisplayUnits shown, int16_t unit) {
  shown.unit[0] = unit;
  return shown;
}

TEST(PinTable, UnitsReExpressTheHeldValues) {
  struct Case {
    const char* name;
    DisplayUnits shown;
    std::vector<std::string> header;
    std::vector<std::string> secondRow;
  };
  const Case cases[] = {
      {"IP", DisplayUnits::Ip(),
       {"Name", "Formulation", "Inputs", "T [°F]", "p [psia]", "x", "h [BTU/lbm]",
        "s [BTU/lbm-°R]", "v [ft³/lbm]", "ΔT [°F]", "Δh [BTU/lbm]", "Δs [BTU/lbm-°R]", "Note"},
       {"P2", "IFC-67", "p, h", "212.00", "14.696", "1.000", "2000.0000", "1.50000", "2.000000",
        "180.00", "1000.0000", "0.00000", "mixed"}},
      {"SI", DisplayUnits::Si(),
       {"Name", "Formulation", "Inputs", "T [°C]", "p [Bar]", "x", "h [kJ/kg]", "s [kJ/kg-K]",
        "v [m³/kg]", "ΔT [K]", "Δh [kJ/kg]", "Δs [kJ/kg-K]", "Note"},
       {"P2", "IFC-67", "p, h", "100.00", "1.013", "1.000", "4652.0000", "6.28020", "0.124856",
        "100.00", "2326.0000", "0.00000", "mixed"}},
      {"°R", WithTemperatureUnit(DisplayUnits::Ip(), 2),
       {},
       {"P2", "IFC-67", "p, h", "671.69", "14.696", "1.000", "2000.0000", "1.50000", "2.000000",
        "180.00", "1000.0000", "0.00000", "mixed"}},
      {"K", WithTemperatureUnit(DisplayUnits::Ip(), 3),
       {},
       {"P2", "IFC-67", "p, h", "373.15", "14.696", "1.000", "2000.0000", "1.50000", "2.000000",
        "100.00", "1000.0000", "0.00000", "mixed"}},
  };
  const PinnedStates pins = TwoPins();
  for (const Case& c : cases) {
    const TextTable table = analysis::PinTable(pins, c.shown);
    if (!c.header.empty()) {
      EXPECT_EQ(table.header, c.header) << c.name;
    }
    ASSERT_EQ(table.rows.size(), 2u) << c.name;
    EXPECT_EQ(table.rows[1], c.secondRow) << c.name;
    EXPECT_EQ(table.rows[0].back(), "reference") << c.name;
    EXPECT_EQ(table.rows[0][9], "") << c.name;
  }
}

TEST(PinTable, FormatsAndDecimalMarkFollowTheMainWindow) {
  DisplayUnits shown = DisplayUnits::Ip();
  shown.formats[0] = "0.0";
  shown.locale.decimalSeparator = ",";
  const TextTable table = analysis::PinTable(TwoPins(), shown);
  EXPECT_EQ(table.rows[1][3], "212,0");
  EXPECT_EQ(table.rows[1][9], "180,0");
  EXPECT_EQ(table.rows[1][6], "2000,0000");
}

TEST(PinTable, PreviousRowBaseHasNoReferenceNote) {
  PinnedStates pins = TwoPins();
  pins.SetBase(analysis::DifferenceBase::Previous);
  const TextTable table = analysis::PinTable(pins, DisplayUnits::Ip());
  EXPECT_EQ(table.rows[0].back(), "");
  EXPECT_EQ(table.rows[1].back(), "mixed");
}

TEST(PinTable, CopiedAsTabSeparatedTextAndHtml) {
  PinnedStates pins = TwoPins();
  pins.Rename(0, "a<b\tc");
  const TextTable table = analysis::PinTable(pins, DisplayUnits::Ip());
  const std::string text = analysis::AsTabSeparated(table);
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "Name\tFormulation\tInputs\tT [°F]\tp [psia]\tx\th [BTU/lbm]\ts [BTU/lbm-°R]\t"
            "v [ft³/lbm]\tΔT [°F]\tΔh [BTU/lbm]\tΔs [BTU/lbm-°R]\tNote");
  EXPECT_NE(text.find("\na<b c\tIAPWS-IF97\tT, p\t32.00\t"), std::string::npos) << text;
  EXPECT_NE(text.back(), '\n');  // "\n" between rows, as every copy of the program
  const std::string html = analysis::AsHtml(table);
  EXPECT_NE(html.find("<td>a&lt;b\tc</td>"), std::string::npos) << html;
}

}  // namespace
