#include "platform/qt_help_viewer.h"

#include "platform/help_window.h"

#include <QFile>
#include <QString>
#include <QWidget>

#include <utility>

namespace platform {

namespace {

std::string HelpFileIn(std::string folder) {
  const size_t last = folder.find_last_not_of(" \t");
  const bool endsInSlash = last != std::string::npos && folder[last] == '/';
  return folder + (endsInSlash ? "" : "/") + shell::kHelpFileName;
}

}  // namespace

QtHelpViewer::QtHelpViewer(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)) {}

QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

void QtHelpViewer::InitHelp(const void* owner) {
  // A help window opened for the splash window goes with it.
  if (owner != owner_) QuitHelp();
  owner_ = owner;
  path_ = HelpFileIn(programDirectory_);
}

void QtHelpViewer::QuitHelp() { delete window_.data(); }

HelpWindow* QtHelpViewer::LoadedWindow() {
  QFile file(QString::fromStdString(path_));
  if (path_.empty() || !file.open(QIODevice::ReadOnly)) return nullptr;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return nullptr;
  const QString html = QString::fromUtf8(bytes);
  if (window_.isNull()) {
    QWidget* ownerWidget = windowOf ? windowOf(owner_) : nullptr;
    window_ = new HelpWindow(ownerWidget);
    if (!window_->Load(html)) {
      delete window_.data();
      return nullptr;
    }
    return window_.data();
  }
  return window_->Load(html) ? window_.data() : nullptr;
}

bool QtHelpViewer::ShowHelpContents() {
  HelpWindow* window = LoadedWindow();
  if (window == nullptr) return false;
  window->ShowContents();
  return true;
}

bool QtHelpViewer::ShowHelpFinder() {
  HelpWindow* window = LoadedWindow();
  if (window == nullptr) return false;
  window->ShowSearch();
  return true;
}

}  // namespace platform
