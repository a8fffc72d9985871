// Hide, the close box, Keep on top, the tray and the menus on the desktop.
#include "shown_window.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTimer>

TEST(CloseBox, HidesAndTheTrayOpensAgain) {
  ShownWindow w;
  w.Type("100");
  EXPECT_FALSE(w.window.close());
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_FALSE(w.form.Visible());
  w.tray.Press(1);
  EXPECT_TRUE(w.window.isVisible());
  EXPECT_EQ(w.Field(43).text(), "100") << "typed, kept while hidden";
  EXPECT_EQ(w.FocusedName(), "txtData(43)");
}

TEST(CloseBox, WithoutATrayMinimises) {
  ShownWindow w;
  w.tray.present = false;
  w.window.close();
  EXPECT_TRUE(w.window.isVisible());
  EXPECT_TRUE(w.window.windowState() & Qt::WindowMinimized);
}

TEST(KeepOnTop, TogglesTheHintAndTheMarkWithoutHidingOrShowing) {
  ShownWindow w;
  QAction& onTop = *w.window.ActionOf(w.form.mnuFileOnTop);
  const QPoint at = w.window.pos();
  onTop.trigger();
  EXPECT_TRUE(w.window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(onTop.isChecked());
  EXPECT_TRUE(w.window.isVisible());
  EXPECT_EQ(w.window.pos(), at);
  EXPECT_TRUE(w.switches.KeepOnTop);

  w.Trigger(w.form.mnuFileHide);
  onTop.trigger();
  EXPECT_FALSE(w.window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(onTop.isChecked());
  EXPECT_FALSE(w.window.isVisible()) << "a hidden window stays hidden";
}

TEST(Tray, RightClickShowsThePopupAndItsItemsAct) {
  ShownWindow w;
  w.tray.Press(2);
  ASSERT_EQ(w.tray.popups.size(), 1u);
  EXPECT_EQ(w.tray.popups[0], &w.window.TrayPopupMenu());
  w.window.close();
  w.Trigger(w.form.mnuTrayPopupItem(1));
  EXPECT_EQ(w.shell.abouts, 1);
  EXPECT_FALSE(w.window.isVisible());
  w.Trigger(w.form.mnuTrayPopupItem(0));
  EXPECT_TRUE(w.window.isVisible());
}

TEST(Menus, DisclaimerAboutAndExit) {
  ShownWindow w;
  QSignalSpy ended(&w.window, &platform::MainWindowWidget::programEnded);
  w.Trigger(w.form.mnuFileDisclaimer);
  w.Trigger(w.form.mnuHelpAbout);
  EXPECT_EQ(w.shell.disclaimers, 1);
  EXPECT_EQ(w.shell.abouts, 1);
  EXPECT_EQ(ended.count(), 0);
  w.Trigger(w.form.mnuFileExit);
  EXPECT_EQ(ended.count(), 1);
  EXPECT_TRUE(w.window.close()) << "a window that has unloaded closes";
}

TEST(Messages, ReachTheModalWindowsInOrder) {
  ShownWindow w;
  w.Click(w.Field(45));
  w.Click(w.Button(w.form.chkStmInput(1)));
  w.Click(w.Button(w.form.chkStmInput(2)));  // temperature and quality
  w.Click(w.Field(45));
  w.Type("2");
  w.Key(Qt::Key_Tab);
  ASSERT_EQ(w.shell.messages.size(), 1u);
  EXPECT_EQ(w.shell.messages[0].text, "Steam quality must be a number between 0 and 1.");
}

// A tray command must not open the window, or end the program, under a
// modal window of ours.
TEST(Tray, WhileAModalWindowIsOpenItOnlyBringsThatWindowForward) {
  ShownWindow w;
  QSignalSpy ended(&w.window, &platform::MainWindowWidget::programEnded);
  w.window.close();
  bool shownUnderTheModal = true;
  w.shell.whileAboutIsOpen = [&] {
    QDialog about(&w.window);
    about.setModal(true);
    QTimer::singleShot(0, &about, [&] {
      w.tray.Press(1);
      w.Trigger(w.form.mnuTrayPopupItem(0));
      w.Trigger(w.form.mnuTrayPopupItem(3));
      w.tray.Press(2);
      shownUnderTheModal = w.window.isVisible();
      about.accept();
    });
    about.exec();
  };
  w.Trigger(w.form.mnuTrayPopupItem(1));
  EXPECT_FALSE(shownUnderTheModal);
  EXPECT_EQ(ended.count(), 0);
  EXPECT_EQ(w.tray.popups.size(), 1u) << "the popup still shows";
  EXPECT_FALSE(w.form.Visible());
}

// Keep on top, and the bracket that lowers a topmost window while About or
// the disclaimer is open, change the state of the window the desktop knows:
// its native id, place and focus stay.
TEST(KeepOnTop, KeepsTheNativeWindowItsPlaceAndFocus) {
  ShownWindow w;
  const WId id = w.window.winId();
  const QPoint at = w.window.pos();
  w.Click(w.Field(44));
  for (int n = 0; n < 4; ++n) {
    w.Trigger(w.form.mnuFileOnTop);
    EXPECT_EQ(bool(w.window.windowHandle()->flags() & Qt::WindowStaysOnTopHint), n % 2 == 0);
  }
  w.Trigger(w.form.mnuFileOnTop);
  w.shell.whileAboutIsOpen = [&w, id] {
    EXPECT_FALSE(w.window.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.window.winId(), id);
  };
  w.Trigger(w.form.mnuHelpAbout);
  w.Trigger(w.form.mnuFileDisclaimer);
  EXPECT_TRUE(w.window.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(w.window.winId(), id);
  EXPECT_EQ(w.window.pos(), at);
  EXPECT_TRUE(w.window.isVisible());
  EXPECT_EQ(w.FocusedName(), "txtData(44)");
  EXPECT_TRUE(w.FocusAgrees());
}

// A window the main window owns, as the help is, follows Keep on top, so it
// never opens or stays under the calculator.
TEST(KeepOnTop, OwnedWindowsStayAboveTheMainWindow) {
  ShownWindow w;
  auto* help = new QWidget(&w.window, Qt::Window);
  help->show();
  const WId id = help->winId();
  w.Trigger(w.form.mnuFileOnTop);
  EXPECT_TRUE(help->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(help->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(help->winId(), id);
  EXPECT_TRUE(help->isVisible());
  w.Trigger(w.form.mnuFileOnTop);
  EXPECT_FALSE(help->windowFlags() & Qt::WindowStaysOnTopHint);
}
