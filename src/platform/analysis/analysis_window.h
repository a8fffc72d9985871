// The common rules of the Analysis windows, for every window the Analysis
// menu opens. Derive from AnalysisWindow and fill it like any QWidget:
//
// - Non-modal and transient for the main window: the window manager keeps it
//   above the main window and minimizes it with it; the main window stays
//   usable while it is open.
// - Size and position remembered in the settings file, group "Analysis",
//   key "<name>Geometry" (name as given to the constructor, e.g.
//   "PinsGeometry"; see shell/settings_schema.h); written whenever the
//   window hides, read when it is first opened. The first opening without a saved entry places it
//   beside the main window.
// - Esc and the close box hide it; it is never destroyed by the user, so its
//   content and state survive until it is opened again (Open()).
// - It follows the main window: hidden with it (File > Hide, the tray) and
//   shown again with it (Open from the tray) when it was open; made topmost
//   and not topmost with it, so Keep on top and the bracket that drops
//   topmost around modal windows lift and lower it too.
//
// The window follows the main window's state through frmMain's state
// listeners (see StateSignals); this base holds no rule about the state.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_WINDOW_H

#include <QWidget>
#include <string>

#include "shell/settings_schema.h"
#include "shell/settings_store.h"

namespace platform {

class MainWindowWidget;

class AnalysisWindow : public QWidget {
  Q_OBJECT

 public:
  // `mainWindow` and `settings` must outlive the window; `name` is the
  // first part of its settings key.
  AnalysisWindow(MainWindowWidget& mainWindow, shell::SettingsStore& settings, std::string name,
                 const QString& title);

  // Shows the window where it was last (or beside the main window), raised
  // and active. What the Analysis menu's entry for it calls.
  void Open();

  // This window's key in the settings file's section "Analysis".
  std::string GeometryKey() const { return shell::AnalysisGeometryKey(name_); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FollowVisibility(bool visible);
  void FollowTopmost(bool topmost);
  void SaveGeometry();
  void PlaceFirstTime();

  MainWindowWidget& mainWindow_;
  shell::SettingsStore& settings_;
  std::string name_;
  bool placed_ = false;
  // Open when the main window was hidden: shown again when it comes back.
  bool reopenWithMainWindow_ = false;
  // Moving between topmost and not re-creates the window; that hide is not
  // the user's and must not be remembered as one.
  bool changingFlags_ = false;
};

}  // namespace platform

#endif
