#include "platform/analysis/analysis_tool_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QSettings>
#include <QTableWidget>

#include <memory>

namespace platform {

namespace {

QString GeometryKey(const QString& settingsName) {
  return settingsName + QStringLiteral("Geometry");
}

// The file the main window's settings live in, under the group "Analysis".
std::unique_ptr<QSettings> AnalysisGroup() {
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              QStringLiteral("Hydrelix"),
                                              QStringLiteral("Hydrelix"));
  settings->beginGroup(QStringLiteral("Analysis"));
  return settings;
}

}  // namespace

QVariant ReadAnalysisSetting(const QString& key) { return AnalysisGroup()->value(key); }

void WriteAnalysisSetting(const QString& key, const QVariant& value) {
  AnalysisGroup()->setValue(key, value);
}

AnalysisToolWindow::AnalysisToolWindow(QWidget* mainWindow, const QString& title,
                                       const QString& settingsName)
    : QWidget(mainWindow, Qt::Window), settingsName_(settingsName) {
  setWindowTitle(title);
  setObjectName(settingsName);
}

void AnalysisToolWindow::Open() {
  if (!placed_) {
    placed_ = true;
    const QByteArray geometry = ReadAnalysisSetting(GeometryKey(settingsName_)).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
  }
  show();
  raise();
  activateWindow();
}

void AnalysisToolWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

void AnalysisToolWindow::closeEvent(QCloseEvent* event) {
  // Closed means hidden: the window keeps what it shows for the next Open.
  event->ignore();
  hide();
}

void AnalysisToolWindow::hideEvent(QHideEvent* event) {
  RememberGeometry();
  QWidget::hideEvent(event);
}

void AnalysisToolWindow::RememberGeometry() {
  if (placed_) WriteAnalysisSetting(GeometryKey(settingsName_), saveGeometry());
}

void FillTable(QTableWidget& table, const analysis::TextTable& texts) {
  table.clear();
  table.setColumnCount(static_cast<int>(texts.header.size()));
  table.setRowCount(static_cast<int>(texts.rows.size()));
  QStringList header;
  for (const std::string& cell : texts.header) header << QString::fromStdString(cell);
  table.setHorizontalHeaderLabels(header);
  for (int row = 0; row < table.rowCount(); ++row) {
    const auto& cells = texts.rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < table.columnCount(); ++column) {
      const std::size_t at = static_cast<std::size_t>(column);
      auto* item = new QTableWidgetItem(at < cells.size() ? QString::fromStdString(cells[at])
                                                          : QString());
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      table.setItem(row, column, item);
    }
  }
}

void CopyTable(const analysis::TextTable& texts) {
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(analysis::AsTabSeparated(texts)));
  data->setHtml(QString::fromStdString(analysis::AsHtml(texts)));
  QApplication::clipboard()->setMimeData(data);
}

}  // namespace platform
