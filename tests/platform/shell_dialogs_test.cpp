// The disclaimer and About windows on the desktop, driven by real key and
// mouse events inside their modal loops, and a picture of each.
#include "app/frm_about.h"
#include "platform/about_dialog.h"
#include "platform/disclaimer_text_dialog.h"
#include "platform/read_disclaimer_dialog.h"
#include "platform/splash_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

struct RecordingPointer final : platform::MousePointer {
  bool CanMove() const override { return true; }
  void MoveTo(QPoint position) override { moves.push_back(position); }
  std::vector<QPoint> moves;
};

// What the windows called out to, instead of ending the test program.
struct Outside {
  platform::DialogServices Services() {
    return {pointer,
            [this](QWidget*, const shell::MessageBoxRequest& request) {
              messages.push_back(request);
            },
            [this] { ++programEnds; }, [this] { ++beeps; }};
  }
  RecordingPointer pointer;
  std::vector<shell::MessageBoxRequest> messages;
  int programEnds = 0;
  int beeps = 0;
};

QPoint CentreOnScreen(const QWidget& widget) {
  return platform::CentreOf(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()));
}

// Runs `act` inside the next modal window's loop, once it is active.
void WhenModalOpens(std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      ADD_FAILURE() << "no modal window opened";
      return;
    }
    EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
    QApplication::processEvents();
    act(*modal);
  });
}

void Save(QWidget& window, const char* name) {
  const QString path = QString(HYDRELIX_SCREENSHOT_DIR) + "/" + name + ".png";
  EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

struct Acceptance {
  explicit Acceptance(bool disclaimerShow,
                      app::DisclaimerSource source = [] { return std::string("Read me.\r\n"); }) {
    switches.DisclaimerShow = disclaimerShow;
    window.emplace(nullptr, switches, settings, std::move(source), outside.Services());
  }
  std::optional<std::string> Saved() const {
    const auto found = settings.entries.find({"Settings", "Disclaimer Show"});
    if (found == settings.entries.end()) return std::nullopt;
    return found->second;
  }
  void Run(std::function<void(platform::ReadDisclaimerDialog&)> act) {
    platform::ReadDisclaimerDialog& dialog = *window;
    WhenModalOpens([&dialog, act](QWidget&) { act(dialog); });
    dialog.RunModal();
  }

  shell::ProgramSwitches switches;
  shell::InMemorySettingsStore settings;
  Outside outside;
  std::optional<platform::ReadDisclaimerDialog> window;
};

TEST(AcceptanceWindowOnScreen, DrawnAsDesigned) {
  Acceptance acceptance(true);
  acceptance.Run([](platform::ReadDisclaimerDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Hydrelix:  READ THE DISCLAIMER");
    EXPECT_EQ(d.size(), QSize(312, 239));
    EXPECT_EQ(d.Read().geometry(), QRect(42, 66, 223, 31));
    EXPECT_EQ(d.Frame().geometry(), QRect(18, 114, 265, 73));
    EXPECT_EQ(d.Agree().geometry(), QRect(144, 30, 97, 25));
    EXPECT_EQ(d.Title().text(), " Hydrelix  ");
    EXPECT_EQ(d.DontShow().text(), "D&on't display at start-up");
    EXPECT_TRUE(d.Read().hasFocus());
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    Save(d, "acceptance_window");
    QTest::mouseClick(&d.Agree(), Qt::LeftButton);
  });
}

TEST(AcceptanceWindowOnScreen, TickThenAgreeSavesFalseWithThePointerOnAgree) {
  Acceptance acceptance(true);
  acceptance.Run([](platform::ReadDisclaimerDialog& d) {
    EXPECT_FALSE(d.DontShow().isChecked());
    QTest::mouseClick(&d.DontShow(), Qt::LeftButton);
    EXPECT_TRUE(d.DontShow().isChecked());
    QTest::mouseClick(&d.Agree(), Qt::LeftButton);
  });
  EXPECT_EQ(acceptance.Saved(), "False");
  ASSERT_FALSE(acceptance.outside.pointer.moves.empty());
  EXPECT_EQ(acceptance.outside.pointer.moves[0], CentreOnScreen(acceptance.window->Agree()));
  EXPECT_EQ(acceptance.outside.programEnds, 0);
}

TEST(AcceptanceWindowOnScreen, FlagOffShowsTickedAndSpaceUntickingSavesTrue) {
  Acceptance acceptance(false);
  acceptance.Run([](platform::ReadDisclaimerDialog& d) {
    EXPECT_TRUE(d.DontShow().isChecked());
    d.DontShow().setFocus();
    QTest::keyClick(&d.DontShow(), Qt::Key_Space);
    EXPECT_FALSE(d.DontShow().isChecked());
    QTest::mouseClick(&d.Agree(), Qt::LeftButton);
  });
  EXPECT_EQ(acceptance.Saved(), "True");
}

TEST(AcceptanceWindowOnScreen, EscDisagreeAndWindowManagerCloseEndTheProgramSavingNothing) {
  const std::vector<std::function<void(platform::ReadDisclaimerDialog&)>> ways{
      [](platform::ReadDisclaimerDialog& d) { QTest::keyClick(&d.Read(), Qt::Key_Escape); },
      [](platform::ReadDisclaimerDialog& d) { QTest::mouseClick(&d.Disagree(), Qt::LeftButton); },
      [](platform::ReadDisclaimerDialog& d) { d.close(); },
  };
  for (size_t way = 0; way < ways.size(); ++way) {
    Acceptance acceptance(true);
    acceptance.Run([&ways, way](platform::ReadDisclaimerDialog& d) {
      QTest::mouseClick(&d.DontShow(), Qt::LeftButton);
      ways[way](d);
    });
    EXPECT_EQ(acceptance.outside.programEnds, 1) << way;
    EXPECT_TRUE(acceptance.settings.entries.empty()) << way;
  }
}

TEST(AcceptanceWindowOnScreen, EnterOnAgreePressesIt) {
  Acceptance acceptance(true);
  acceptance.Run([](platform::ReadDisclaimerDialog& d) {
    d.Agree().setFocus();
    QTest::keyClick(&d.Agree(), Qt::Key_Return);
  });
  EXPECT_EQ(acceptance.Saved(), "True");
}

TEST(TextWindowOnScreen, ShowsLatin1BytesAndEnterClosesBackToTheAcceptanceWindow) {
  Acceptance acceptance(true, [] { return std::string("Premi\xE8re ligne\r\nsecond\n"); });
  QString shown;
  acceptance.Run([&shown, &acceptance](platform::ReadDisclaimerDialog& d) {
    QTest::mouseClick(&d.DontShow(), Qt::LeftButton);
    WhenModalOpens([&shown, &acceptance](QWidget& modal) {
      auto& text = static_cast<platform::DisclaimerTextDialog&>(modal);
      EXPECT_EQ(text.windowTitle(), "Hydrelix:  D I S C L A I M E R");
      EXPECT_EQ(text.size(), QSize(450, 332));
      EXPECT_TRUE(text.Text().isReadOnly());
      shown = text.Text().toPlainText();
      EXPECT_EQ(acceptance.outside.pointer.moves.back(), CentreOnScreen(text.OK()));
      // Esc has no meaning here; the window stays.
      QTest::keyClick(&text.Text(), Qt::Key_Escape);
      EXPECT_TRUE(text.isVisible());
      QTest::keyClick(&text.Text(), Qt::Key_Return);
    });
    QTest::mouseClick(&d.Read(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
    QApplication::processEvents();
    EXPECT_TRUE(d.DontShow().isChecked());
    EXPECT_EQ(acceptance.outside.pointer.moves.back(), CentreOnScreen(d.Agree()));
    QTest::mouseClick(&d.Agree(), Qt::LeftButton);
  });
  EXPECT_EQ(shown, QString::fromUtf8("Premi\u00e8re ligne\nsecond\n"));
  EXPECT_EQ(acceptance.outside.beeps, 1);
  EXPECT_EQ(acceptance.Saved(), "False");
}

TEST(TextWindowOnScreen, MissingFileGivesTheMessageAndEndsTheProgram) {
  Acceptance acceptance(true, [] { return std::nullopt; });
  acceptance.Run([&acceptance](platform::ReadDisclaimerDialog& d) {
    QTest::mouseClick(&d.Read(), Qt::LeftButton);
    EXPECT_EQ(acceptance.outside.programEnds, 1);
    // No text window was left open; the test ends what the program would.
    EXPECT_EQ(QApplication::activeModalWidget(), &d);
    d.Finish();
  });
  ASSERT_EQ(acceptance.outside.messages.size(), 1u);
  EXPECT_EQ(acceptance.outside.messages[0].title, "Error:  Hydrelix");
  EXPECT_TRUE(acceptance.settings.entries.empty());
}

struct FakeTool final : app::SystemInfoTool {
  std::optional<std::string> FullPath() const override { return std::nullopt; }
  std::optional<std::string> Folder() const override { return "/nowhere"; }
  std::string FileName() const override { return "/sysinfo"; }
  bool FileExists(const std::string&) const override { return false; }
  bool Start(const std::string&) override { return true; }
};

TEST(AboutWindowOnScreen, TextsPointerAndEnterOrEscClose) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    Outside outside;
    FakeTool tool;
    platform::AboutDialog about(nullptr, tool, outside.Services());
    WhenModalOpens([&about, &outside, key](QWidget&) {
      EXPECT_EQ(about.windowTitle(), "About Hydrelix");
      EXPECT_EQ(about.size(), QSize(391, 242));
      EXPECT_EQ(about.Title().text(), "Hydrelix");
      EXPECT_EQ(about.Version().text(), "Version 1.1.3");
      EXPECT_EQ(about.CompanyName().text(), "Hydrelix Engineering Software");
      EXPECT_EQ(about.Disclaimer().text(), "");
      EXPECT_TRUE(about.OK().hasFocus());
      EXPECT_EQ(outside.pointer.moves.back(), CentreOnScreen(about.OK()));
      QTest::mouseClick(&about.SysInfo(), Qt::LeftButton);
      EXPECT_EQ(outside.messages.size(), 1u);
      EXPECT_TRUE(about.isVisible());
      if (key == Qt::Key_Return) Save(about, "about_window");
      QTest::keyClick(&about.SysInfo(), key);
    });
    about.RunModal();
    EXPECT_FALSE(about.isVisible());
  }
}

TEST(SplashWindowOnScreen, DrawnAsDesignedWithTheIdentityTexts) {
  platform::SplashWindow splash;
  splash.ShowPainted();
  EXPECT_EQ(splash.size(), QSize(501, 312));
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(splash.ProductName().text(), "Hydrelix");
  EXPECT_EQ(splash.Version().text(), "Version 1.1.3");
  EXPECT_EQ(splash.CompanyProduct().text(), "Hydrelix Engineering Software");
  EXPECT_EQ(splash.ProductName().font().pixelSize(), 39);
  EXPECT_TRUE(splash.ProductName().font().bold());
  Save(splash, "splash_window");
}

}  // namespace
