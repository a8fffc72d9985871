// The common rules of the Analysis windows on the desktop: non-modal and
// transient, Esc and the close box hide, the geometry is remembered, and
// they follow the main window's Hide, Open and topmost state.
#include "shown_window.h"

#include "platform/analysis/analysis_window.h"
#include "platform/analysis/state_signals.h"

#include <QSignalSpy>

namespace {

struct WindowWithAnalysis : ShownWindow {
  platform::AnalysisWindow analysis{window, settings, "Test", "Test Window"};
};

bool OnTop(const QWidget& widget) { return widget.windowFlags() & Qt::WindowStaysOnTopHint; }

TEST(AnalysisWindow, NonModalTransientAndHiddenByEscAndTheCloseBox) {
  WindowWithAnalysis w;
  QPointer<platform::AnalysisWindow> alive(&w.analysis);
  w.analysis.Open();
  EXPECT_TRUE(w.analysis.isVisible());
  EXPECT_TRUE(w.analysis.isWindow());
  EXPECT_EQ(w.analysis.parentWidget(), &w.window) << "transient for the main window";
  EXPECT_EQ(w.analysis.windowModality(), Qt::NonModal);
  QTest::keyClick(&w.analysis, Qt::Key_Escape);
  EXPECT_FALSE(w.analysis.isVisible());
  w.analysis.Open();
  EXPECT_TRUE(w.analysis.close());
  EXPECT_FALSE(w.analysis.isVisible());
  EXPECT_TRUE(alive) << "hidden, not destroyed";
  EXPECT_TRUE(w.window.isVisible());
}

TEST(AnalysisWindow, RemembersItsGeometryInTheAnalysisGroup) {
  QRect placed;
  shell::InMemorySettingsStore kept;
  {
    WindowWithAnalysis w;
    w.analysis.Open();
    w.analysis.setGeometry(100, 120, 300, 200);
    placed = w.analysis.geometry();
    w.analysis.close();
    kept = w.settings;
    EXPECT_FALSE(w.settings.Read("Analysis", "TestGeometry", "").empty());
  }
  WindowWithAnalysis again;
  again.settings = kept;
  again.analysis.Open();
  EXPECT_EQ(again.analysis.geometry(), placed);
}

TEST(AnalysisWindow, HidesAndComesBackWithTheMainWindow) {
  WindowWithAnalysis w;
  w.analysis.Open();
  w.Trigger(w.form.mnuFileHide);
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_FALSE(w.analysis.isVisible());
  w.Trigger(w.form.mnuTrayPopupItem(0));  // Open
  EXPECT_TRUE(w.window.isVisible());
  EXPECT_TRUE(w.analysis.isVisible());

  // A window the user had closed stays closed.
  w.analysis.close();
  w.Trigger(w.form.mnuFileHide);
  w.Trigger(w.form.mnuTrayPopupItem(0));
  EXPECT_FALSE(w.analysis.isVisible());
}

TEST(AnalysisWindow, FollowsKeepOnTopAndTheBracketAroundModalWindows) {
  WindowWithAnalysis w;
  w.analysis.Open();
  const QPoint at = w.analysis.pos();
  w.Trigger(w.form.mnuFileOnTop);
  EXPECT_TRUE(OnTop(w.analysis));
  EXPECT_TRUE(w.analysis.isVisible());
  EXPECT_EQ(w.analysis.pos(), at);
  bool onTopWhileAbout = true;
  w.shell.whileAboutIsOpen = [&] { onTopWhileAbout = OnTop(w.analysis); };
  w.Trigger(w.form.mnuHelpAbout);
  EXPECT_FALSE(onTopWhileAbout) << "lowered with the main window under the modal one";
  EXPECT_TRUE(OnTop(w.analysis)) << "lifted again with it";
  w.Trigger(w.form.mnuFileOnTop);
  EXPECT_FALSE(OnTop(w.analysis));
  EXPECT_TRUE(w.analysis.isVisible());
}

TEST(StateSignals, CarryTheListenersCallsAsSignals) {
  ShownWindow w;
  platform::StateSignals relay(w.form);
  QSignalSpy shown(&relay, &platform::StateSignals::stateShown);
  QSignalSpy cleared(&relay, &platform::StateSignals::stateCleared);
  QSignalSpy display(&relay, &platform::StateSignals::displayChanged);
  w.Click(w.Button(w.form.cmdCompute));
  w.Click(w.Button(w.form.optUnits(1)));
  w.Click(w.Button(w.form.cmdClear));
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(display.count(), 1);
  EXPECT_EQ(cleared.count(), 1);
  ASSERT_EQ(shown.count(), 1);
  EXPECT_EQ(shown[0][0].value<steam::SteamState>().pair, steam::InputPair::TemperaturePressure);
}

}  // namespace
