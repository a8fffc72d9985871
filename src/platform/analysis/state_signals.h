// The main window's state listeners as Qt signals, for the Analysis windows
// and any other view on Qt: connect to these instead of listening to the
// model directly. Registers itself with the model for its whole life.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_STATE_SIGNALS_H
#define HYDRELIX_PLATFORM_ANALYSIS_STATE_SIGNALS_H

#include <QMetaType>
#include <QObject>

#include "mainwindow/frm_main.h"
#include "mainwindow/state_listener.h"
#include "steam/steam.h"

Q_DECLARE_METATYPE(steam::SteamState)

namespace platform {

class StateSignals final : public QObject, public mainwindow::StateListener {
  Q_OBJECT

 public:
  // `form` must outlive this object.
  explicit StateSignals(mainwindow::frmMain& form, QObject* parent = nullptr);
  ~StateSignals() override;

  void StateShown(const steam::SteamState& state) override { emit stateShown(state); }
  void StateCleared() override { emit stateCleared(); }
  void DisplayChanged() override { emit displayChanged(); }

 signals:
  void stateShown(const steam::SteamState& state);
  void stateCleared();
  void displayChanged();

 private:
  mainwindow::frmMain& form_;
};

}  // namespace platform

#endif
