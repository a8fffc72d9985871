#include "platform/shell_windows.h"

#include "app/application_identity.h"

#include <QMessageBox>
#include <QString>

namespace platform {

namespace {

QMessageBox::Icon IconOf(mainwindow::MessageIcon icon) {
  switch (icon) {
    case mainwindow::MessageIcon::Critical: return QMessageBox::Critical;
    case mainwindow::MessageIcon::Exclamation: return QMessageBox::Warning;
    case mainwindow::MessageIcon::Information: return QMessageBox::Information;
    case mainwindow::MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

void ShowModal(QWidget* owner, QMessageBox::Icon icon, const QString& title,
               const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

void StandInShellWindows::ShowMessage(QWidget* owner,
                                      const mainwindow::MessageBoxRequest& request) {
  ShowModal(owner, IconOf(request.icon), QString::fromStdString(request.title),
            QString::fromStdString(request.text));
}

void StandInShellWindows::ShowAbout(QWidget* owner) {
  const app::ApplicationIdentity& id = app::kIdentity;
  const QString text = QString("%1\nVersion %2.%3.%4\n\n%5\n\n%6")
                           .arg(id.title)
                           .arg(id.major)
                           .arg(id.minor)
                           .arg(id.revision)
                           .arg(id.fileDescription)
                           .arg(id.copyright);
  ShowModal(owner, QMessageBox::Information, QString("About ") + id.title, text);
}

void StandInShellWindows::ShowDisclaimer(QWidget* owner) {
  ShowModal(owner, QMessageBox::Information, app::kIdentity.title,
            "The results are offered as they are, without warranty of any kind. Check every "
            "value that matters to a design against the published formulations.");
}

}  // namespace platform
