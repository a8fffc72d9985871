// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace units {
namespace {

using Labels = std::vector<std::string>;

Labels Loaded(const std::string& tag) {
  Labels list;
  LoadUnits(tag, list);
  return list;
}

TEST(UnitCatalogue, LabelsAreExactUtf8) {
  EXPECT_EQ(Loaded("Temperature"), (Labels{"\xC2\xB0" "F", "\xC2\xB0" "C", "\xC2\xB0" "R", "K"}));
  EXPECT_EQ(Loaded("Volume")[0], "ft\xC2\xB3/lbmol");
  EXPECT_EQ(Loaded("Viscosity")[3], "N-s/m\xC2\xB2");
  EXPECT_EQ(Loaded("Thermal Conductivity")[0], "BTU/hr-ft-\xC2\xB0R");
}

struct CatalogueCase {
  const char* tag;
  size_t count;
  size_t index;
  const char* label;
};

TEST(UnitCatalogue, EveryRowHasItsLabelsInOrder) {
  const std::vector<CatalogueCase> cases = {
      {"Heat Capacity", 3, 1, "cal/gmmol-K"},
      {"Temperature", 4, 3, "K"},
      {"Pressure", 8, 7, "Bar"},
      {"Vapor Pressure", 8, 5, "kPa"},
      {"Density", 4, 3, "lb/gal"},
      {"Viscosity", 4, 1, "lbm/ft-hr"},
      {"Surface Tension", 3, 2, "N/m"},
      {"Roughness", 4, 2, "mm"},
      {"Flow Rate", 6, 5, "kg/s"},
      {"Velocity", 4, 1, "ft/s"},
      {"Length", 6, 2, "mile"},
      {"Diameter", 6, 2, "yd"},
      {"Pressure Drop", 8, 0, "psi"},
      {"Head", 2, 1, "m"},
      {"Power", 2, 0, "hp"},
      {"Expansion Coef", 2, 1, "1/\xC2\xB0" "C"},
      {"Phase Fraction", 2, 1, "Mass Fraction"},
      {"Molecular Weight", 3, 2, "gm/gmol"},
      {"Volume", 6, 5, "m\xC2\xB3/kg"},
      {"Molar Density", 6, 3, "lbm/ft\xC2\xB3"},
      {"Mass Density", 3, 1, "gm/cm\xC2\xB3"},
      {"HC", 6, 1, "cal/gmol-K"},
      {"Entropy", 6, 5, "kJ/kg-K"},
      {"Enthalpy", 6, 3, "BTU/lbm"},
      {"Enth", 3, 0, "BTU/lbm"},
      {"Thermal Conductivity", 3, 2, "W/m-K"},
      {"Humidity Ratio", 4, 0, "grains/lbm"},
      {"Absolute Humidity", 5, 3, "gm/m\xC2\xB3"},
      {"Press", 9, 5, "mbar"},
      {"VP", 9, 6, "kPa"},
      {"Concentration", 2, 1, "PPM volume"},
      {"Specific Volume", 3, 0, "ft\xC2\xB3/lbm"},
      {"Altitude", 2, 1, "m"},
  };
  for (const CatalogueCase& c : cases) {
    const Labels* labels = UnitLabels(c.tag);
    ASSERT_NE(labels, nullptr) << c.tag;
    ASSERT_EQ(labels->size(), c.count) << c.tag;
    EXPECT_EQ((*labels)[c.index], c.label) << c.tag << " unit " << c.index;
  }
}

TEST(UnitCatalogue, SharedRowsGiveTheSameLabels) {
  EXPECT_EQ(Loaded("Vapor Pressure"), Loaded("Pressure"));
  EXPECT_EQ(Loaded("Entropy"), Loaded("HC"));
  EXPECT_EQ(Loaded("VP"), Loaded("Press"));
}

TEST(UnitCatalogue, LookalikeRowsStayDifferent) {
  EXPECT_NE(Loaded("Heat Capacity"), Loaded("HC"));
  // "mbar" shifts kPa, Pa and Bar by one place in the "Press" list only.
  EXPECT_EQ(Loaded("Pressure")[5], "kPa");
  EXPECT_EQ(Loaded("Press")[6], "kPa");
  EXPECT_EQ(Loaded("Pressure Drop")[0], "psi");
  EXPECT_EQ(Loaded("Pressure")[0], "psia");
}

TEST(LoadUnits, TagMustMatchExactly) {
  for (const char* tag : {"pressure", "Temperature ", " Temperature", "", "TEMPERATURE", "Temp",
                          "Pressure\n", "HC "}) {
    EXPECT_EQ(UnitLabels(tag), nullptr) << '"' << tag << '"';
    Labels list = {"kept"};
    LoadUnits(tag, list);
    EXPECT_EQ(list, Labels{"kept"}) << '"' << tag << '"';
  }
}

TEST(LoadUnits, AppendsWithoutClearingSoTheFirstCopyKeepsTheIndices) {
  Labels list;
  LoadUnits("Temperature", list);
  LoadUnits("Temperature", list);
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(list[1], "\xC2\xB0" "C");
  EXPECT_EQ(list[5], "\xC2\xB0" "C");
}

}  // namespace
}  // namespace units
