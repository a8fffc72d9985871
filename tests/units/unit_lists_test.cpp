// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_lists.h"

#include "units/conversions.h"
#include "units/unit_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace units {
namespace {

const float kMolarMass = 18.01528f;

std::string Label(const UnitList& row, int unit) {
  const std::vector<std::string>* labels = UnitLabels(row.tag);
  if (labels == nullptr || unit < 0 || unit >= static_cast<int>(labels->size())) return "?";
  return (*labels)[unit];
}

struct ListCase {
  int list;
  int field;
  const char* working;
  const char* ip;
  const char* si;
  int format;
};

// The unit-system switch selects by index; checking the labels those indices
// land on catches an index that is off by one in any list.
TEST(UnitLists, IndicesNameTheIntendedUnits) {
  const std::vector<ListCase> cases = {
      {16, 43, "\xC2\xB0" "F", "\xC2\xB0" "F", "\xC2\xB0" "C", 0},
      {17, 44, "psia", "psia", "Bar", 1},
      {18, 46, "BTU/lbmol", "BTU/lbm", "kJ/kg", 3},
      {19, 47, "BTU/lbmol-\xC2\xB0R", "BTU/lbm-\xC2\xB0R", "kJ/kg-K", 4},
      {20, 48, "ft\xC2\xB3/lbmol", "ft\xC2\xB3/lbm", "m\xC2\xB3/kg", 5},
      {21, 49, "lbmol/ft\xC2\xB3", "lbm/ft\xC2\xB3", "kg/m\xC2\xB3", 6},
      {22, 50, "BTU/lbmol-\xC2\xB0R", "BTU/lbm-\xC2\xB0R", "kJ/kg-K", 7},
      {23, 51, "BTU/lbmol-\xC2\xB0R", "BTU/lbm-\xC2\xB0R", "kJ/kg-K", 8},
      {24, 52, "cP", "cP", "N-s/m\xC2\xB2", 9},
      {25, 53, "BTU/hr-ft-\xC2\xB0R", "BTU/hr-ft-\xC2\xB0R", "W/m-K", 10},
      {26, 54, "N/m", "dyn/cm", "dyn/cm", 11},
      {27, 55, "ft/s", "ft/s", "m/s", 12},
  };
  for (const ListCase& c : cases) {
    const UnitList* row = FindUnitList(c.list);
    ASSERT_NE(row, nullptr) << c.list;
    EXPECT_EQ(row->list, c.list);
    EXPECT_EQ(row->field, c.field) << c.list;
    EXPECT_EQ(Label(*row, row->workingUnit), c.working) << c.list;
    EXPECT_EQ(Label(*row, row->ipUnit), c.ip) << c.list;
    EXPECT_EQ(Label(*row, row->siUnit), c.si) << c.list;
    EXPECT_EQ(row->format, c.format) << c.list;
  }
}

TEST(UnitLists, OnlyListsSixteenToTwentySevenExist) {
  for (int list : {-1, 0, 15, 28, 100}) EXPECT_EQ(FindUnitList(list), nullptr) << list;
}

TEST(ExpressInUnit, WorkingUnitShowsTheStoredValueUnrounded) {
  const double precise = 212.123456789012;
  for (const UnitList& row : kUnitLists) {
    EXPECT_EQ(ExpressInUnit(row.quantity, precise, kMolarMass, row.workingUnit), precise)
        << row.list;
  }
}

TEST(ExpressInUnit, OtherUnitsUseTheListsConversion) {
  EXPECT_EQ(ExpressInUnit(Quantity::Temperature, 212.0, kMolarMass, 1), 100.0);
  EXPECT_EQ(ExpressInUnit(Quantity::Pressure, 14.696, kMolarMass, 5),
            PressureToUnit(14.696, 5));
  EXPECT_EQ(ExpressInUnit(Quantity::Enthalpy, 1150.0, kMolarMass, 3), 63.8347015f);
  for (Quantity q : {Quantity::Entropy, Quantity::Cp, Quantity::Cv}) {
    EXPECT_EQ(ExpressInUnit(q, 18.0, kMolarMass, 5), HeatCapacityToUnit(18.0, kMolarMass, 5));
  }
  EXPECT_EQ(ExpressInUnit(Quantity::SpecificVolume, 18.07, kMolarMass, 3),
            SpecificVolumeToUnit(18.07, kMolarMass, 3));
  EXPECT_EQ(ExpressInUnit(Quantity::Density, 3.46, kMolarMass, 5),
            DensityToUnit(3.46, kMolarMass, 5));
  EXPECT_EQ(ExpressInUnit(Quantity::Viscosity, 0.2834, kMolarMass, 3), ViscosityToUnit(0.2834, 3));
  EXPECT_EQ(ExpressInUnit(Quantity::Conductivity, 0.3817, kMolarMass, 2),
            ConductivityToUnit(0.3817, 2));
  EXPECT_EQ(ExpressInUnit(Quantity::SurfaceTension, 0.0589, kMolarMass, 0),
            SurfaceTensionToUnit(0.0589, 0));
  EXPECT_EQ(ExpressInUnit(Quantity::SoundSpeed, 4900.5, kMolarMass, 3), VelocityToUnit(4900.5, 3));
}

TEST(ExpressInUnit, UnitOutsideTheListGivesZero) {
  for (const UnitList& row : kUnitLists) {
    const auto count = static_cast<int16_t>(UnitLabels(row.tag)->size());
    EXPECT_EQ(ExpressInUnit(row.quantity, 68.0, kMolarMass, count), 0.0) << row.list;
    EXPECT_EQ(ExpressInUnit(row.quantity, 68.0, kMolarMass, -1), 0.0) << row.list;
  }
}

}  // namespace
}  // namespace units
