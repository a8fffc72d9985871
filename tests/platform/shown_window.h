// The desktop window after loading with no saved settings, shown and active,
// on the real clipboard, with a tray and modal windows that only record.
#ifndef HYDRELIX_TESTS_PLATFORM_SHOWN_WINDOW_H
#define HYDRELIX_TESTS_PLATFORM_SHOWN_WINDOW_H

#include "mainwindow/frm_main.h"
#include "platform/main_window_widget.h"
#include "platform/qt_clipboard.h"
#include "platform/shared_property_libraries.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class FakeTray final : public platform::TrayIconHost {
 public:
  bool Available() const override { return present; }
  void Show(const QIcon& icon, const QString& toolTip) override {
    shownIcon = icon;
    shownToolTip = toolTip;
  }
  void Popup(QMenu& menu) override { popups.push_back(&menu); }
  void Press(int button) { emit mouseDown(button); }

  bool present = true;
  QIcon shownIcon;
  QString shownToolTip;
  std::vector<QMenu*> popups;
};

class FakeShellWindows final : public platform::ShellWindows {
 public:
  void ShowMessage(QWidget*, const shell::MessageBoxRequest& request) override {
    messages.push_back(request);
  }
  void ShowAbout(QWidget*) override {
    ++abouts;
    if (whileAboutIsOpen) whileAboutIsOpen();
  }
  void ShowDisclaimer(QWidget*) override { ++disclaimers; }

  std::vector<shell::MessageBoxRequest> messages;
  std::function<void()> whileAboutIsOpen;
  int abouts = 0;
  int disclaimers = 0;
};

struct ShownWindow {
  ShownWindow() {
    form.Form_Load();
    form.Show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QLineEdit& Field(int16_t index) {
    return *static_cast<QLineEdit*>(window.WidgetOf(form.txtData(index)));
  }
  QAbstractButton& Button(const mainwindow::Control& control) {
    return *static_cast<QAbstractButton*>(window.WidgetOf(control));
  }
  QComboBox& List(int16_t index) {
    return *static_cast<QComboBox*>(window.WidgetOf(form.cboUnits(index)));
  }
  void Click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton); }
  void Trigger(mainwindow::MenuItem& item) { window.ActionOf(item)->trigger(); }
  // The key goes where the focus is, as on the desktop.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  std::string FocusedName() const {
    return form.Focused() != nullptr ? form.Focused()->FullName() : "";
  }
  // The widget with the desktop's focus and the model's focused control agree.
  bool FocusAgrees() {
    return form.Focused() != nullptr &&
           QApplication::focusWidget() == window.WidgetOf(*form.Focused());
  }

  platform::QtClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::InMemorySettingsStore settings;
  shell::NoHelpViewer help;
  shell::ProgramSwitches switches;
  mainwindow::frmMain form{{clipboard, libraries, settings, help, switches}};
  FakeTray tray;
  FakeShellWindows shell;
  platform::MainWindowWidget window{form, tray, shell};
};

#endif
