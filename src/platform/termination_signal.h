// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM reaches the program as an ordinary event of its event loop, so the
// window can unload as on Exit, even with a modal window open.
#ifndef HYDRELIX_PLATFORM_TERMINATION_SIGNAL_H
#define HYDRELIX_PLATFORM_TERMINATION_SIGNAL_H

#include <QObject>

class QSocketNotifier;

namespace platform {

class TerminationSignal final : public QObject {
  Q_OBJECT

 public:
  TerminationSignal();
  ~TerminationSignal() override;

 signals:
  void received();

 private:
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace platform

#endif
