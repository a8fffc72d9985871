// The main window's current state and display as the analysis windows follow
// them: the state of the last Compute (none once the results are cleared)
// and the units, formats and decimal mark the main window shows. The program
// feeds it from the main window's state listeners; tests feed it directly.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_SHOWN_STATE_FEED_H
#define HYDRELIX_PLATFORM_ANALYSIS_SHOWN_STATE_FEED_H

#include "analysis/display_units.h"
#include "steam/steam.h"

#include <QObject>

namespace mainwindow {
class frmMain;
}

#include <optional>

namespace platform {

class StateSignals;

class ShownStateFeed final : public QObject {
  Q_OBJECT

 public:
  explicit ShownStateFeed(QObject* parent = nullptr) : QObject(parent) {}
  // Follows the main window from its present state on; `form` must outlive
  // this object.
  ShownStateFeed(StateSignals& mainWindowSignals, const mainwindow::frmMain& form,
                 QObject* parent = nullptr);

  const std::optional<steam::SteamState>& State() const { return state_; }
  const analysis::DisplayUnits& Units() const { return units_; }

  void Show(const steam::SteamState& state) {
    state_ = state;
    emit stateShown();
  }
  void Clear() {
    state_.reset();
    emit stateCleared();
  }
  void SetUnits(const analysis::DisplayUnits& units) {
    units_ = units;
    emit displayChanged();
  }

 signals:
  void stateShown();
  void stateCleared();
  void displayChanged();

 private:
  std::optional<steam::SteamState> state_;
  analysis::DisplayUnits units_ = analysis::DisplayUnits::Ip();
};

}  // namespace platform

#endif
