// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell_dialog.h"

#include "platform/shell_dialog_support.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>

#include <optional>

namespace platform {

namespace {

std::optional<app::DialogKey> DialogKeyOf(const QKeyEvent& event) {
  if (event.modifiers() & ~(Qt::KeypadModifier)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return app::DialogKey::Enter;
    case Qt::Key_Escape: return app::DialogKey::Escape;
    default: return std::nullopt;
  }
}

Qt::WindowFlags FlagsWith(bool closeBox) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint;
  if (closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  return flags;
}

}  // namespace

ShellDialog::ShellDialog(QWidget* owner, const char* caption, const app::TwipsBox& clientArea,
                         bool closeBox)
    : QDialog(owner, FlagsWith(closeBox)), owner_(owner) {
  setWindowTitle(QString::fromUtf8(caption));
  setFont(DialogFont());
  setFixedSize(PixelRect(clientArea).size());
  setWindowModality(Qt::ApplicationModal);
  installEventFilter(this);
}

void ShellDialog::RunModal() {
  CentreOn(*this, owner_);
  exec();
}

void ShellDialog::Finish() {
  finishing_ = true;
  done(QDialog::Accepted);
}

// Only the first activation counts here: coming back from another program
// is no activation of the window, and coming back from one of its own child
// windows is reported by the window that opened it.
bool ShellDialog::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
    activatedOnce_ = true;
    Activated();
  }
  return QDialog::event(event);
}

void ShellDialog::PreviewKeysOf(QWidget& child) { child.installEventFilter(this); }

bool ShellDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const std::optional<app::DialogKey> key = DialogKeyOf(static_cast<QKeyEvent&>(*event));
    if (key && KeyPressed(*key)) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ShellDialog::closeEvent(QCloseEvent* event) {
  if (finishing_) {
    event->accept();
    return;
  }
  event->ignore();
  WindowManagerClose();
}

}  // namespace platform
