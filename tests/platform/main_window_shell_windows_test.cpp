// The main window's View Disclaimer and About, and the tray's About, open
// the real shell windows; a second start's raise reaches whichever window
// is in front.
#include "app/disclaimer_file.h"
#include "platform/about_dialog.h"
#include "platform/desktop_shell_windows.h"
#include "platform/desktop_startup.h"
#include "platform/disclaimer_text_dialog.h"
#include "platform/main_window_widget.h"
#include "platform/qt_clipboard.h"
#include "platform/read_disclaimer_dialog.h"
#include "platform/shared_property_libraries.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

struct StillPointer final : platform::MousePointer {
  bool CanMove() const override { return false; }
  void MoveTo(QPoint) override {}
};

struct NoTray final : platform::TrayIconHost {
  bool Available() const override { return true; }
  void Show(const QIcon&, const QString&) override {}
  void Popup(QMenu&) override {}
};

struct NoSystemInfo final : app::SystemInfoTool {
  std::optional<std::string> FullPath() const override { return std::nullopt; }
  std::optional<std::string> Folder() const override { return std::nullopt; }
  std::string FileName() const override { return "/none"; }
  bool FileExists(const std::string&) const override { return false; }
  bool Start(const std::string&) override { return false; }
};

std::optional<std::string> ShippedDisclaimer() {
  return app::ReadDisclaimerFile(HYDRELIX_SHIPPED_DISCLAIMER);
}

struct DesktopWindow {
  DesktopWindow() {
    form.Form_Load();
    form.Show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  platform::DialogServices Services() {
    return {pointer, [](QWidget*, const shell::MessageBoxRequest&) {},
            [this] { ++programEnds; }, [] {}};
  }

  StillPointer pointer;
  int programEnds = 0;
  platform::QtClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::InMemorySettingsStore settings;
  shell::NoHelpViewer help;
  shell::ProgramSwitches switches;
  mainwindow::frmMain form{{clipboard, libraries, settings, help, switches}};
  NoTray tray;
  NoSystemInfo systemInfo;
  platform::DesktopShellWindows shell{switches, settings, systemInfo, Services(),
                                      ShippedDisclaimer};
  platform::MainWindowWidget window{form, tray, shell};
};

// Acts inside the next modal window's loop once it is active.
void WhenModalOpens(std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr) << "no modal window opened";
    EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
    QApplication::processEvents();
    act(*modal);
  });
}

TEST(MainWindowShellWindows, ViewDisclaimerOpensTheAcceptanceWindowWithTheShippedText) {
  DesktopWindow w;
  bool sawText = false;
  WhenModalOpens([&sawText](QWidget& modal) {
    ASSERT_EQ(modal.objectName(), "frmReadDisclaimer");
    auto& acceptance = static_cast<platform::ReadDisclaimerDialog&>(modal);
    WhenModalOpens([&sawText](QWidget& inner) {
      ASSERT_EQ(inner.objectName(), "frmDisclaimer");
      auto& text = static_cast<platform::DisclaimerTextDialog&>(inner);
      sawText = text.Text().toPlainText().contains("without warranty");
      text.grab().save(QString(HYDRELIX_SCREENSHOT_DIR) + "/text_window.png");
      QTest::mouseClick(&text.OK(), Qt::LeftButton);
    });
    QTest::mouseClick(&acceptance.Read(), Qt::LeftButton);
    QTest::mouseClick(&acceptance.Agree(), Qt::LeftButton);
  });
  w.window.ActionOf(w.form.mnuFileDisclaimer)->trigger();
  EXPECT_TRUE(sawText);
  EXPECT_EQ(w.settings.Read("Settings", "Disclaimer Show", ""), "True");
  EXPECT_EQ(w.programEnds, 0);
}

TEST(MainWindowShellWindows, TrayAboutWhileHiddenLeavesTheWindowHidden) {
  DesktopWindow w;
  w.window.ActionOf(w.form.mnuFileHide)->trigger();
  ASSERT_FALSE(w.window.isVisible());
  WhenModalOpens([](QWidget& modal) {
    EXPECT_EQ(modal.objectName(), "frmAbout");
    QTest::keyClick(&modal, Qt::Key_Escape);
  });
  w.form.mnuTrayPopupItem_Click(1);
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_FALSE(w.form.Visible());
}

TEST(MainWindowShellWindows, RaiseBringsTheOpenModalWindowForwardElseTheHiddenMainWindow) {
  DesktopWindow w;
  WhenModalOpens([&w](QWidget& modal) {
    platform::RaiseRunningWindow(w.form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&modal));
    EXPECT_EQ(QApplication::activeModalWidget(), &modal);
    QTest::keyClick(&modal, Qt::Key_Return);
  });
  w.window.ActionOf(w.form.mnuHelpAbout)->trigger();

  w.window.ActionOf(w.form.mnuFileHide)->trigger();
  ASSERT_FALSE(w.window.isVisible());
  platform::RaiseRunningWindow(w.form);
  EXPECT_TRUE(w.window.isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&w.window));
}

}  // namespace
