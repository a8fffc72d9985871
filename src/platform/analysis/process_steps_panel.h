// SPDX-License-Identifier: GPL-3.0-or-later
// The content of Analysis > Process Steps: the inlet (the main window's
// current state or a pin) summarised read-only at the top, a tab for each
// step with its fields in the main window's units, Compute, the states and
// figures of the result, and Pin, Send to Main Window and Copy. The window
// that holds it feeds it the main window's state, pins and units, and acts
// on its requests.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_PROCESS_STEPS_PANEL_H
#define HYDRELIX_PLATFORM_ANALYSIS_PROCESS_STEPS_PANEL_H

#include "analysis/process_options.h"
#include "analysis/process_steps.h"
#include "analysis/process_table.h"
#include "platform/analysis/state_signals.h"  // the states' metatype, for the signals
#include "steam/property_libraries.h"
#include "steam/steam.h"

#include <QWidget>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace platform {

class ProcessStepsPanel final : public QWidget {
  Q_OBJECT

 public:
  // `libraries` must outlive the panel.
  explicit ProcessStepsPanel(steam::PropertyLibraries& libraries, QWidget* parent = nullptr);

  // The inlets to choose from: the main window's state (none once its
  // results are cleared) and the pins by name.
  void SetMainState(const std::optional<steam::SteamState>& state);
  void SetPins(const std::vector<std::pair<std::string, steam::SteamState>>& pins);
  // The main window's units and decimal mark; the formulation of a
  // calorimeter, which has no inlet state.
  void SetDisplay(const analysis::ProcessDisplay& display);
  void SetFormulation(steam::Formulation formulation);
  // Whether Pin State is offered: where something keeps the pins.
  void SetPinning(bool available);

  void SelectKind(analysis::ProcessKind kind);
  analysis::ProcessKind Kind() const;
  QLineEdit& Field(analysis::ProcessKind kind, const std::string& name) const;
  QComboBox& InletChoice() const { return *inletChoice_; }
  QTableWidget& StatesTable() const { return *states_; }
  QTableWidget& FiguresTable() const { return *figures_; }
  QLabel& MessageLine() const { return *message_; }
  // The result of the tab in front.
  const analysis::ProcessResult& Result() const;

  // Runs the selected step; the texts the clipboard would get.
  void Compute();
  analysis::CopiedTexts CopiedResult() const;

 signals:
  // The selected state of the result, to pin or to enter into the main window.
  void pinRequested(const steam::SteamState& state);
  void sendRequested(const steam::SteamState& state);
  // The step as a line of states from inlet to outlet, for the charts.
  void stepComputed(const std::vector<steam::SteamState>& path);

 private:
  QWidget* BuildTab(analysis::ProcessKind kind);
  void RelabelFields();
  void ListInlets();
  void ShowInlet();
  void ShowResult();
  void ClearResult();
  std::optional<steam::SteamState> Inlet() const;
  const steam::SteamState* SelectedState() const;
  // The tab's fields read into SI inputs; nothing, with the message shown,
  // for a text that is not a number.
  std::optional<analysis::ProcessInputs> ReadFields(analysis::ProcessKind kind);

  steam::PropertyLibraries& libraries_;
  analysis::ProcessDisplay display_;
  steam::Formulation formulation_ = steam::Formulation::IF97;
  std::optional<steam::SteamState> mainState_;
  std::vector<std::pair<std::string, steam::SteamState>> pins_;
  // Each tab keeps its own result until its inlet changes.
  std::array<analysis::ProcessResult, 6> results_;
  analysis::ProcessTexts texts_;

  QComboBox* inletChoice_;
  QLabel* inletSummary_;
  QTabWidget* tabs_;
  std::map<std::pair<int, std::string>, std::pair<QLabel*, QLineEdit*>> fields_;
  QTableWidget* states_;
  QTableWidget* figures_;
  QLabel* message_;
  QPushButton* pin_;
  QPushButton* send_;
  QPushButton* copy_;
};

}  // namespace platform

#endif
