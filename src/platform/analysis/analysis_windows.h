// The State Details, Compare Formulations and Pinned States windows of the
// main window, and their entries in its Analysis menu.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_WINDOWS_H
#define HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_WINDOWS_H

#include "analysis/pin_store.h"
#include "shell/settings_store.h"
#include "platform/analysis/compare_formulations_window.h"
#include "platform/analysis/pinned_states_window.h"
#include "platform/analysis/shown_state_feed.h"
#include "platform/analysis/state_details_window.h"
#include "steam/property_libraries.h"

#include <QObject>

class QAction;

namespace platform {

class AnalysisMenu;
class MainWindowWidget;

class AnalysisWindows final : public QObject {
  Q_OBJECT

 public:
  // Everything handed in must outlive this object, which owns the windows
  // (transient for `mainWindow`).
  AnalysisWindows(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
                  ShownStateFeed& feed, steam::PropertyLibraries& libraries,
                  analysis::PinStore& pinStore);
  ~AnalysisWindows() override;
  AnalysisWindows(const AnalysisWindows&) = delete;
  AnalysisWindows& operator=(const AnalysisWindows&) = delete;

  // "State &Details" (F6), "Compare &Formulations" (Ctrl+Shift+F), "&Pin
  // State" (Ctrl+Shift+P, only with a computed state) and "P&inned States".
  void AddTo(AnalysisMenu& menu);

  StateDetailsWindow& Details() const { return *details_; }
  CompareFormulationsWindow& Comparison() const { return *comparison_; }
  PinnedStatesWindow& PinsWindow() const { return *pins_; }
  QAction& PinStateAction() const { return *pinState_; }

 private:
  StateDetailsWindow* details_;
  CompareFormulationsWindow* comparison_;
  PinnedStatesWindow* pins_;
  QAction* pinState_ = nullptr;
};

}  // namespace platform

#endif
