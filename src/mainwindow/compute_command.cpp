// SPDX-License-Identifier: GPL-3.0-or-later
// Compute and the formulation switch: the window hands its ticks and working
// state to the calculation and shows what comes back.
#include "mainwindow/frm_main.h"
#include "mainwindow/shown_fields.h"
#include "steam/formulation_modules.h"
#include "units/unit_lists.h"

namespace mainwindow {

namespace {

constexpr const char* kApplicationTitle = "Hydrelix";

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

// The ticked inputs in the order of the boxes: the first one's and the last
// later one's make the pair.
std::optional<steam::InputPair> frmMain::TickedPair() const {
  std::optional<steam::Result> first, second;
  for (int16_t k = 0; k < kTickCount; ++k) {
    if (chkStmInput(k).Value() != 1) continue;
    (first ? second : first) = static_cast<steam::Result>(k);
  }
  if (!first || !second) return std::nullopt;
  return steam::PairOf(*first, *second);
}

void frmMain::cmdCompute_Click() {
  const std::optional<steam::InputPair> pair = TickedPair();
  if (!pair) {
    // A lone temperature or pressure is not enough either: there is no state
    // to complete.
    ShowMessage(steam::NotEnoughInput());
    ResultsCleared = true;
    ClearResults(false);
    return;
  }
  const steam::Formulation formulation =
      optSteam(0).Value() ? steam::Formulation::IF97 : steam::Formulation::IFC67;
  steam::SteamState entered;
  entered.values = WorkingState;
  const steam::SolveOutcome outcome =
      steam::Solve(formulation, *pair, entered.Value(steam::FirstInput(*pair)),
                   entered.Value(steam::SecondInput(*pair)), services_.libraries, WorkingState);
  WorkingState = outcome.state.values;
  for (const steam::Message& message : outcome.messages) ShowMessage(message);
  if (!outcome.succeeded) {
    ResultsCleared = true;
    ClearResults(false);
    return;
  }
  ShowComputed(outcome.state);
  shownState_ = outcome.state;
  TellListeners([&outcome](StateListener& listener) { listener.StateShown(outcome.state); });
}

void frmMain::ShowComputed(const steam::SteamState& state) {
  using steam::Result;
  // The results without a unit list are written here, the others by their
  // lists; a placeholder Prandtl number or Cp/Cv shows a bare "0".
  auto show = [&](Result result) {
    const ShownField& shown = FieldShowing(result);
    const bool zero = state.IsPlaceholder(result) && result != Result::Quality;
    txtData(shown.field)
        .SetText(zero ? std::string("0") : FormatShown(state.Value(result), shown.format));
  };
  const bool surfaceTensionShown = !state.IsPlaceholder(Result::SurfaceTension);
  TextBox& surfaceTension = txtData(FieldShowing(Result::SurfaceTension).field);
  surfaceTension.SetEnabled(surfaceTensionShown);
  surfaceTension.SetBackColor(surfaceTensionShown ? SystemColour::WindowBackground
                                                  : SystemColour::ButtonFace);
  show(Result::PrandtlNumber);
  show(Result::IsentropicExponent);
  show(Result::Quality);
  for (const units::UnitList& row : units::kUnitLists) ShowInUnit(row);
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
