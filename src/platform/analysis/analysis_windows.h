// The State Details, Compare Formulations and Pinned States windows of one
// main window, their entries in its Analysis menu, and their following of
// the main window: they hide with it (Hide, the tray) and those that were
// open come back with it.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_WINDOWS_H
#define HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_WINDOWS_H

#include "analysis/pin_store.h"
#include "platform/analysis/compare_formulations_window.h"
#include "platform/analysis/pinned_states_window.h"
#include "platform/analysis/shown_state_feed.h"
#include "platform/analysis/state_details_window.h"
#include "steam/property_libraries.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QMenu;

namespace platform {

class AnalysisWindows final : public QObject {
  Q_OBJECT

 public:
  // `feed`, `libraries` and `pinStore` must outlive the windows, which are
  // children of `mainWindow`.
  AnalysisWindows(QWidget& mainWindow, ShownStateFeed& feed, steam::PropertyLibraries& libraries,
                  analysis::PinStore& pinStore);

  // "State &Details" (F6), "Compare &Formulations" (Ctrl+Shift+F), "&Pin
  // State" (Ctrl+Shift+P, only with a computed state) and "P&inned States".
  void AddTo(QMenu& menu);

  StateDetailsWindow& Details() const { return *details_; }
  CompareFormulationsWindow& Comparison() const { return *comparison_; }
  PinnedStatesWindow& PinsWindow() const { return *pins_; }
  QAction& PinStateAction() const { return *pinState_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& mainWindow_;
  StateDetailsWindow* details_;
  CompareFormulationsWindow* comparison_;
  PinnedStatesWindow* pins_;
  QAction* pinState_ = nullptr;
  // The windows the main window took with it when it hid.
  std::vector<QPointer<AnalysisToolWindow>> hiddenWithMain_;
};

}  // namespace platform

#endif
