// The analysis windows as a user meets them: each follows Compute, Clear and
// a change of units in the main window; the pins window keeps its pins through
// every move and tells of a file or a save that failed once; the windows hide
// and come back with the main window.
#include "shown_window.h"

#include "platform/analysis/analysis_menu.h"
#include "platform/analysis/analysis_windows.h"
#include "platform/analysis/state_signals.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ValueOfTable(const QTableWidget& table, const std::string& property) {
  for (int row = 0; row < table.rowCount(); ++row) {
    if (table.item(row, 0)->text().toStdString() == property) {
      return table.item(row, 1)->text().toStdString();
    }
  }
  return "(no row)";
}

using analysis::DisplayUnits;
using steam::Formulation;
using steam::InputPair;

// A pins file that lives in memory, and can be told to fail.
class MemoryPinStore final : public analysis::PinStore {
 public:
  analysis::PinLoad Load() override { return {kept, loadNotice}; }
  bool Save(const analysis::PinnedStates& pins) override {
    ++saves;
    if (failing) return false;
    kept = pins;
    return true;
  }
  std::string Location() const override { return "/memory/pins.json"; }

  analysis::PinnedStates kept;
  std::string loadNotice;
  bool failing = false;
  int saves = 0;
};

class AnalysisWindowsTest : public testing::Test {
 protected:
  void Build() {
    windows_ = std::make_unique<platform::AnalysisWindows>(main_.window, main_.settings, feed_,
                                                           main_.libraries, store_);
    windows_->PinsWindow().tell = [this](const QString& text) { told_.push_back(text); };
    windows_->PinsWindow().confirm = [this](const QString&) { return answer_; };
    windows_->AddTo(menu_);
    main_.window.AddMenu(menu_);
    QApplication::processEvents();
  }

  steam::SteamState Computed(Formulation formulation, InputPair pair, double first,
                             double second) {
    const steam::SolveOutcome outcome =
        steam::Solve(formulation, pair, first, second, main_.libraries);
    EXPECT_TRUE(outcome.succeeded);
    return outcome.state;
  }

  static std::vector<std::string> Column(const QTableWidget& table, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < table.rowCount(); ++row) {
      cells.push_back(table.item(row, column)->text().toStdString());
    }
    return cells;
  }
  static std::string ValueOf(const QTableWidget& table, const std::string& property) {
    return ValueOfTable(table, property);
  }

  ShownWindow main_;
  platform::AnalysisMenu menu_{main_.form, &main_.window};
  platform::ShownStateFeed feed_;
  MemoryPinStore store_;
  std::unique_ptr<platform::AnalysisWindows> windows_;
  std::vector<QString> told_;
  bool answer_ = true;
};

// The windows as the program wires them: following the main window itself.
TEST(AnalysisWindowsOnTheMainWindow, FollowComputeClearAndAUnitChange) {
  ShownWindow w;
  platform::StateSignals stateSignals(w.form);
  platform::ShownStateFeed feed(stateSignals, w.form);
  MemoryPinStore store;
  platform::AnalysisWindows windows(w.window, w.settings, feed, w.libraries, store);
  const QTableWidget& details = windows.Details().Table();
  const QTableWidget& comparison = windows.Comparison().Table();
  // The state the window computed as it loaded: water at 68 °F.
  EXPECT_EQ(ValueOfTable(details, "Phase"), "Compressed liquid");

  // 212 °F and 14.696 psia, the window's start-up inputs with 212 typed.
  w.Click(w.Field(43));
  w.Field(43).selectAll();
  w.Type("212");
  w.Click(w.Button(w.form.cmdCompute));
  EXPECT_EQ(ValueOfTable(details, "Phase"), "Superheated vapor");
  EXPECT_EQ(ValueOfTable(details, "Saturation temperature"), "211.95");
  ASSERT_EQ(comparison.rowCount(), 16);
  EXPECT_EQ(comparison.item(15, 2)->text(), "Compressed liquid");
  windows.PinStateAction().trigger();
  EXPECT_EQ(windows.PinsWindow().Table().item(0, 3)->text(), "212.00");

  w.Click(w.Button(w.form.optUnits(1)));  // SI
  EXPECT_EQ(ValueOfTable(details, "Saturation temperature"), "99.97");
  EXPECT_EQ(comparison.item(0, 1)->text(), "100.00");
  EXPECT_EQ(windows.PinsWindow().Table().item(0, 3)->text(), "100.00");

  w.Click(w.Button(w.form.cmdClear));
  EXPECT_EQ(details.rowCount(), 0);
  EXPECT_EQ(comparison.rowCount(), 0);
  EXPECT_FALSE(windows.PinStateAction().isEnabled());
  EXPECT_EQ(windows.PinsWindow().Table().rowCount(), 1);
}

TEST_F(AnalysisWindowsTest, StateDetailsFollowsComputeClearAndUnits) {
  Build();
  const QTableWidget& table = windows_->Details().Table();
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_FALSE(windows_->Details().CopyButton().isEnabled());

  feed_.Show(Computed(Formulation::IF97, InputPair::TemperaturePressure, 600, 100));
  EXPECT_EQ(ValueOf(table, "Superheat"), "272.18");
  EXPECT_EQ(ValueOf(table, "Phase"), "Superheated vapor");

  feed_.SetUnits(DisplayUnits::Si());
  EXPECT_EQ(ValueOf(table, "Superheat"), "151.21");
  EXPECT_EQ(table.item(0, 0)->text(), "Region");

  windows_->Details().CopyButton().click();
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_TRUE(copied->text().contains("Superheat\t151.21\tK\n")) << copied->text().toStdString();
  EXPECT_TRUE(copied->html().contains("<td>Superheat</td>"));

  feed_.Clear();
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_FALSE(windows_->Details().CopyButton().isEnabled());
}

TEST_F(AnalysisWindowsTest, CompareFollowsComputeClearUnitsAndItsThreshold) {
  Build();
  platform::CompareFormulationsWindow& window = windows_->Comparison();
  feed_.Show(Computed(Formulation::IF97, InputPair::TemperaturePressure, 212, 14.696));
  const QTableWidget& table = window.Table();
  ASSERT_EQ(table.rowCount(), 16);
  EXPECT_EQ(table.item(15, 1)->text(), "Superheated vapor");
  EXPECT_EQ(table.item(15, 2)->text(), "Compressed liquid");
  EXPECT_EQ(table.item(15, 6)->text(), "\u2260");
  EXPECT_TRUE(table.item(15, 0)->font().bold());
  EXPECT_EQ(table.item(0, 5)->text(), "°F");

  feed_.SetUnits(DisplayUnits::Si());
  EXPECT_EQ(table.item(0, 1)->text(), "100.00");
  EXPECT_EQ(table.item(0, 5)->text(), "°C");

  // A state IFC-67 refuses: its column blank, its reason beside the table.
  feed_.Show(Computed(Formulation::IF97, InputPair::TemperaturePressure, 1500, 100));
  EXPECT_EQ(table.item(3, 2)->text(), "");
  EXPECT_NE(table.item(3, 1)->text(), "");
  EXPECT_TRUE(window.Refusals().text().startsWith("IFC-67 gives no state: "));

  // The threshold is the user's and is kept.
  feed_.Show(Computed(Formulation::IF97, InputPair::TemperaturePressure, 1004, 2393.1));
  const int cpRow = static_cast<int>(steam::Result::IsobaricHeatCapacity);
  EXPECT_EQ(table.item(cpRow, 6)->text(), "\u2260");
  window.Threshold().setValue(2.0);
  EXPECT_EQ(table.item(cpRow, 6)->text(), "");
  EXPECT_EQ(main_.settings.Read("Analysis", "CompareThresholdPercent", ""), "2");
  // A window made later starts from the saved threshold.
  platform::CompareFormulationsWindow later(main_.window, main_.settings, feed_, main_.libraries);
  EXPECT_DOUBLE_EQ(later.Threshold().value(), 2.0);

  feed_.Clear();
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_FALSE(window.CopyButton().isEnabled());
}

TEST_F(AnalysisWindowsTest, PinsFollowUnitsAndKeepThroughClear) {
  Build();
  platform::PinnedStatesWindow& window = windows_->PinsWindow();
  QAction& pin = windows_->PinStateAction();
  EXPECT_FALSE(pin.isEnabled());  // nothing computed yet

  feed_.Show(Computed(Formulation::IF97, InputPair::TemperaturePressure, 600, 100));
  ASSERT_TRUE(pin.isEnabled());
  pin.trigger();
  EXPECT_TRUE(window.isVisible());
  feed_.Show(Computed(Formulation::IFC67, InputPair::PressureQuality, 100, 1.0));
  pin.trigger();
  const QTableWidget& table = window.Table();
  ASSERT_EQ(table.rowCount(), 2);
  EXPECT_EQ(Column(table, 0), (std::vector<std::string>{"P1", "P2"}));
  EXPECT_EQ(Column(table, 3), (std::vector<std::string>{"600.00", "327.82"}));
  EXPECT_EQ(Column(table, 12), (std::vector<std::string>{"reference", "mixed"}));
  // The inputs are marked: p and x of P2.
  EXPECT_TRUE(table.item(1, 4)->font().bold());
  EXPECT_TRUE(table.item(1, 5)->font().bold());
  EXPECT_FALSE(table.item(1, 3)->font().bold());

  feed_.SetUnits(DisplayUnits::Si());
  EXPECT_EQ(Column(table, 3), (std::vector<std::string>{"315.56", "164.35"}));
  EXPECT_EQ(table.horizontalHeaderItem(9)->text(), "\u0394T [K]");
  EXPECT_EQ(Column(table, 9), (std::vector<std::string>{"", "-151.21"}));

  // Clearing the main window's results leaves the pins; only Pin State waits.
  feed_.Clear();
  EXPECT_EQ(table.rowCount(), 2);
  EXPECT_FALSE(pin.isEnabled());
  EXPECT_EQ(store_.kept.Count(), 2u);
}

TEST_F(AnalysisWindowsTest, PinButtonsRenameAndClearAll) {
  for (int i = 0; i < 3; ++i) {
    steam::SteamState state;
    state.values.Temperature = 100.0 * (i + 1);
    store_.kept.Add(state);
  }
  Build();
  platform::PinnedStatesWindow& window = windows_->PinsWindow();
  QTableWidget& table = window.Table();
  ASSERT_EQ(Column(table, 0), (std::vector<std::string>{"P1", "P2", "P3"}));

  table.setCurrentCell(2, 0);
  window.Button("up").click();
  EXPECT_EQ(Column(table, 0), (std::vector<std::string>{"P1", "P3", "P2"}));
  window.Button("reference").click();  // P3, still selected
  EXPECT_EQ(Column(table, 12), (std::vector<std::string>{"", "reference", ""}));
  EXPECT_EQ(Column(table, 9), (std::vector<std::string>{"-200.00", "", "-100.00"}));
  window.PreviousRowBase().setChecked(true);
  EXPECT_EQ(Column(table, 9), (std::vector<std::string>{"", "200.00", "-100.00"}));
  table.setCurrentCell(0, 0);
  window.Button("down").click();
  window.Button("remove").click();  // P1, now second
  EXPECT_EQ(Column(table, 0), (std::vector<std::string>{"P3", "P2"}));

  table.item(1, 0)->setText("Feed water");
  EXPECT_EQ(window.Pins().Pins()[1].name, "Feed water");
  EXPECT_EQ(store_.kept.Pins()[1].name, "Feed water");
  EXPECT_EQ(store_.kept.Base(), analysis::DifferenceBase::Previous);

  answer_ = false;
  window.Button("clear").click();
  EXPECT_EQ(table.rowCount(), 2);
  answer_ = true;
  window.Button("clear").click();
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_EQ(store_.kept.Count(), 0u);
  EXPECT_TRUE(told_.empty());
}

TEST_F(AnalysisWindowsTest, AFileOrASaveThatFailedIsToldOnce) {
  store_.loadNotice = "The pinned states file /memory/pins.json could not be read.";
  Build();
  QTRY_COMPARE_WITH_TIMEOUT(told_.size(), std::size_t{1}, 5000);
  EXPECT_EQ(told_[0].toStdString(), store_.loadNotice);

  store_.failing = true;
  feed_.Show(Computed(Formulation::IF97, InputPair::TemperaturePressure, 600, 100));
  windows_->PinStateAction().trigger();
  windows_->PinStateAction().trigger();
  ASSERT_EQ(told_.size(), 2u);
  EXPECT_TRUE(told_[1].contains("could not be saved to /memory/pins.json"));
  EXPECT_EQ(windows_->PinsWindow().Table().rowCount(), 2);  // kept in the window
}

TEST_F(AnalysisWindowsTest, FiftyPinsAndNoMore) {
  Build();
  feed_.Show(Computed(Formulation::IF97, InputPair::TemperaturePressure, 600, 100));
  for (int i = 0; i < 51; ++i) windows_->PinStateAction().trigger();
  EXPECT_EQ(windows_->PinsWindow().Table().rowCount(), 50);
  ASSERT_EQ(told_.size(), 1u);
  EXPECT_TRUE(told_[0].startsWith("50 states are pinned"));
}

TEST_F(AnalysisWindowsTest, MenuEntriesAndShortcuts) {
  Build();
  std::vector<std::pair<std::string, std::string>> entries;
  for (QAction* action : menu_.actions()) {
    entries.emplace_back(action->text().toStdString(),
                         action->shortcut().toString().toStdString());
  }
  EXPECT_EQ(entries, (std::vector<std::pair<std::string, std::string>>{
                         {"Copy State as &Table", "Ctrl+Shift+C"},
                         {"Copy State as &Row", "Ctrl+Shift+R"},
                         {"", ""},
                         {"State &Details", "F6"},
                         {"Compare &Formulations", "Ctrl+Shift+F"},
                         {"&Pin State", "Ctrl+Shift+P"},
                         {"P&inned States", ""}}));
  // F6 in the main window opens State Details.
  main_.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main_.window));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
  EXPECT_TRUE(windows_->Details().isVisible());
}

TEST_F(AnalysisWindowsTest, WindowsHideAndReturnWithTheMainWindow) {
  Build();
  windows_->Details().Open();
  windows_->Comparison().Open();
  windows_->Comparison().close();  // closed by the user: stays closed
  windows_->PinsWindow().Open();
  QApplication::processEvents();

  main_.Trigger(main_.form.mnuFileHide);
  EXPECT_FALSE(main_.window.isVisible());
  EXPECT_FALSE(windows_->Details().isVisible());
  EXPECT_FALSE(windows_->PinsWindow().isVisible());

  main_.Trigger(main_.form.mnuTrayPopupItem(0));  // Open
  EXPECT_TRUE(windows_->Details().isVisible());
  EXPECT_TRUE(windows_->PinsWindow().isVisible());
  EXPECT_FALSE(windows_->Comparison().isVisible());
}

}  // namespace
