// The Tables and Sweeps window on the offscreen platform: tables computed off
// the window's thread, Cancel, units, Copy and Save as CSV.
#include "shown_window.h"

#include "platform/analysis/tables_window.h"
#include "platform/analysis/tables_window_entry.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace platform {
namespace {

using analysis::TableUnits;

// Lets the window's events run until `done` holds, for at most ten seconds.
template <typename Condition>
bool WaitFor(Condition done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 10000) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

class TablesWindowTest : public ::testing::Test {
 protected:
  TablesWindowTest() { window.Follow(steam::Formulation::IF97, TableUnits::System(true)); }

  void ComputeAndWait() {
    window.Compute();
    ASSERT_TRUE(WaitFor([this] { return !window.Running(); })) << "the table never finished";
  }
  QString Cell(int row, int column) const {
    return window.Model().data(window.Model().index(row, column), Qt::DisplayRole).toString();
  }
  QString Header(int column) const {
    return window.Model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  }

  ShownWindow main;
  TablesWindow window{main.window, main.settings, main.libraries};
};

TEST_F(TablesWindowTest, TextbookSaturationTableEndsAtTheCriticalPoint) {
  window.Kind()->setCurrentIndex(0);
  EXPECT_EQ(window.Temperatures()->text(), "Textbook SI");
  ComputeAndWait();
  ASSERT_EQ(window.Model().rowCount(), 49);
  EXPECT_EQ(Header(0), QString::fromUtf8("temperature [\u00B0C]"));
  EXPECT_EQ(Header(1), "pressure [Bar]");
  EXPECT_EQ(Header(2), QString::fromUtf8("specific_volume_liquid [m\u00B3/kg]"));
  EXPECT_EQ(Cell(0, 0), "0.01");
  EXPECT_EQ(Cell(48, 0), "373.946");
  EXPECT_EQ(Cell(48, 1), "220.64");
  EXPECT_EQ(window.Note()->text(), "49 rows.");
  EXPECT_EQ(window.Progress()->value(), 49);
  EXPECT_TRUE(window.ComputeButton()->isEnabled());
  EXPECT_FALSE(window.CancelButton()->isEnabled());
}

TEST_F(TablesWindowTest, UnitsOfTheMainWindowReExpressTheTable) {
  window.Kind()->setCurrentIndex(3);  // isobar sweep
  window.Pressures()->setText("1 MPa");
  window.Temperatures()->setText("100,250 C");
  ComputeAndWait();
  ASSERT_EQ(window.Model().rowCount(), 4);  // liquid, the two ends, vapour
  EXPECT_EQ(Cell(0, 0), "100");
  EXPECT_EQ(Cell(0, 7), "liquid");
  EXPECT_EQ(Cell(1, 7), "Sat. liquid");
  window.Follow(steam::Formulation::IF97, TableUnits::System(false));
  EXPECT_EQ(Header(0), QString::fromUtf8("temperature [\u00B0F]"));
  EXPECT_EQ(Cell(0, 0), "212");
  EXPECT_EQ(Header(6), QString::fromUtf8("superheat [\u00B0F]"));
  EXPECT_EQ(window.Model().rowCount(), 4);
}

TEST_F(TablesWindowTest, CancelKeepsTheRowsDoneAndTheWindowAnswers) {
  window.Kind()->setCurrentIndex(2);  // grid
  window.Pressures()->setText("1:1000:1 Bar");
  window.Temperatures()->setText("1:700:1 C");
  window.Compute();
  ASSERT_TRUE(WaitFor([this] { return window.Model().rowCount() > 0; }));
  window.Cancel();
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(WaitFor([this] { return !window.Running(); }));
  const int kept = window.Model().rowCount();
  EXPECT_GT(kept, 0);
  EXPECT_LT(kept, 1000 * 700);
  EXPECT_TRUE(window.Note()->text().startsWith("Cancelled: the first")) << window.Note()->text().toStdString();
  // The rows kept are whole blocks' rows in order: the first block's head.
  EXPECT_EQ(window.Model().data(window.Model().index(0, 7), Qt::DisplayRole).toString(), "Sat.");
}

TEST_F(TablesWindowTest, RowsPastTheLimitAreRefusedBeforeAnyIsComputed) {
  window.Kind()->setCurrentIndex(2);
  window.Pressures()->setText("1:2000:1 Bar");
  window.Temperatures()->setText("1:600:1 C");
  window.Compute();
  EXPECT_FALSE(window.Running());
  EXPECT_TRUE(window.Note()->text().contains("up to 1000000")) << window.Note()->text().toStdString();
}

TEST_F(TablesWindowTest, CopyPutsTabSeparatedTextAndAnHtmlTableOnTheClipboard) {
  window.Kind()->setCurrentIndex(1);
  window.Pressures()->setText("1,10 Bar");
  ComputeAndWait();
  window.CopyRows();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  const QStringList lines = data->text().split('\n');
  ASSERT_EQ(lines.size(), 4);  // header, two rows, the empty text after the last "\n"
  EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("pressure [Bar]\ttemperature [\u00B0C]\t")));
  EXPECT_TRUE(lines[1].startsWith("1\t99.6"));
  EXPECT_TRUE(data->html().startsWith("<table>"));
  EXPECT_TRUE(data->html().contains("<th>pressure [Bar]</th>"));
}

TEST_F(TablesWindowTest, SaveAsCsvWritesTheWholeFileOrNothing) {
  window.Kind()->setCurrentIndex(1);
  window.Pressures()->setText("1,10 Bar");
  ComputeAndWait();
  QTemporaryDir folder;
  const QString path = folder.filePath("table.csv");
  ASSERT_TRUE(window.SaveCsv(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.startsWith(QString::fromUtf8("pressure [Bar],temperature [\u00B0C],"))) << text.toStdString();
  EXPECT_EQ(text.count('\n'), 3);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"table.csv"});

  window.SpreadsheetStyle()->setChecked(true);
  ASSERT_TRUE(window.SaveCsv(path));
  file.close();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(file.readAll()).startsWith(QString::fromUtf8("pressure [Bar];temperature [\u00B0C];")));

  EXPECT_FALSE(window.SaveCsv(folder.filePath("no-such-folder/table.csv")));
  EXPECT_TRUE(window.Note()->text().contains("could not be saved"));
}

TEST(TablesWindowEntry, TheAnalysisMenuOpensItAndItFollowsTheMainWindow) {
  ShownWindow main;
  platform::AnalysisMenu menu(main.form, &main.window);
  main.window.AddMenu(menu);
  TablesWindow& tables =
      AddTablesWindow(menu, main.window, main.form, main.settings, main.libraries);
  QAction* entry = menu.actions().back();
  EXPECT_EQ(entry->text(), "&Tables and Sweeps...");
  EXPECT_EQ(entry->shortcut(), QKeySequence("Ctrl+Shift+T"));
  entry->trigger();
  EXPECT_TRUE(tables.isVisible());
  tables.Kind()->setCurrentIndex(0);
  tables.Compute();
  ASSERT_TRUE(WaitFor([&tables] { return !tables.Running(); }));
  const auto header = [&tables] {
    return tables.Model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
  };
  EXPECT_EQ(header(), QString::fromUtf8("temperature [\u00B0F]"));
  // The SI switch of the main window re-expresses the table at once.
  main.Click(main.Button(main.form.optUnits(1)));
  EXPECT_EQ(header(), QString::fromUtf8("temperature [\u00B0C]"));
  // Esc hides it; quitting (which closes every window first) is not refused.
  QTest::keyClick(&tables, Qt::Key_Escape);
  EXPECT_FALSE(tables.isVisible());
  entry->trigger();
  EXPECT_TRUE(tables.close());
}

}  // namespace
}  // namespace platform
