// What the window shows, as data: captions, field texts, units and inputs,
// and the one table of fields, lists and formats the window reads.
#include "loaded_window.h"

#include "mainwindow/shown_fields.h"
#include "mainwindow/shown_table.h"
#include "units/unit_lists.h"

#include <string>
#include <vector>

namespace {

using mainwindow::kNoControl;
using mainwindow::kShownFields;

TEST(ShownFields, AgreeWithTheUnitListsAndTheDisplayFormats) {
  for (std::size_t i = 0; i < kShownFields.size(); ++i) {
    const mainwindow::ShownField& shown = kShownFields[i];
    EXPECT_EQ(static_cast<std::size_t>(shown.result), i);
    EXPECT_EQ(shown.field, mainwindow::kFirstField + static_cast<int16_t>(i));
    EXPECT_NE(shown.tick == kNoControl, shown.label == kNoControl) << shown.field;
    const units::UnitList* list = units::FindUnitList(shown.list);
    if (shown.list == kNoControl) {
      for (const units::UnitList& row : units::kUnitLists) EXPECT_NE(row.field, shown.field);
      continue;
    }
    ASSERT_NE(list, nullptr) << shown.field;
    EXPECT_EQ(list->field, shown.field);
    EXPECT_EQ(list->format, shown.format);
  }
}

TEST(ShownTable, RowsAsTheWindowShowsThem) {
  LoadedWindow w;
  w.Click("chkStmInput(1)");
  w.Click("chkStmInput(2)");  // temperature and quality
  w.Enter(43, "300");
  w.Enter(45, "0.35");
  w.Click("cmdCompute");
  const analysis::StateTable table = mainwindow::ShownTable(w.form);
  EXPECT_EQ(table.formulation, steam::Formulation::IF97);
  const std::vector<std::string> captions = {
      "Temperature", "Pressure", "Quality (L=0, V=1)", "Enthalpy", "Entropy", "Specific Volume",
      "Density", "Isobaric Heat Capacity", "Isochoric Heat Capacity", "Viscosity",
      "Thermal Conductivity", "Surface Tension", "Critical Velocity", "Prandtl Number",
      "Isentropic Exponent"};
  const std::vector<std::string> units = {"\u00B0F", "psia", "-", "BTU/lbm", "BTU/lbm-\u00B0R",
                                          "ft\u00B3/lbm", "lbm/ft\u00B3"};
  ASSERT_EQ(table.rows.size(), 15u);
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const analysis::StateRow& row = table.rows[i];
    EXPECT_EQ(row.caption, captions[i]);
    EXPECT_EQ(row.text, w.Text(static_cast<int16_t>(43 + i)));
    EXPECT_EQ(row.input, i == 0 || i == 2) << row.caption;
    if (i < units.size()) {
      EXPECT_EQ(row.unit, units[i]) << row.caption;
    }
  }
  EXPECT_EQ(table.rows[13].unit, "-");
  EXPECT_EQ(table.rows[14].unit, "-");
  w.Click("optSteam(1)");
  w.Click("optUnits(1)");
  const analysis::StateTable si = mainwindow::ShownTable(w.form);
  EXPECT_EQ(si.formulation, steam::Formulation::IFC67);
  EXPECT_EQ(si.rows[0].unit, "\u00B0C");
  EXPECT_EQ(si.rows[0].text, w.Text(43));
}

}  // namespace
