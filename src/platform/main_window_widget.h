// The main window on the desktop: draws the frmMain model as designed,
// reports every user event to it and shows every change it reports. It
// keeps no rule of its own.
#ifndef HYDRELIX_PLATFORM_MAIN_WINDOW_WIDGET_H
#define HYDRELIX_PLATFORM_MAIN_WINDOW_WIDGET_H

#include "mainwindow/frm_main.h"
#include "mainwindow/main_window_view.h"
#include "platform/shell_windows.h"
#include "platform/tray_icon_host.h"

#include <QMainWindow>

#include <unordered_map>

class QAction;
class QMenu;
class QPainter;

namespace platform {

class ValueFieldEdit;

class MainWindowWidget final : public QMainWindow, public mainwindow::MainWindowView {
  Q_OBJECT

 public:
  // Builds every control and menu of `form` and attaches itself as its view;
  // `tray` and `shell` must outlive it.
  MainWindowWidget(mainwindow::frmMain& form, TrayIconHost& tray, ShellWindows& shell);
  ~MainWindowWidget() override;

  // The widget or menu action that shows a control, for the desktop's own
  // services and for tests.
  QWidget* WidgetOf(const mainwindow::Control& control) const;
  QAction* ActionOf(const mainwindow::MenuItem& item) const;
  QMenu& TrayPopupMenu() const { return *trayMenu_; }
  // The program's icon, also the tray icon's picture.
  static QIcon ProgramIcon();

  // A menu from outside the model (the Analysis menu), placed in the menu
  // bar before Help. The widget does not take it over: the caller keeps it
  // alive while the window exists.
  void AddMenu(QMenu& menu);

  // ---- MainWindowView
  void ControlChanged(const mainwindow::Control& control,
                      mainwindow::ControlProperty property) override;
  void FocusChanged(const mainwindow::Control* focused) override;
  void WindowChanged(mainwindow::WindowProperty property) override;
  void ShowMessageBox(const shell::MessageBoxRequest& request) override;
  void ShowModalWindow(mainwindow::ShellWindow window) override;
  void ShowTrayPopup() override;
  void BringToFront() override;
  void Minimize() override;
  bool SystemTrayAvailable() const override;
  void DrawLine(int x1, int y1, int x2, int y2, mainwindow::SystemColour colour) override;
  void EndProgram() override;

  // Repaints the client area through the model's paint handler.
  void PaintClientArea(QPainter& painter);

 signals:
  // The window has unloaded: the program should end.
  void programEnded();
  // The model showed or hid the window (Open, Hide, the tray), and made it
  // topmost or not (Keep on top and the bracket around modal windows): the
  // windows that follow it do the same.
  void visibilityApplied(bool visible);
  void topmostApplied(bool topmost);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Reflecting;

  void BuildControls();
  void BuildMenus();
  QWidget* ContainerOf(const mainwindow::Control& control) const;
  mainwindow::Control* ControlOf(const QObject* object) const;
  void Watch(QWidget& widget, mainwindow::Control& control);

  void Reflect(const mainwindow::Control& control, mainwindow::ControlProperty property);
  void ReflectField(const mainwindow::TextBox& field);
  void ReflectEverything();
  void ApplyTopmost();
  void ApplyVisible();

  bool HandleKey(QObject* watched, QKeyEvent& event);
  void ReportSelection(mainwindow::TextBox& field, ValueFieldEdit& edit);
  void ReportTrayMouseDown(int button);
  // Tray commands while a modal window of ours is open bring that window
  // forward instead of acting under it.
  bool RaiseOpenModalWindow() const;

  mainwindow::frmMain& form_;
  TrayIconHost& tray_;
  ShellWindows& shell_;
  QWidget* client_ = nullptr;
  QMenu* trayMenu_ = nullptr;
  std::unordered_map<const mainwindow::Control*, QWidget*> widgets_;
  std::unordered_map<const mainwindow::Control*, QAction*> actions_;
  std::unordered_map<const QObject*, mainwindow::Control*> controlsByWidget_;
  QPainter* painter_ = nullptr;
  int reflecting_ = 0;
  // The widget whose focus a refused entry brought: the mouse press that
  // gave it the focus stops there, as the refusal's message took it over.
  const QObject* refusedFocusTarget_ = nullptr;
  bool placed_ = false;
  bool ending_ = false;
};

}  // namespace platform

#endif
