// The acceptance and text windows as the user meets them: the tick box
// against the saved flag, Agree, Disagree, Esc, the close box of the window
// manager, and a disclaimer file that cannot be read.
#include "app/frm_disclaimer.h"
#include "app/frm_read_disclaimer.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using shell::InMemorySettingsStore;
using shell::ProgramSwitches;

struct RecordingAcceptanceView final : app::ReadDisclaimerView {
  void ShowDontShowTicked(bool ticked) override { ticks.push_back(ticked); }
  void CenterMouseCursorOnAgree() override { events.push_back("pointer on Agree"); }
  void ShowTextWindow() override {
    events.push_back("text window");
    if (whileTextWindowOpen) whileTextWindowOpen();
  }
  void Close() override { events.push_back("closed"); }
  void EndProgram() override { events.push_back("program ended"); }

  std::vector<bool> ticks;
  std::vector<std::string> events;
  std::function<void()> whileTextWindowOpen;
};

// The acceptance window opened as the desktop opens it: loaded, then
// activated.
struct OpenAcceptanceWindow {
  explicit OpenAcceptanceWindow(bool disclaimerShow) {
    switches.DisclaimerShow = disclaimerShow;
    window.Form_Load();
    window.Form_Activate();
  }
  std::optional<std::string> Saved() const {
    const auto found = settings.entries.find({"Settings", "Disclaimer Show"});
    if (found == settings.entries.end()) return std::nullopt;
    return found->second;
  }

  ProgramSwitches switches;
  InMemorySettingsStore settings;
  RecordingAcceptanceView view;
  app::frmReadDisclaimer window{switches, settings, view};
};

TEST(AcceptanceWindow, FirstStartTickAndAgreeSavesFalse) {
  OpenAcceptanceWindow open(true);
  EXPECT_FALSE(open.window.DontShowTicked());
  open.window.UserToggleDontShow();
  open.window.cmdAgree_Click();
  EXPECT_EQ(open.Saved(), "False");
  EXPECT_FALSE(open.switches.DisclaimerShow);
  EXPECT_EQ(open.view.events.back(), "closed");
}

TEST(AcceptanceWindow, FromTheMenuWithTheFlagOffShowsTickedAndUntickingSavesTrue) {
  OpenAcceptanceWindow open(false);
  // The first activation ticks the box without toggling the flag.
  EXPECT_TRUE(open.window.DontShowTicked());
  EXPECT_FALSE(open.switches.DisclaimerShow);
  open.window.UserToggleDontShow();
  open.window.cmdAgree_Click();
  EXPECT_EQ(open.Saved(), "True");
}

TEST(AcceptanceWindow, EvenNumberOfTogglesKeepsTheFlag) {
  for (bool disclaimerShow : {true, false}) {
    for (int toggles : {2, 4}) {
      OpenAcceptanceWindow open(disclaimerShow);
      for (int i = 0; i < toggles; ++i) open.window.UserToggleDontShow();
      open.window.cmdAgree_Click();
      EXPECT_EQ(open.Saved(), disclaimerShow ? "True" : "False")
          << "flag " << disclaimerShow << ", " << toggles << " toggles";
    }
  }
}

TEST(AcceptanceWindow, DisagreeEscAndWindowManagerCloseEndTheProgramSavingNothing) {
  const std::vector<std::pair<const char*, std::function<void(app::frmReadDisclaimer&)>>> ways{
      {"Disagree", [](app::frmReadDisclaimer& w) { w.cmdDisagree_Click(); }},
      {"Esc", [](app::frmReadDisclaimer& w) { w.UserPressKey(app::DialogKey::Escape); }},
      {"Alt+F4", [](app::frmReadDisclaimer& w) { w.UserClose(); }},
  };
  for (const auto& [name, leave] : ways) {
    OpenAcceptanceWindow open(true);
    open.window.UserToggleDontShow();
    leave(open.window);
    EXPECT_EQ(open.view.events.back(), "program ended") << name;
    EXPECT_TRUE(open.settings.entries.empty()) << name;
  }
}

TEST(AcceptanceWindow, BackFromTheTextWindowKeepsTheTickAndPutsThePointerOnAgree) {
  OpenAcceptanceWindow open(true);
  open.window.UserToggleDontShow();
  // The desktop activates the acceptance window again once the text window
  // has closed.
  open.view.whileTextWindowOpen = [&open] { open.window.Form_Activate(); };
  open.window.cmdRead_Click();
  EXPECT_TRUE(open.window.DontShowTicked());
  EXPECT_FALSE(open.switches.DisclaimerShow);
  EXPECT_EQ(open.view.events,
            (std::vector<std::string>{"pointer on Agree", "text window", "pointer on Agree"}));
}

struct RecordingTextView final : app::DisclaimerTextView {
  void Beep() override { events.push_back("beep"); }
  void ShowText(const std::string& bytes) override {
    events.push_back("text");
    text = bytes;
  }
  void CenterMouseCursorOnOK() override { events.push_back("pointer on OK"); }
  void ShowMessage(const shell::MessageBoxRequest& request) override {
    messages.push_back(request);
  }
  void Close() override { events.push_back("closed"); }
  void EndProgram() override { events.push_back("program ended"); }

  std::vector<std::string> events;
  std::vector<shell::MessageBoxRequest> messages;
  std::optional<std::string> text;
};

TEST(TextWindow, ShowsTheBytesAsTheyAreAndClosesByOkEnterOrTheWindowManager) {
  const std::string bytes = "Line one\r\nLigne deux: \xE9t\xE9\n\n";
  const std::vector<std::function<void(app::frmDisclaimer&)>> ways{
      [](app::frmDisclaimer& w) { w.cmdOK_Click(); },
      [](app::frmDisclaimer& w) { w.UserPressKey(app::DialogKey::Enter); },
      [](app::frmDisclaimer& w) { w.UserClose(); },
  };
  for (const auto& leave : ways) {
    RecordingTextView view;
    app::frmDisclaimer window([&bytes] { return bytes; }, view);
    ASSERT_TRUE(window.Form_Load());
    window.Form_Activate();
    window.UserPressKey(app::DialogKey::Escape);  // no cancel button: nothing happens
    leave(window);
    EXPECT_EQ(view.text, bytes);
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"beep", "text", "pointer on OK", "closed"}));
  }
}

TEST(TextWindow, EmptyFileShowsAnEmptyWindowWithoutMessage) {
  RecordingTextView view;
  app::frmDisclaimer window([] { return std::string(); }, view);
  EXPECT_TRUE(window.Form_Load());
  EXPECT_EQ(view.text, "");
  EXPECT_TRUE(view.messages.empty());
}

TEST(TextWindow, UnreadableFileShowsTheMessageThenEndsTheProgram) {
  RecordingTextView view;
  app::frmDisclaimer window([] { return std::nullopt; }, view);
  EXPECT_FALSE(window.Form_Load());
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text,
            "The file DISCLAIMER.TXT could not be located.\nPlease re-install Hydrelix.");
  EXPECT_EQ(view.messages[0].title, "Error:  Hydrelix");
  EXPECT_EQ(view.messages[0].icon, shell::MessageIcon::Critical);
  EXPECT_EQ(view.events, (std::vector<std::string>{"beep", "program ended"}));
}

}  // namespace
