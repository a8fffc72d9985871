// Observers of the state the main window shows: a view of its own (the
// Analysis windows, the pins) follows the window through these calls
// without the window knowing what it is.
#ifndef HYDRELIX_MAINWINDOW_STATE_LISTENER_H
#define HYDRELIX_MAINWINDOW_STATE_LISTENER_H

#include "steam/steam.h"

namespace mainwindow {

class StateListener {
 public:
  virtual ~StateListener() = default;
  // At the end of a successful Compute, with the state now shown.
  virtual void StateShown(const steam::SteamState& /*state*/) {}
  // Whenever the results are cleared: Clear, a failed Compute, a tick, a
  // digit typed into an input, a quality outside 0 to 1.
  virtual void StateCleared() {}
  // A unit list, the unit system or a display format changed: the texts
  // shown change, the state does not.
  virtual void DisplayChanged() {}
};

}  // namespace mainwindow

#endif
