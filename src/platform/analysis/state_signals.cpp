#include "platform/analysis/state_signals.h"

namespace platform {

StateSignals::StateSignals(mainwindow::frmMain& form, QObject* parent)
    : QObject(parent), form_(form) {
  qRegisterMetaType<steam::SteamState>();
  form_.AddStateListener(*this);
}

StateSignals::~StateSignals() { form_.RemoveStateListener(*this); }

}  // namespace platform
