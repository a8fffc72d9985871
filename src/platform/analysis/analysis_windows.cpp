#include "platform/analysis/analysis_windows.h"

#include "platform/analysis/analysis_menu.h"
#include "platform/main_window_widget.h"

#include <QAction>

namespace platform {

AnalysisWindows::AnalysisWindows(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
                                 ShownStateFeed& feed, steam::PropertyLibraries& libraries,
                                 analysis::PinStore& pinStore)
    : details_(new StateDetailsWindow(mainWindow, settings, feed)),
      comparison_(new CompareFormulationsWindow(mainWindow, settings, feed, libraries)),
      pins_(new PinnedStatesWindow(mainWindow, settings, feed, pinStore)) {
  pinState_ = new QAction(QStringLiteral("&Pin State"), this);
  pinState_->setObjectName(QStringLiteral("mnuAnalysisPinState"));
  pinState_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  pinState_->setEnabled(feed.State().has_value());
  connect(pinState_, &QAction::triggered, this, [this] {
    if (pins_->PinShownState()) pins_->Open();
  });
  connect(&feed, &ShownStateFeed::stateShown, pinState_, [this] { pinState_->setEnabled(true); });
  connect(&feed, &ShownStateFeed::stateCleared, pinState_, [this] { pinState_->setEnabled(false); });
}

// The windows go before what they show: the feed, the libraries, the store.
AnalysisWindows::~AnalysisWindows() {
  delete pins_;
  delete comparison_;
  delete details_;
}

void AnalysisWindows::AddTo(AnalysisMenu& menu) {
  QAction& details = menu.AddWindowEntry(QStringLiteral("State &Details"), *details_);
  details.setObjectName(QStringLiteral("mnuAnalysisStateDetails"));
  details.setShortcut(QKeySequence(Qt::Key_F6));
  QAction& compare = menu.AddWindowEntry(QStringLiteral("Compare &Formulations"), *comparison_);
  compare.setObjectName(QStringLiteral("mnuAnalysisCompare"));
  compare.setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
  menu.addAction(pinState_);
  menu.AddWindowEntry(QStringLiteral("P&inned States"), *pins_)
      .setObjectName(QStringLiteral("mnuAnalysisPinnedStates"));
}

}  // namespace platform
