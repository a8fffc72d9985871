// Compute and the formulation switch: the window hands its ticks and working
// state to the calculation and shows what comes back.
#include "mainwindow/frm_main.h"
#include "steam/formulation_modules.h"
#include "units/display_format.h"
#include "units/unit_lists.h"

namespace mainwindow {

namespace {

constexpr const char* kApplicationTitle = "Hydrelix";
constexpr int16_t kSurfaceTensionField = 54;
constexpr int16_t kPrandtlField = 56;
constexpr int16_t kIsentropicExponentField = 57;

MessageIcon IconOf(steam::MessageIcon icon) {
  switch (icon) {
    case steam::MessageIcon::Critical: return MessageIcon::Critical;
    case steam::MessageIcon::Exclamation: return MessageIcon::Exclamation;
    case steam::MessageIcon::None: break;
  }
  return MessageIcon::None;
}

}  // namespace

void frmMain::ShowMessage(const steam::Message& message) {
  MsgBox({message.text, message.title.empty() ? kApplicationTitle : message.title,
          IconOf(message.icon), MessageButtons::Ok});
}

void frmMain::cmdCompute_Click() {
  steam::ComputeRequest request;
  for (int16_t k = 0; k < kTickCount; ++k) {
    const CheckBox& box = chkStmInput(k);
    if (box.Value() != 1) continue;
    (request.firstName.empty() ? request.firstName : request.secondName) = box.tag;
  }
  request.formulation = optSteam(0).Value() ? steam::Formulation::IF97 : steam::Formulation::IFC67;
  request.temperatureTicked = chkStmInput(0).Value() == 1;
  request.pressureTicked = chkStmInput(1).Value() == 1;
  request.state = WorkingState;

  const steam::ComputeOutcome outcome = steam::Compute(request, services_.libraries);
  WorkingState = outcome.state;
  for (const steam::Message& message : outcome.messages) ShowMessage(message);
  if (!outcome.succeeded) {
    ResultsCleared = true;
    ClearResults(false);
    return;
  }
  ShowComputed(outcome);
}

void frmMain::ShowComputed(const steam::ComputeOutcome& outcome) {
  auto formatted = [this](double value, int16_t field) {
    return units::FormatValue(value, DisplayFormats.at(field - kFirstField), Locale);
  };
  TextBox& surfaceTension = txtData(kSurfaceTensionField);
  surfaceTension.SetEnabled(outcome.surfaceTensionShown);
  surfaceTension.SetBackColor(outcome.surfaceTensionShown ? SystemColour::WindowBackground
                                                          : SystemColour::ButtonFace);
  txtData(kPrandtlField)
      .SetText(outcome.prandtlNumber ? formatted(*outcome.prandtlNumber, kPrandtlField) : "0");
  txtData(kIsentropicExponentField)
      .SetText(outcome.isentropicExponent
                   ? formatted(*outcome.isentropicExponent, kIsentropicExponentField)
                   : "0");
  txtData(kQualityField).SetText(formatted(WorkingState.Quality, kQualityField));
  for (const units::UnitList& row : units::kUnitLists) cboUnits_Click(row.list);
  ResultsCleared = false;
}

void frmMain::optSteam_Click(int16_t index) {
  if (BeforeLibraryUnitsChange) BeforeLibraryUnitsChange();
  const std::vector<steam::Message> messages =
      index == 0 ? steam::basSteam97Functions::SetUnits97(services_.libraries)
                 : steam::basSteam67Functions::SetUnits67(services_.libraries);
  for (const steam::Message& message : messages) ShowMessage(message);
  cmdCompute.Press();
}

}  // namespace mainwindow
