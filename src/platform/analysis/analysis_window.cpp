#include "platform/analysis/analysis_window.h"

#include <QByteArray>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "platform/main_window_widget.h"

namespace platform {

AnalysisWindow::AnalysisWindow(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
                               std::string name, const QString& title)
    // A parent makes the window transient for the main window; Qt::Window
    // keeps it a window of its own rather than a child widget.
    : QWidget(&mainWindow, Qt::Window),
      mainWindow_(mainWindow),
      settings_(settings),
      name_(std::move(name)) {
  setWindowTitle(title);
  setWindowModality(Qt::NonModal);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowFlag(Qt::WindowStaysOnTopHint, mainWindow.windowFlags() & Qt::WindowStaysOnTopHint);
  connect(&mainWindow, &MainWindowWidget::visibilityApplied, this,
          &AnalysisWindow::FollowVisibility);
  connect(&mainWindow, &MainWindowWidget::topmostApplied, this, &AnalysisWindow::FollowTopmost);
}

void AnalysisWindow::Open() {
  if (!placed_) PlaceFirstTime();
  show();
  raise();
  activateWindow();
}

void AnalysisWindow::PlaceFirstTime() {
  placed_ = true;
  const std::string saved =
      settings_.Read(shell::kAnalysisSection, GeometryKey(), shell::kAnalysisGeometryDefault);
  if (!saved.empty() && restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)))) {
    return;
  }
  adjustSize();
  // Beside the main window on its right, kept on the screen.
  QPoint at = mainWindow_.frameGeometry().topRight() + QPoint(8, 0);
  if (const QScreen* screen = mainWindow_.screen()) {
    const QRect available = screen->availableGeometry();
    at.setX(std::min(at.x(), available.right() - width()));
    at.setY(std::min(std::max(at.y(), available.top()), available.bottom() - height()));
    at.setX(std::max(at.x(), available.left()));
  }
  move(at);
}

void AnalysisWindow::SaveGeometry() {
  settings_.Write(shell::kAnalysisSection, GeometryKey(), saveGeometry().toBase64().toStdString());
}

void AnalysisWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void AnalysisWindow::hideEvent(QHideEvent* event) {
  if (!changingFlags_ && !event->spontaneous()) SaveGeometry();
  QWidget::hideEvent(event);
}

void AnalysisWindow::FollowVisibility(bool visible) {
  if (!visible) {
    reopenWithMainWindow_ = isVisible();
    if (reopenWithMainWindow_) hide();
    return;
  }
  if (reopenWithMainWindow_) {
    reopenWithMainWindow_ = false;
    show();
  }
}

// Qt re-creates a window whose flags change and hides it on the way: only a
// window that was shown is shown again, where it stood.
void AnalysisWindow::FollowTopmost(bool topmost) {
  if (static_cast<bool>(windowFlags() & Qt::WindowStaysOnTopHint) == topmost) return;
  const bool wasVisible = isVisible();
  const QPoint at = pos();
  changingFlags_ = true;
  setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
  changingFlags_ = false;
  if (wasVisible) {
    move(at);
    show();
  }
}

}  // namespace platform
