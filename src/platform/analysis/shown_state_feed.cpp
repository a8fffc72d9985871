#include "platform/analysis/shown_state_feed.h"

#include "mainwindow/frm_main.h"
#include "platform/analysis/main_window_display.h"
#include "platform/analysis/state_signals.h"

namespace platform {

ShownStateFeed::ShownStateFeed(StateSignals& mainWindowSignals, const mainwindow::frmMain& form,
                               QObject* parent)
    : QObject(parent), state_(form.ShownState()), units_(DisplayUnitsOf(form)) {
  // The units go first: a window redrawn for the new state shows it in the
  // units of the moment.
  connect(&mainWindowSignals, &StateSignals::stateShown, this, [this, &form](const steam::SteamState& state) {
    units_ = DisplayUnitsOf(form);
    Show(state);
  });
  connect(&mainWindowSignals, &StateSignals::stateCleared, this, &ShownStateFeed::Clear);
  connect(&mainWindowSignals, &StateSignals::displayChanged, this,
          [this, &form] { SetUnits(DisplayUnitsOf(form)); });
}

}  // namespace platform
