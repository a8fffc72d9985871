// SPDX-License-Identifier: GPL-3.0-or-later
// Unit labels as typed: every label of the four input lists in its own
// spelling, without the degree sign, with "deg", in ASCII and in other case,
// MPa for pressure only, and spellings that must not pass.
#include "units/unit_names.h"

#include <gtest/gtest.h>

#include <string>

#include "units/exact_conversions.h"
#include "units/unit_catalogue.h"

namespace {

using units::FindUnit;
using units::Quantity;

std::string Upper(std::string text) {
  for (char& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return text;
}

std::string Ascii(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\u00B0") == 0) {
      ++i;
      continue;
    }
    if (text.compare(i, 2, "\u00B3") == 0) {
      out += '3';
      ++i;
      continue;
    }
    if (text.compare(i, 2, "\u00B2") == 0) {
      out += '2';
      ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

TEST(UnitNames, EveryLabelOfTheInputListsInEverySpelling) {
  const struct {
    Quantity quantity;
    const char* tag;
  } lists[] = {{Quantity::Temperature, "Temperature"},
               {Quantity::Pressure, "Pressure"},
               {Quantity::Enthalpy, "Enthalpy"},
               {Quantity::Entropy, "HC"}};
  for (const auto& list : lists) {
    const std::vector<std::string>& labels = *units::UnitLabels(list.tag);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const int16_t index = static_cast<int16_t>(i);
      EXPECT_EQ(FindUnit(list.quantity, labels[i]), index) << labels[i];
      EXPECT_EQ(FindUnit(list.quantity, Upper(labels[i])), index) << labels[i];
      EXPECT_EQ(FindUnit(list.quantity, Ascii(labels[i])), index) << labels[i];
      EXPECT_EQ(units::UnitLabel(list.quantity, index), labels[i]);
    }
  }
}

TEST(UnitNames, DegreeSpellingsSuperscriptsAndMegapascal) {
  EXPECT_EQ(FindUnit(Quantity::Temperature, "C"), 1);
  EXPECT_EQ(FindUnit(Quantity::Temperature, "degC"), 1);
  EXPECT_EQ(FindUnit(Quantity::Temperature, "DEGF"), 0);
  EXPECT_EQ(FindUnit(Quantity::Temperature, "\u00B0R"), 2);
  EXPECT_EQ(FindUnit(Quantity::Temperature, "k"), 3);
  EXPECT_EQ(FindUnit(Quantity::Entropy, "btu/lbm-degr"), 3);
  EXPECT_EQ(FindUnit(Quantity::Entropy, "kj/kg-k"), 5);
  EXPECT_EQ(FindUnit(Quantity::Density, "kg/m3"), 5);
  EXPECT_EQ(FindUnit(Quantity::Viscosity, "N-s/m2"), 3);
  EXPECT_EQ(FindUnit(Quantity::Pressure, "MPa"), units::kMegapascal);
  EXPECT_EQ(FindUnit(Quantity::Pressure, "mpa"), units::kMegapascal);
  EXPECT_EQ(FindUnit(Quantity::Pressure, "bar"), 7);
  EXPECT_EQ(units::UnitLabel(Quantity::Pressure, units::kMegapascal), "MPa");
}

TEST(UnitNames, RefusedSpellings) {
  const struct {
    Quantity quantity;
    const char* text;
  } refused[] = {
      {Quantity::Temperature, ""},      {Quantity::Temperature, "Celsius"},
      {Quantity::Temperature, "deg C"}, {Quantity::Temperature, "degK"},
      {Quantity::Temperature, "psia"},  {Quantity::Temperature, "MPa"},
      {Quantity::Enthalpy, "MPa"},      {Quantity::Pressure, "psig"},
      {Quantity::Pressure, "kpa "},     {Quantity::Pressure, "mbar"},
      {Quantity::Enthalpy, "kJ / kg"},  {Quantity::Enthalpy, "J/kg"},
      {Quantity::Entropy, "kJ/kg"},     {Quantity::Entropy, "kJ/kgK"},
  };
  for (const auto& r : refused) EXPECT_FALSE(FindUnit(r.quantity, r.text)) << r.text;
  EXPECT_EQ(units::UnitLabel(Quantity::Temperature, 4), "");
}

}  // namespace
