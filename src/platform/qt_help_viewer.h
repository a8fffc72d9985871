// The help viewer of the desktop: the help file beside the program, an HTML
// document with one heading per topic, shown in a help window of ours.
#ifndef HYDRELIX_PLATFORM_QT_HELP_VIEWER_H
#define HYDRELIX_PLATFORM_QT_HELP_VIEWER_H

#include "shell/help_viewer.h"
#include "platform/help_window.h"

#include <QPointer>

#include <functional>
#include <string>

class QWidget;

namespace platform {

class QtHelpViewer final : public shell::HelpViewer {
 public:
  // The help file is looked for in `programDirectory`.
  explicit QtHelpViewer(std::string programDirectory);
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  // The widget that shows the model window `owner` (the splash window, then
  // the main window); the help window is its transient. Without it, or for
  // an owner it does not know, the help window stands alone.
  std::function<QWidget*(const void* owner)> windowOf;

  void InitHelp(const void* owner) override;
  std::string HelpFilePath() const override { return path_; }
  void QuitHelp() override;
  bool ShowHelpContents() override;
  bool ShowHelpFinder() override;

  // The help window while it exists, else nullptr.
  HelpWindow* Window() const { return window_.data(); }

 private:
  // The help window with the file loaded, or nullptr when the file cannot be
  // read or is no help document.
  HelpWindow* LoadedWindow();

  std::string programDirectory_;
  std::string path_;
  const void* owner_ = nullptr;
  QPointer<HelpWindow> window_;
};

}  // namespace platform

#endif
