// Analysis > Pin State and Analysis > Pinned States: the main window's state
// kept as a pin, and the window that lists the pins with their differences,
// re-expressed when the main window's units change. Every change is saved at
// once; a file that could not be read, and a save that failed, are told once.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_PINNED_STATES_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_PINNED_STATES_WINDOW_H

#include "analysis/pin_store.h"
#include "analysis/pinned_states.h"
#include "analysis/text_table.h"
#include "platform/analysis/analysis_window.h"
#include "platform/analysis/shown_state_feed.h"

#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QPushButton;
class QTableWidget;

namespace platform {

class PinnedStatesWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  // Reads the pins from `store`, which must outlive the window.
  PinnedStatesWindow(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
                     ShownStateFeed& feed, analysis::PinStore& store);

  // How the window tells and asks the user; tests answer for the user.
  std::function<void(const QString& text)> tell;
  std::function<bool(const QString& question)> confirm;

  // Pins the main window's state. False when there is none or fifty are held
  // (the user is told why).
  bool PinShownState();
  // Pins a state computed elsewhere (a chart) under `name`; false, the user
  // told why, when fifty are held.
  bool PinState(const steam::SteamState& state, const std::string& name);

 signals:
  // After every change of the pins: added, renamed, moved, removed.
  void pinsChanged();

 public:

  const analysis::PinnedStates& Pins() const { return pins_; }
  const analysis::TextTable& Shown() const { return shown_; }
  QTableWidget& Table() const { return *table_; }
  QPushButton& Button(const QString& objectName) const;
  QCheckBox& PreviousRowBase() const { return *previous_; }

 protected:
  // The size a first opening gets: room for the table's columns.
  QSize sizeHint() const override { return {980, 360}; }

 private:
  // The selected row, if any.
  std::optional<std::size_t> Selected() const;
  void Select(std::size_t row);
  // Saves and redraws after a change of the pins.
  void Changed(std::optional<std::size_t> select);
  void Refresh();
  void TellOnce(const std::string& notice, bool& told);

  ShownStateFeed& feed_;
  analysis::PinStore& store_;
  analysis::PinnedStates pins_;
  analysis::TextTable shown_;
  QTableWidget* table_;
  QCheckBox* previous_;
  std::string loadNotice_;
  bool saveFailureTold_ = false;
  bool filling_ = false;
};

}  // namespace platform

#endif
