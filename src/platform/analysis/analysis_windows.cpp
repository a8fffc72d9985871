#include "platform/analysis/analysis_windows.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

namespace platform {

AnalysisWindows::AnalysisWindows(QWidget& mainWindow, ShownStateFeed& feed,
                                 steam::PropertyLibraries& libraries,
                                 analysis::PinStore& pinStore)
    : QObject(&mainWindow),
      mainWindow_(mainWindow),
      details_(new StateDetailsWindow(&mainWindow, feed)),
      comparison_(new CompareFormulationsWindow(&mainWindow, feed, libraries)),
      pins_(new PinnedStatesWindow(&mainWindow, feed, pinStore)) {
  pinState_ = new QAction(QStringLiteral("&Pin State"), this);
  pinState_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  pinState_->setEnabled(feed.State().has_value());
  connect(pinState_, &QAction::triggered, this, [this] {
    if (pins_->PinShownState()) pins_->Open();
  });
  connect(&feed, &ShownStateFeed::stateShown, pinState_, [this] { pinState_->setEnabled(true); });
  connect(&feed, &ShownStateFeed::stateCleared, pinState_, [this] { pinState_->setEnabled(false); });
  mainWindow_.installEventFilter(this);
}

void AnalysisWindows::AddTo(QMenu& menu) {
  QAction* details = menu.addAction(QStringLiteral("State &Details"));
  details->setShortcut(QKeySequence(Qt::Key_F6));
  connect(details, &QAction::triggered, details_, &AnalysisToolWindow::Open);
  QAction* compare = menu.addAction(QStringLiteral("Compare &Formulations"));
  compare->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
  connect(compare, &QAction::triggered, comparison_, &AnalysisToolWindow::Open);
  menu.addAction(pinState_);
  QAction* pinned = menu.addAction(QStringLiteral("P&inned States"));
  connect(pinned, &QAction::triggered, pins_, &AnalysisToolWindow::Open);
}

bool AnalysisWindows::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &mainWindow_ && !event->spontaneous()) {
    if (event->type() == QEvent::Hide) {
      hiddenWithMain_.clear();
      for (AnalysisToolWindow* window :
           std::initializer_list<AnalysisToolWindow*>{details_, comparison_, pins_}) {
        if (!window->isVisible()) continue;
        hiddenWithMain_.emplace_back(window);
        window->hide();
      }
    } else if (event->type() == QEvent::Show) {
      for (const QPointer<AnalysisToolWindow>& window : hiddenWithMain_) {
        if (window) window->Open();
      }
      hiddenWithMain_.clear();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace platform
