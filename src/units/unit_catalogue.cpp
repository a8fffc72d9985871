// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_catalogue.h"

namespace units {
namespace {

struct CatalogueRow {
  std::vector<std::string> tags;
  std::vector<std::string> labels;
};

// Unit indices are positions in these lists: every selection, conversion and
// default in the program depends on this order, so entries are only ever
// appended, never sorted or reordered.
const std::vector<CatalogueRow>& UnitCatalogue() {
  static const std::vector<CatalogueRow> catalogue = {
      {{"Heat Capacity"}, {"BTU/lbmol-\u00B0R", "cal/gmmol-K", "kJ/kgmol-K"}},
      {{"Temperature"}, {"\u00B0F", "\u00B0C", "\u00B0R", "K"}},
      {{"Pressure", "Vapor Pressure"},
       {"psia", "atm", "inHg", "inH2O", "mmHg", "kPa", "Pa", "Bar"}},
      {{"Density"}, {"lbm/ft\u00B3", "gm/cm\u00B3", "kg/m\u00B3", "lb/gal"}},
      {{"Viscosity"}, {"cP", "lbm/ft-hr", "kg/m-s", "N-s/m\u00B2"}},
      {{"Surface Tension"}, {"dyn/cm", "lbf/ft", "N/m"}},
      {{"Roughness"}, {"in", "ft", "mm", "cm"}},
      {{"Flow Rate"}, {"lbm/hr", "lbm/min", "lbm/s", "kg/hr", "kg/min", "kg/s"}},
      {{"Velocity"}, {"ft/min", "ft/s", "m/min", "m/s"}},
      {{"Length"}, {"in", "ft", "mile", "cm", "m", "km"}},
      {{"Diameter"}, {"in", "ft", "yd", "mm", "cm", "m"}},
      // A pressure difference is a gauge quantity, hence "psi" and not "psia".
      {{"Pressure Drop"}, {"psi", "atm", "inHg", "inH2O", "mmHg", "kPa", "Pa", "Bar"}},
      {{"Head"}, {"ft", "m"}},
      {{"Power"}, {"hp", "kW"}},
      {{"Expansion Coef"}, {"1/\u00B0F", "1/\u00B0C"}},
      {{"Phase Fraction"}, {"Mole Fraction", "Mass Fraction"}},
      {{"Molecular Weight"}, {"lbm/lbmol", "kg/kgmol", "gm/gmol"}},
      {{"Volume"},
       {"ft\u00B3/lbmol", "cm\u00B3/gmol", "m\u00B3/kgmol", "ft\u00B3/lbm", "cm\u00B3/gm",
        "m\u00B3/kg"}},
      {{"Molar Density"},
       {"lbmol/ft\u00B3", "gmol/cm\u00B3", "kgmol/m\u00B3", "lbm/ft\u00B3", "gm/cm\u00B3",
        "kg/m\u00B3"}},
      {{"Mass Density"}, {"lbm/ft\u00B3", "gm/cm\u00B3", "kg/m\u00B3"}},
      // Not the same row as "Heat Capacity": six units, and "cal/gmol-K"
      // where that row has "cal/gmmol-K".
      {{"HC", "Entropy"},
       {"BTU/lbmol-\u00B0R", "cal/gmol-K", "kJ/kgmol-K", "BTU/lbm-\u00B0R", "cal/gm-K",
        "kJ/kg-K"}},
      {{"Enthalpy"}, {"BTU/lbmol", "cal/gmol", "kJ/kgmol", "BTU/lbm", "cal/gm", "kJ/kg"}},
      {{"Enth"}, {"BTU/lbm", "cal/gm", "kJ/kg"}},
      {{"Thermal Conductivity"}, {"BTU/hr-ft-\u00B0R", "kcal/hr-m-K", "W/m-K"}},
      {{"Humidity Ratio"}, {"grains/lbm", "lbm/lbm", "gm/kg", "kg/kg"}},
      {{"Absolute Humidity"},
       {"grains/ft\u00B3", "lbm/ft\u00B3", "gm/cm\u00B3", "gm/m\u00B3", "kg/m\u00B3"}},
      // Unlike "Pressure", these lists carry "mbar", which moves "kPa", "Pa"
      // and "Bar" one place down.
      {{"Press", "VP"}, {"psia", "atm", "inHg", "inH2O", "mmHg", "mbar", "kPa", "Pa", "Bar"}},
      {{"Concentration"}, {"PPM weight", "PPM volume"}},
      {{"Specific Volume"}, {"ft\u00B3/lbm", "cm\u00B3/gm", "m\u00B3/kg"}},
      {{"Altitude"}, {"ft", "m"}},
  };
  return catalogue;
}

}  // namespace

const std::vector<std::string>* UnitLabels(std::string_view tag) {
  for (const CatalogueRow& row : UnitCatalogue()) {
    for (const std::string& rowTag : row.tags) {
      if (rowTag == tag) return &row.labels;
    }
  }
  return nullptr;
}

void LoadUnits(std::string_view tag, std::vector<std::string>& list) {
  const std::vector<std::string>* labels = UnitLabels(tag);
  if (labels == nullptr) return;
  list.insert(list.end(), labels->begin(), labels->end());
}

}  // namespace units
