// Start-up in the order the user sees it, with a clock that only moves when
// told: splash, the main window loaded behind it, the wait, the main window,
// the beep and the disclaimer; and a second start that only raises the first.
#include "app/bas_main.h"
#include "platform/shared_property_libraries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using mainwindow::ShellWindow;
using mainwindow::WindowProperty;

struct Event {
  std::string what;
  std::int64_t at;
};

struct Log {
  void Add(const std::string& what) { events.push_back({what, now}); }
  const Event* Find(const std::string& what) const {
    const auto found = std::find_if(events.begin(), events.end(),
                                    [&what](const Event& e) { return e.what == what; });
    return found == events.end() ? nullptr : &*found;
  }
  // Position in the log; the end when absent, so order checks fail loudly.
  size_t Position(const std::string& what) const {
    const Event* event = Find(what);
    return event == nullptr ? events.size() : static_cast<size_t>(event - events.data());
  }
  std::vector<std::string> Whats() const {
    std::vector<std::string> whats;
    for (const Event& e : events) whats.push_back(e.what);
    return whats;
  }

  std::int64_t now = 1000;
  std::vector<Event> events;
};

struct FakeClock final : app::StartupClock {
  explicit FakeClock(Log& log) : log(log) {}
  std::int64_t NowMilliseconds() const override { return log.now; }
  void Wait(int milliseconds) override {
    log.Add("wait " + std::to_string(milliseconds));
    log.now += milliseconds;
    if (whileWaiting) whileWaiting();
  }
  Log& log;
  std::function<void()> whileWaiting;
};

struct FakeDesktop final : app::StartupDesktop {
  explicit FakeDesktop(Log& log) : log(log) {}
  bool PreviousInstanceRunning() override { return previousRunning; }
  bool RaisePreviousInstance() override {
    log.Add("raise previous");
    return previousReachable;
  }
  void ShowMessage(const shell::MessageBoxRequest& request) override {
    log.Add("message");
    messages.push_back(request);
  }
  void EndProgram() override { log.Add("end"); }
  void SetBusyPointer(bool busy) override { log.Add(busy ? "busy pointer" : "normal pointer"); }
  const void* ShowSplash() override {
    log.Add("splash shown");
    return this;
  }
  void UnloadSplash() override { log.Add("splash unloaded"); }
  void MainWindowShown() override { log.Add("requests served"); }
  void Beep() override { log.Add("beep"); }
  bool EndRequested() const override { return endRequested; }

  Log& log;
  bool previousRunning = false;
  bool previousReachable = true;
  bool endRequested = false;
  std::vector<shell::MessageBoxRequest> messages;
};

// The main window's view: the load shows as the first control change and
// ends with the caption; a slow load takes `loadMilliseconds`.
struct LoggingView final : mainwindow::NoView {
  explicit LoggingView(Log& log) : log(log) {}
  void ControlChanged(const mainwindow::Control&, mainwindow::ControlProperty) override {
    if (loading) return;
    loading = true;
    log.Add("load begins");
    log.now += loadMilliseconds;
  }
  void WindowChanged(WindowProperty property) override {
    if (property == WindowProperty::Caption) log.Add("load ends");
    if (property == WindowProperty::Visible) log.Add(form->Visible() ? "main shown" : "main hidden");
    if (property == WindowProperty::Topmost) log.Add(form->Topmost() ? "topmost" : "not topmost");
  }
  void ShowModalWindow(ShellWindow window) override {
    log.Add(window == ShellWindow::Disclaimer ? "disclaimer" : "about");
  }

  Log& log;
  const mainwindow::frmMain* form = nullptr;
  int loadMilliseconds = 40;
  bool loading = false;
};

struct HelpLog final : shell::HelpViewer {
  explicit HelpLog(Log& log) : log(log) {}
  void InitHelp(const void* owner) override { log.Add(owner != nullptr ? "help owner" : "help none"); }
  std::string HelpFilePath() const override { return shell::kHelpFileName; }
  void QuitHelp() override { log.Add("help quit"); }
  bool ShowHelpContents() override { return true; }
  bool ShowHelpFinder() override { return true; }
  Log& log;
};

struct Startup {
  Startup() {
    view.form = &form;
    form.AttachView(view);
  }
  bool Run() {
    return app::Main({form, settings, switches, help, desktop, clock});
  }

  Log log;
  FakeClock clock{log};
  FakeDesktop desktop{log};
  LoggingView view{log};
  HelpLog help{log};
  shell::InMemoryClipboard clipboard;
  platform::SharedPropertyLibraries libraries;
  shell::InMemorySettingsStore settings;
  shell::ProgramSwitches switches;
  mainwindow::frmMain form{{clipboard, libraries, settings, help, switches}};
};

TEST(Startup, FirstStartRunsEveryStepInOrder) {
  Startup startup;
  EXPECT_TRUE(startup.Run());
  EXPECT_EQ(startup.log.Whats(),
            // The help's owner is the splash window, then the main window as
            // its load begins.
            (std::vector<std::string>{"busy pointer", "splash shown", "help owner", "help owner",
                                      "load begins", "load ends", "wait 3250", "help quit", "splash unloaded",
                                      "main shown", "requests served", "beep", "disclaimer",
                                      "normal pointer"}));
}

TEST(Startup, SplashStaysAtLeastItsTimeAfterTheLoadAlsoWhenTheLoadIsSlow) {
  for (int loadMilliseconds : {0, 40, 3250, 9000}) {
    Startup startup;
    startup.view.loadMilliseconds = loadMilliseconds;
    startup.Run();
    const Event* shown = startup.log.Find("splash shown");
    const Event* loadBegins = startup.log.Find("load begins");
    const Event* loadEnds = startup.log.Find("load ends");
    const Event* unloaded = startup.log.Find("splash unloaded");
    ASSERT_TRUE(shown && loadBegins && loadEnds && unloaded) << loadMilliseconds;
    EXPECT_LE(startup.log.Position("splash shown"), startup.log.Position("load begins"));
    EXPECT_GE(unloaded->at - loadEnds->at, 3250) << "load of " << loadMilliseconds << " ms";
    EXPECT_GE(unloaded->at - shown->at, 3250 + loadMilliseconds);
  }
}

TEST(Startup, DisclaimerOnlyWhenTheSettingSaysSoButTheBeepAlways) {
  struct Case {
    const char* saved;  // nullptr: never saved
    bool disclaimer;
  };
  for (const Case& c : {Case{nullptr, true}, Case{"True", true}, Case{"False", false},
                        Case{"garbage", true}}) {
    Startup startup;
    if (c.saved != nullptr) startup.settings.Write("Settings", "Disclaimer Show", c.saved);
    startup.Run();
    const std::string story = c.saved != nullptr ? c.saved : "(absent)";
    EXPECT_EQ(startup.log.Find("disclaimer") != nullptr, c.disclaimer) << story;
    EXPECT_EQ(startup.switches.DisclaimerShow, c.disclaimer) << story;
    EXPECT_LT(startup.log.Position("main shown"), startup.log.Position("beep")) << story;
    EXPECT_LT(startup.log.Position("beep"), startup.log.Position("normal pointer")) << story;
  }
}

TEST(Startup, KeepOnTopStepsBackWhileTheDisclaimerIsOpen) {
  Startup startup;
  startup.settings.Write("Settings", "KeepOnTop", "True");
  startup.Run();
  EXPECT_TRUE(startup.switches.KeepOnTop);
  const size_t disclaimer = startup.log.Position("disclaimer");
  ASSERT_LT(disclaimer, startup.log.events.size());
  EXPECT_EQ(startup.log.events[disclaimer - 1].what, "not topmost");
  EXPECT_EQ(startup.log.events[disclaimer + 1].what, "topmost");
  EXPECT_TRUE(startup.form.Topmost());
}

TEST(Startup, WithoutKeepOnTopTheDisclaimerOpensWithoutTouchingTopmost) {
  Startup startup;
  startup.Run();
  EXPECT_EQ(startup.log.Find("not topmost"), nullptr);
  EXPECT_EQ(startup.log.Find("topmost"), nullptr);
}

TEST(Startup, ToldToEndUnderTheSplashItNeverShowsTheMainWindow) {
  Startup startup;
  startup.clock.whileWaiting = [&startup] {
    startup.form.UserEndSession();
    startup.desktop.endRequested = true;
  };
  EXPECT_FALSE(startup.Run());
  EXPECT_EQ(startup.log.Find("main shown"), nullptr);
  EXPECT_EQ(startup.log.Find("disclaimer"), nullptr);
  EXPECT_EQ(startup.log.Find("beep"), nullptr);
  EXPECT_NE(startup.log.Find("splash unloaded"), nullptr);
  EXPECT_EQ(startup.log.events.back().what, "normal pointer");
}

TEST(Startup, SecondStartRaisesTheFirstAndEndsWithoutAnyWindow) {
  for (bool reachable : {true, false}) {
    Startup startup;
    startup.desktop.previousRunning = true;
    startup.desktop.previousReachable = reachable;
    EXPECT_FALSE(startup.Run());
    EXPECT_EQ(startup.log.Whats(),
              reachable ? (std::vector<std::string>{"raise previous", "end"})
                        : (std::vector<std::string>{"raise previous", "message", "end"}));
    EXPECT_FALSE(startup.form.Visible());
    if (!reachable) {
      ASSERT_EQ(startup.desktop.messages.size(), 1u);
      EXPECT_EQ(startup.desktop.messages[0],
                (shell::MessageBoxRequest{"A previous instance of Hydrelix is currently running.",
                                               "Hydrelix", shell::MessageIcon::Exclamation}));
    }
  }
}

}  // namespace
