#include "platform/shell_dialog_support.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTwipsPerPoint = 20;

// Faces of the other desktop and the nearest ones Debian ships.
QStringList FamiliesFor(const QString& face) {
  if (face == "Arial") return {"Arial", "Liberation Sans", "DejaVu Sans"};
  if (face == "Tahoma" || face == "MS Sans Serif") {
    return {face, "DejaVu Sans", "Liberation Sans"};
  }
  return {face, "DejaVu Sans"};
}

QMessageBox::Icon IconOf(shell::MessageIcon icon) {
  switch (icon) {
    case shell::MessageIcon::Critical: return QMessageBox::Critical;
    case shell::MessageIcon::Exclamation: return QMessageBox::Warning;
    case shell::MessageIcon::Information: return QMessageBox::Information;
    case shell::MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

int PixelsOfTwips(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QRect PixelRect(const app::TwipsBox& box) {
  return {PixelsOfTwips(box.left), PixelsOfTwips(box.top), PixelsOfTwips(box.width),
          PixelsOfTwips(box.height)};
}

QFont DesignedFont(const app::FontLayout& layout) {
  QFont font;
  font.setFamilies(FamiliesFor(layout.face));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(std::lround(layout.points * kTwipsPerPoint / kTwipsPerPixel)));
  font.setBold(layout.bold);
  return font;
}

QFont DialogFont() {
  // As the main window: the captions fit a condensed face of about eight
  // points at 15 twips a pixel.
  QFont font;
  font.setFamilies({"DejaVu Sans Condensed", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

QString TextOf(const std::string& text) { return QString::fromStdString(text); }

void CentreOn(QWidget& window, const QWidget* owner) {
  QRect around;
  if (owner != nullptr && owner->isVisible() && !owner->isMinimized()) {
    around = owner->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    around = screen->availableGeometry();
  } else {
    return;
  }
  window.move(around.center() - QPoint(window.width() / 2, window.height() / 2));
}

void CenterMouseCursorOn(const QWidget& control, MousePointer& pointer) {
  if (!pointer.CanMove()) return;
  pointer.MoveTo(CentreOf(QRect(control.mapToGlobal(QPoint(0, 0)), control.size())));
}

void ShowMessageBoxWindow(QWidget* owner, const shell::MessageBoxRequest& request) {
  QMessageBox box(IconOf(request.icon), TextOf(request.title), TextOf(request.text),
                  QMessageBox::Ok, owner);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

DialogServices DesktopDialogServices() {
  static SystemMousePointer pointer;
  return {pointer, ShowMessageBoxWindow,
          [] {
            // No destructor runs: neither the windows' unload nor the
            // settings store's flush may save anything.
            std::fflush(nullptr);
            std::_Exit(EXIT_SUCCESS);
          },
          [] { QApplication::beep(); }};
}

}  // namespace platform
