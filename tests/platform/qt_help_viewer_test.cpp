// The help beside the program opens in a help window of ours, finds topics
// by words, and says so when it cannot be opened.
#include "shell/help_viewer.h"
#include "platform/help_window.h"
#include "platform/program_directory.h"
#include "platform/qt_help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QScrollBar>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using platform::HelpWindow;
using platform::QtHelpViewer;

namespace {

// The main window as far as the help is concerned.
struct OwnedHelp {
  OwnedHelp() : help(platform::ProgramDirectory()) {
    help.windowOf = [this](const void* owner) { return owner == &model ? &mainWindow : nullptr; };
    mainWindow.show();
    help.InitHelp(&model);
  }
  ~OwnedHelp() { help.QuitHelp(); }

  int model = 0;  // stands for the frmMain the view shows
  QWidget mainWindow;
  QtHelpViewer help;
};

QString PlainText(HelpWindow& window) {
  return window.Browser()->document()->toPlainText().simplified();
}

}  // namespace

TEST(HelpViewer, OpensTheContentsBesideTheProgramInANonModalWindowOfTheMainWindow) {
  OwnedHelp owned;
  EXPECT_EQ(owned.help.HelpFilePath(), platform::ProgramDirectory() + "/Hydrelix.HLP");
  ASSERT_TRUE(owned.help.ShowHelpContents());
  HelpWindow* window = owned.help.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_EQ(window->parentWidget(), &owned.mainWindow);
  ASSERT_NE(window->windowHandle(), nullptr);
  EXPECT_EQ(window->windowHandle()->transientParent(), owned.mainWindow.windowHandle());
  EXPECT_EQ(window->Browser()->textCursor().position(), 0);
  EXPECT_TRUE(PlainText(*window).startsWith("Hydrelix Help"));
  // A second F1 brings the same window forward.
  ASSERT_TRUE(owned.help.ShowHelpContents());
  EXPECT_EQ(owned.help.Window(), window);
}

TEST(HelpViewer, SearchFindsTopicsByWordsAndOpensOne) {
  OwnedHelp owned;
  ASSERT_TRUE(owned.help.ShowHelpFinder());
  HelpWindow* window = owned.help.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());

  window->SearchWords()->setText("compress liquid IFC-67 enthalpy");
  ASSERT_GT(window->TopicsFound()->count(), 0);
  bool foundPairs = false;
  for (int row = 0; row < window->TopicsFound()->count(); ++row) {
    foundPairs |= window->TopicsFound()->item(row)->text() == "The seven input pairs";
  }
  EXPECT_TRUE(foundPairs);

  // A topic named by the words comes first, and opening it shows its heading.
  window->SearchWords()->setText("heat capacities liquid");
  ASSERT_GT(window->TopicsFound()->count(), 1);
  EXPECT_EQ(window->TopicsFound()->item(0)->text(), "Heat capacities of liquid water");
  ASSERT_TRUE(window->OpenFound(0));
  EXPECT_EQ(window->Browser()->textCursor().block().text(), "Heat capacities of liquid water");

  window->SearchWords()->setText("zzyzx");
  EXPECT_EQ(window->TopicsFound()->count(), 0);
  EXPECT_FALSE(window->OpenFound(0));
}

TEST(HelpViewer, TypedWordsAndEnterOpenTheFirstTopicFound) {
  OwnedHelp owned;
  ASSERT_TRUE(owned.help.ShowHelpFinder());
  HelpWindow* window = owned.help.Window();
  ASSERT_NE(window, nullptr);
  QTest::keyClicks(window->SearchWords(), "superheated T&P");
  ASSERT_GT(window->TopicsFound()->count(), 0);
  QTest::keyClick(window->SearchWords(), Qt::Key_Return);
  EXPECT_TRUE(window->Browser()->textCursor().block().text().startsWith("Superheated steam."))
      << window->Browser()->textCursor().block().text().toStdString();
}

TEST(HelpViewer, QuitHelpClosesTheWindow) {
  OwnedHelp owned;
  ASSERT_TRUE(owned.help.ShowHelpContents());
  owned.help.QuitHelp();
  EXPECT_EQ(owned.help.Window(), nullptr);
  // And it opens again afterwards.
  EXPECT_TRUE(owned.help.ShowHelpFinder());
}

TEST(HelpViewer, AHelpWindowOfTheSplashWindowGoesWhenTheMainWindowTakesOver) {
  OwnedHelp owned;
  int splashModel = 0;
  QWidget splash;
  owned.help.windowOf = [&](const void* owner) -> QWidget* {
    if (owner == &splashModel) return &splash;
    return owner == &owned.model ? &owned.mainWindow : nullptr;
  };
  owned.help.InitHelp(&splashModel);
  ASSERT_TRUE(owned.help.ShowHelpContents());
  EXPECT_EQ(owned.help.Window()->parentWidget(), &splash);
  owned.help.InitHelp(&owned.model);
  EXPECT_EQ(owned.help.Window(), nullptr);
  ASSERT_TRUE(owned.help.ShowHelpContents());
  EXPECT_EQ(owned.help.Window()->parentWidget(), &owned.mainWindow);
}

TEST(HelpViewer, AMissingUnreadableOrForeignHelpFileCannotBeOpened) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QtHelpViewer help(folder.path().toStdString());
  EXPECT_FALSE(help.ShowHelpContents());  // before InitHelp: no path at all
  help.InitHelp(nullptr);
  EXPECT_FALSE(help.ShowHelpContents());
  EXPECT_FALSE(help.ShowHelpFinder());
  EXPECT_EQ(help.Window(), nullptr);

  const QString path = folder.path() + "/Hydrelix.HLP";
  ASSERT_TRUE(QDir().mkdir(path));  // a folder where the file should be
  EXPECT_FALSE(help.ShowHelpContents());
  ASSERT_TRUE(QDir().rmdir(path));

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a help file at all\n");
  file.close();
  EXPECT_FALSE(help.ShowHelpContents());
  EXPECT_EQ(help.Window(), nullptr);
}

TEST(HelpViewer, TakesTheFolderWithOrWithoutItsClosingSlash) {
  QtHelpViewer plain("/opt/hydrelix");
  plain.InitHelp(nullptr);
  EXPECT_EQ(plain.HelpFilePath(), "/opt/hydrelix/Hydrelix.HLP");
  QtHelpViewer slashed("/opt/hydrelix/ ");
  slashed.InitHelp(nullptr);
  EXPECT_EQ(slashed.HelpFilePath(), "/opt/hydrelix/ Hydrelix.HLP");
}

// The help's own promises: every message the program can show is explained,
// and every link inside the help leads somewhere.
class HelpDocument : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owned_.help.ShowHelpContents());
    window_ = owned_.help.Window();
  }
  OwnedHelp owned_;
  HelpWindow* window_ = nullptr;
};

TEST_F(HelpDocument, ExplainsEveryMessageOfTheProgram) {
  const QString text = PlainText(*window_);
  for (const char* message : {
           "Not enough input data is specified.  At a minimum, a \r"
           "temperature and pressure input is needed.",
           "Steam quality must be a number between 0 and 1.",
           "Superheated steam.  Use T & P inputs to determine \rsteam properties.",
           "Compressed liquid.  Use T & P inputs to determine properties.",
           "Temperature must be lower than 3632 F (2000 C).",
           "Temperature be greater than 32 F (0 C).",
           "Temperature must be lower than 1472 F (800 C).",
           "Temperature must be greater than 32.02 F (0.01 C).",
           "Pressure must be lower than 14503.82 psia (100,000.32 kPa).",
           "Pressure must be greater than 0 psia (0 kPa).",
           "Conditions are outside the range of the formulation.",
           "Error Initializing Module:  Steam97, Temperature",
           "The calculation needs it: put the file back there or reinstall Hydrelix.",
           "The help file Hydrelix.HLP could not be opened.",
           "Unable to display Help Contents. There is no Help associated with this project.",
           "A previous instance of Hydrelix is currently running.",
           "The file DISCLAIMER.TXT could not be located.\nPlease re-install Hydrelix.",
           "System Information Is Unavailable At This Time",
       }) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(message).simplified())) << message;
  }
}

TEST_F(HelpDocument, EveryLinkLeadsToATopic) {
  QSet<QString> anchors;
  for (const platform::HelpTopic& topic : window_->Topics()) {
    EXPECT_FALSE(topic.anchor.isEmpty()) << topic.title.toStdString();
    anchors.insert(topic.anchor);
  }
  int links = 0;
  const QTextDocument& document = *window_->Browser()->document();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QString href = it.fragment().charFormat().anchorHref();
      if (href.isEmpty()) continue;
      ++links;
      EXPECT_TRUE(href.startsWith('#') && anchors.contains(href.mid(1))) << href.toStdString();
    }
  }
  EXPECT_GT(links, 10);
}

// The help opens beside the main window where the screen allows.
TEST(HelpPlacement, BesideTheOwnerWhereTheScreenAllows) {
  const QRect screen(0, 0, 1600, 1000);
  struct Case {
    QRect owner;
    QSize size;
    QRect expected;
  };
  const Case cases[] = {
      // Room on the right.
      {{100, 100, 400, 500}, {900, 600}, {500, 100, 900, 600}},
      // Not on the right, but on the left.
      {{1000, 50, 400, 500}, {900, 600}, {100, 50, 900, 600}},
      // Centred: narrowed to the larger side's room.
      {{600, 200, 400, 500}, {900, 600}, {1000, 200, 600, 600}},
      // Too little room either side: against the edge with more room.
      {{500, 200, 700, 500}, {900, 600}, {0, 200, 900, 600}},
      // Low on the screen: moved up to show whole.
      {{100, 700, 400, 280}, {900, 600}, {500, 400, 900, 600}},
      // Larger than the screen: no larger than the screen, beside the owner.
      {{100, 100, 400, 500}, {2000, 1200}, {500, 0, 1100, 1000}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::PlacedBeside(c.owner, c.size, 550, screen), c.expected)
        << c.owner.x() << "," << c.owner.y();
  }
}

// The list of topics fits the longest title: none is cut and no scroll bar
// runs across it. Over a main window kept on top, the help stays above it.
TEST(HelpViewer, TopicListFitsTheLongestTitleAndStaysAboveATopmostOwner) {
  OwnedHelp owned;
  owned.mainWindow.setWindowFlag(Qt::WindowStaysOnTopHint);
  owned.mainWindow.show();
  ASSERT_TRUE(owned.help.ShowHelpFinder());
  HelpWindow* window = owned.help.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window->windowHandle()->transientParent(), owned.mainWindow.windowHandle());
  window->Search("a");
  ASSERT_GT(window->TopicsFound()->count(), 10);
  QListWidget& list = *window->TopicsFound();
  int widest = 0;
  for (const platform::HelpTopic& topic : window->Topics()) {
    widest = std::max(widest, list.fontMetrics().horizontalAdvance(topic.title));
  }
  QApplication::processEvents();
  for (int row = 0; row < list.count(); ++row) {
    EXPECT_LE(list.fontMetrics().horizontalAdvance(list.item(row)->text()),
              list.viewport()->width());
  }
  EXPECT_GE(list.viewport()->width(), widest);
  EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}
