#include "mainwindow/shown_table.h"

#include "mainwindow/shown_fields.h"

namespace mainwindow {

namespace {

// "&Quality (L=0, V=1):" reads "Quality (L=0, V=1)".
std::string PlainCaption(const std::string& caption) {
  std::string plain;
  for (char c : caption) {
    if (c != '&') plain += c;
  }
  if (!plain.empty() && plain.back() == ':') plain.pop_back();
  return plain;
}

std::string SelectedUnit(const frmMain& form, int16_t list) {
  if (list == kNoControl) return "-";
  const ComboBox& units = form.cboUnits(list);
  const int selected = units.ListIndex();
  if (selected < 0 || selected >= units.ListCount()) return "-";
  return units.Entries()[static_cast<std::size_t>(selected)];
}

}  // namespace

analysis::StateTable ShownTable(const frmMain& form) {
  analysis::StateTable table;
  table.formulation =
      form.optSteam(0).Value() ? steam::Formulation::IF97 : steam::Formulation::IFC67;
  for (const ShownField& shown : kShownFields) {
    analysis::StateRow row;
    const bool input = shown.tick != kNoControl;
    row.caption = PlainCaption(input ? form.chkStmInput(shown.tick).caption
                                     : form.Label4(shown.label).caption);
    row.text = form.txtData(shown.field).Text();
    row.unit = SelectedUnit(form, shown.list);
    row.input = input && form.chkStmInput(shown.tick).Value() == 1;
    table.rows.push_back(row);
  }
  return table;
}

}  // namespace mainwindow
