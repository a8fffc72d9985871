#include "platform/analysis/analysis_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "mainwindow/shown_table.h"
#include "platform/analysis/analysis_window.h"

namespace platform {

void PutOnClipboard(const analysis::ClipboardContents& contents) {
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(contents.text));
  data->setHtml(QString::fromStdString(contents.html));
  QGuiApplication::clipboard()->setMimeData(data);
}

AnalysisMenu::AnalysisMenu(const mainwindow::frmMain& form, QWidget* parent)
    : QMenu(QStringLiteral("&Analysis"), parent), form_(form) {
  setObjectName(QStringLiteral("mnuAnalysis"));
  copyTable_ = addAction(QStringLiteral("Copy State as &Table"));
  copyTable_->setObjectName(QStringLiteral("mnuAnalysisCopyTable"));
  copyTable_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  copyRow_ = addAction(QStringLiteral("Copy State as &Row"));
  copyRow_->setObjectName(QStringLiteral("mnuAnalysisCopyRow"));
  copyRow_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+R")));
  connect(copyTable_, &QAction::triggered, this,
          [this] { PutOnClipboard(analysis::StateAsTable(mainwindow::ShownTable(form_))); });
  connect(copyRow_, &QAction::triggered, this,
          [this] { PutOnClipboard(analysis::StateAsRow(mainwindow::ShownTable(form_))); });
}

QAction& AnalysisMenu::AddWindowEntry(const QString& caption, AnalysisWindow& window) {
  if (!hasWindowEntries_) addSeparator();
  hasWindowEntries_ = true;
  QAction* entry = addAction(caption);
  connect(entry, &QAction::triggered, &window, &AnalysisWindow::Open);
  return *entry;
}

}  // namespace platform
