// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_names.h"

#include <vector>

#include "units/exact_conversions.h"
#include "units/unit_catalogue.h"

namespace units {
namespace {

const std::vector<std::string>* ListOf(Quantity quantity) {
  for (const UnitList& row : kUnitLists) {
    if (row.quantity == quantity) return UnitLabels(row.tag);
  }
  return nullptr;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The text in the one spelling labels are compared in: lower case, no degree
// sign, ASCII digits for the superscripts. "deg" stands for the degree sign
// only before the scale's letter.
std::string Canonical(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 0xC2 && i + 1 < text.size()) {
      const unsigned char next = static_cast<unsigned char>(text[i + 1]);
      if (next == 0xB0) {
        ++i;
        continue;
      }  // degree sign
      if (next == 0xB3) {
        out += '3';
        ++i;
        continue;
      }  // superscript three
      if (next == 0xB2) {
        out += '2';
        ++i;
        continue;
      }  // superscript two
    }
    if (i + 3 < text.size() && Lower(text[i]) == 'd' && Lower(text[i + 1]) == 'e' &&
        Lower(text[i + 2]) == 'g') {
      const char scale = Lower(text[i + 3]);
      if (scale == 'f' || scale == 'c' || scale == 'r') {
        i += 2;
        continue;
      }
    }
    out += Lower(static_cast<char>(c));
  }
  return out;
}

std::optional<int16_t> FindIn(const std::vector<std::string>* labels, std::string_view text) {
  if (labels == nullptr || text.empty()) return std::nullopt;
  const std::string wanted = Canonical(text);
  for (std::size_t i = 0; i < labels->size(); ++i) {
    if (Canonical((*labels)[i]) == wanted) return static_cast<int16_t>(i);
  }
  return std::nullopt;
}

}  // namespace

std::optional<int16_t> FindUnit(Quantity quantity, std::string_view text) {
  const std::optional<int16_t> found = FindIn(ListOf(quantity), text);
  if (!found && quantity == Quantity::Pressure && Canonical(text) == "mpa") return kMegapascal;
  return found;
}

std::optional<int16_t> FindUnitInRow(std::string_view tag, std::string_view text) {
  return FindIn(UnitLabels(tag), text);
}

std::string UnitLabel(Quantity quantity, int16_t unit) {
  if (quantity == Quantity::Pressure && unit == kMegapascal) return "MPa";
  const std::vector<std::string>* labels = ListOf(quantity);
  if (labels == nullptr || unit < 0 || static_cast<std::size_t>(unit) >= labels->size()) return {};
  return (*labels)[static_cast<std::size_t>(unit)];
}

}  // namespace units
