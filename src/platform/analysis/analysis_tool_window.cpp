#include "platform/analysis/analysis_tool_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QSettings>
#include <QTableWidget>

namespace platform {

namespace {

QString GeometryKey(const QString& settingsName) {
  return QStringLiteral("Analysis/") + settingsName + QStringLiteral("Geometry");
}

}  // namespace

QSettings& AnalysisSettings() {
  static QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                            QStringLiteral("Hydrelix"), QStringLiteral("Hydrelix"));
  return settings;
}

namespace {

}  // namespace

AnalysisToolWindow::AnalysisToolWindow(QWidget* mainWindow, const QString& title,
                                       const QString& settingsName)
    : QWidget(mainWindow, Qt::Window), settingsName_(settingsName) {
  setWindowTitle(title);
  setObjectName(settingsName);
}

void AnalysisToolWindow::Open() {
  if (!placed_) {
    placed_ = true;
    const QByteArray geometry = AnalysisSettings().value(GeometryKey(settingsName_)).toByteArray();
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
  if (placed_) AnalysisSettings().setValue(GeometryKey(settingsName_), saveGeometry());
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
