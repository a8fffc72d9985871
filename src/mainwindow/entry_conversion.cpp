// SPDX-License-Identifier: GPL-3.0-or-later
// Typed input enters the working state when its field is left.
#include "mainwindow/frm_main.h"
#include "units/conversions.h"
#include "units/display_format.h"
#include "units/number_text.h"

namespace mainwindow {

void frmMain::txtData_LostFocus(int16_t index) {
  if (ResultsCleared) return;
  if (index < kFirstField || index > kLastInputField) return;
  TextBox& field = txtData(index);
  // Only text the user changed is read back: the program's own text is a
  // rounded picture of the working value, and reading it back would throw
  // away the very digits More is pressed to show.
  if (!field.EditedByUser()) return;

  const std::string text = field.Text();
  const float molarMass = WorkingState.MolarMass;
  auto unitOf = [this](int16_t list) { return static_cast<int16_t>(cboUnits(list).ListIndex()); };

  switch (index) {
    case 43:
      WorkingState.Temperature = units::TemperatureFromUnit(text, unitOf(16), Locale);
      field.ForgetEdit();
      cboUnits_Click(16);
      return;
    case 44:
      WorkingState.Pressure = units::PressureFromUnit(text, unitOf(17), Locale);
      field.ForgetEdit();
      cboUnits_Click(17);
      return;
    case 46:
      WorkingState.Enthalpy = units::EnthalpyFromUnit(text, molarMass, unitOf(18), Locale);
      field.ForgetEdit();
      cboUnits_Click(18);
      return;
    case 47:
      WorkingState.Entropy = units::HeatCapacityFromUnit(text, molarMass, unitOf(19), Locale);
      field.ForgetEdit();
      cboUnits_Click(19);
      return;
    default:
      break;
  }

  const float quality = units::ReadSingle(text, Locale);
  if (!(quality >= 0.0f && quality <= 1.0f)) {
    MsgBox({"Steam quality must be a number between 0 and 1.", "Steam Properties",
            MessageIcon::Exclamation, MessageButtons::Ok});
    ClearResults(false);
    ResultsCleared = true;
    entryRefused_ = true;
    return;
  }
  WorkingState.Quality = quality;
  field.ForgetEdit();
  field.SetText(FormatShown(WorkingState.Quality, 2));
}

}  // namespace mainwindow
