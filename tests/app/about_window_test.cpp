// The About window: its texts after loading, OK by Enter and Esc, and the
// System Info lookup against the places a tool may be found.
#include "app/frm_about.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct FakeSystemInfoTool final : app::SystemInfoTool {
  std::optional<std::string> FullPath() const override { return fullPath; }
  std::optional<std::string> Folder() const override { return folder; }
  std::string FileName() const override { return "/sysinfo"; }
  bool FileExists(const std::string& path) const override { return files.count(path) > 0; }
  bool Start(const std::string& path) override {
    started.push_back(path);
    return startSucceeds;
  }

  std::optional<std::string> fullPath;
  std::optional<std::string> folder;
  std::set<std::string> files;
  bool startSucceeds = true;
  std::vector<std::string> started;
};

struct RecordingAboutView final : app::AboutView {
  void CenterMouseCursorOnOK() override { events.push_back("pointer on OK"); }
  void ShowMessage(const shell::MessageBoxRequest& request) override {
    messages.push_back(request);
  }
  void Close() override { events.push_back("closed"); }

  std::vector<std::string> events;
  std::vector<shell::MessageBoxRequest> messages;
};

struct OpenAbout {
  OpenAbout() {
    window.Form_Load();
    window.Form_Activate();
  }
  FakeSystemInfoTool tool;
  RecordingAboutView view;
  app::frmAbout window{tool, view};
};

TEST(AboutWindow, LoadReplacesEveryPlaceholder) {
  OpenAbout open;
  EXPECT_EQ(open.window.CompanyNameText, "Hydrelix Engineering Software");
  EXPECT_EQ(open.window.TitleText, "Hydrelix");
  EXPECT_EQ(open.window.VersionText, "Version 1.1.3");
  EXPECT_EQ(open.window.DescriptionText,
            "Hydrelix is a steam and water property calculator for engineering and technical "
            "professionals.");
  EXPECT_EQ(open.window.DisclaimerText, "");
  EXPECT_EQ(open.view.events, std::vector<std::string>{"pointer on OK"});
}

TEST(AboutWindow, EnterEscOkAndTheCloseBoxCloseIt) {
  for (int way = 0; way < 4; ++way) {
    OpenAbout open;
    if (way == 0) open.window.UserPressKey(app::DialogKey::Enter);
    if (way == 1) open.window.UserPressKey(app::DialogKey::Escape);
    if (way == 2) open.window.cmdOK_Click();
    if (way == 3) open.window.UserClose();
    EXPECT_EQ(open.view.events.back(), "closed") << way;
  }
}

struct LookupCase {
  const char* story;
  std::optional<std::string> fullPath;
  std::optional<std::string> folder;
  std::set<std::string> files;
  bool startSucceeds;
  std::optional<std::string> started;  // what was started, if anything
  bool message;
};

TEST(AboutWindow, SystemInfoStartsTheToolFoundOrSaysItIsUnavailable) {
  const std::vector<LookupCase> cases{
      {"full path known", "/usr/bin/infotool", std::nullopt, {}, true, "/usr/bin/infotool", false},
      {"full path wins over the folder", "/opt/a", "/usr/bin", {"/usr/bin/sysinfo"}, true, "/opt/a",
       false},
      {"only the folder, tool in it", std::nullopt, "/usr/bin", {"/usr/bin/sysinfo"}, true,
       "/usr/bin/sysinfo", false},
      {"only the folder, no tool in it", std::nullopt, "/usr/bin", {}, true, std::nullopt, true},
      {"nothing known", std::nullopt, std::nullopt, {"/usr/bin/sysinfo"}, true, std::nullopt, true},
      {"tool found but does not start", "/usr/bin/infotool", std::nullopt, {}, false,
       "/usr/bin/infotool", true},
  };
  for (const LookupCase& c : cases) {
    OpenAbout open;
    open.tool.fullPath = c.fullPath;
    open.tool.folder = c.folder;
    open.tool.files = c.files;
    open.tool.startSucceeds = c.startSucceeds;
    open.window.cmdSysInfo_Click();
    EXPECT_EQ(open.tool.started.empty() ? std::nullopt : std::optional(open.tool.started[0]),
              c.started)
        << c.story;
    ASSERT_EQ(open.view.messages.size(), c.message ? 1u : 0u) << c.story;
    if (c.message) {
      EXPECT_EQ(open.view.messages[0],
                (shell::MessageBoxRequest{"System Information Is Unavailable At This Time",
                                               "Hydrelix", shell::MessageIcon::None}))
          << c.story;
    }
    // The About window stays open.
    EXPECT_NE(open.view.events.back(), "closed") << c.story;
  }
}

}  // namespace
