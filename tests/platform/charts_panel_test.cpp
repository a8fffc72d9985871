// The charts on the offscreen platform: the three charts with a state
// and two pins, re-expressed on a unit change, redrawn on a formulation
// switch, pinned by double-click, zoomed and reset, and exported as PNG at
// the device pixel ratio, SVG that xmllint accepts, PDF and a copied image.
#include "platform/analysis/chart_tab.h"
#include "platform/analysis/charts_panel.h"
#include "platform/shared_property_libraries.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using analysis::ChartKind;
using analysis::ChartUnits;
using analysis::UnitSystem;
using platform::ChartsPanel;
using platform::ChartTab;
using steam::Formulation;
using steam::InputPair;

class ChartsPanelTest : public testing::Test {
 protected:
  ChartsPanelTest() : panel(libraries, pins) {
    panel.resize(800, 620);
    panel.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
  }

  steam::SteamState Solved(InputPair pair, double first, double second,
                           Formulation formulation = Formulation::IF97) {
    const steam::SolveOutcome outcome = steam::Solve(formulation, pair, first, second, libraries);
    EXPECT_TRUE(outcome.succeeded);
    return outcome.state;
  }

  // The state, wet steam and a far hot pin (1400 deg F at 3000 psia).
  void ShowStateAndTwoPins() {
    panel.ShowState(Solved(InputPair::TemperaturePressure, 600.0, 200.0));
    pins.Pin(Solved(InputPair::PressureQuality, 50.0, 0.7), "P1");
    pins.Pin(Solved(InputPair::TemperaturePressure, 1400.0, 3000.0), "P2");
    panel.PinsChanged();
  }

  // The pixel of a point given in the axes' units.
  static QPoint PixelOf(const ChartTab& tab, double x, double y) {
    return QPoint(static_cast<int>(std::lround(tab.Plot().xAxis->coordToPixel(x))),
                  static_cast<int>(std::lround(tab.Plot().yAxis->coordToPixel(y))));
  }

  platform::SharedPropertyLibraries libraries;
  analysis::ChartPinList pins;
  ChartsPanel panel;
};

// The y value of the dome's top (its saturated-liquid branch's last point).
double DomeTop(const ChartTab& tab) {
  const auto* dome = dynamic_cast<QCPCurve*>(tab.Plot().plottable(0));
  return dome == nullptr || dome->data()->isEmpty() ? NAN : (dome->data()->constEnd() - 1)->value;
}

TEST_F(ChartsPanelTest, TheThreeChartsDrawTheirLinesTheStateAndThePins) {
  ShowStateAndTwoPins();
  for (ChartKind kind : analysis::kChartKinds) {
    SCOPED_TRACE(analysis::ChartTitle(kind));
    panel.ShowTab(kind);
    ChartTab& tab = panel.CurrentTab();
    QCustomPlot& plot = tab.Plot();
    // Dome, isolines, two pins and the state.
    EXPECT_GE(plot.plottableCount(), 2 + 9 + 3 + 13);
    int pinNames = 0, edgeLabels = 0;
    for (int i = 0; i < plot.itemCount(); ++i) {
      const auto* text = qobject_cast<QCPItemText*>(plot.item(i));
      if (text == nullptr) continue;
      if (text->text() == "P1" || text->text() == "P2") ++pinNames;
      if (text->text().endsWith(" psia") || text->text().endsWith(" \u00B0F")) ++edgeLabels;
    }
    EXPECT_EQ(pinNames, 2);
    EXPECT_GE(edgeLabels, 5);
    // The view grew to the far pin (1400 deg F at 3000 psia) and holds the state.
    const analysis::ChartView& view = tab.View();
    const analysis::ChartPoint far = pins.Marks()[1].point;
    const analysis::ChartAxes axes = analysis::AxesOf(kind);
    EXPECT_TRUE(view.Contains(analysis::CoordinateOf(far, axes.x), analysis::CoordinateOf(far, axes.y)));
    EXPECT_EQ(plot.yAxis->scaleType(), kind == ChartKind::PressureEnthalpy ? QCPAxis::stLogarithmic
                                                                            : QCPAxis::stLinear);
  }
  EXPECT_EQ(panel.Tab(ChartKind::TemperatureEntropy).Plot().yAxis->label(), "Temperature [\u00B0F]");
  EXPECT_EQ(panel.Tab(ChartKind::PressureEnthalpy).Plot().yAxis->label(), "Pressure [psia]");
}

TEST_F(ChartsPanelTest, UnitsReExpressAndAFormulationSwitchRedraws) {
  ChartTab& ts = panel.Tab(ChartKind::TemperatureEntropy);
  EXPECT_NEAR(DomeTop(ts), 705.10, 0.005);
  ChartUnits celsius = ChartUnits::Of(UnitSystem::IP);
  celsius.temperature = 1;
  panel.SetUnits(UnitSystem::IP, celsius);
  EXPECT_NEAR(DomeTop(ts), 373.946, 0.001);
  EXPECT_EQ(ts.Plot().yAxis->label(), "Temperature [\u00B0C]");
  EXPECT_NEAR(ts.Plot().yAxis->range().lower, 0.0, 1e-4);  // the same view: 32 deg F
  panel.SetFormulation(Formulation::IFC67);
  EXPECT_NEAR(DomeTop(ts), 374.15, 0.001);
  // A German desktop: ticks, labels and the readout with its decimal comma.
  panel.SetDecimalMark(',');
  ts.Plot().replot();
  const QVector<QString> ticks = ts.Plot().xAxis->tickVectorLabels();
  EXPECT_TRUE(std::any_of(ticks.begin(), ticks.end(), [](const QString& tick) { return tick == "0,5"; }))
      << ticks.join(' ').toStdString();
  QTest::mouseMove(&ts.Plot(), PixelOf(ts, 1.25, 400.0));
  EXPECT_TRUE(panel.Readout().contains("s = 1,2")) << panel.Readout().toStdString();
}

TEST_F(ChartsPanelTest, DoubleClickPinsTheStateUnderThePointerNamedAfterItsChart) {
  panel.ShowTab(ChartKind::TemperatureEntropy);
  ChartTab& tab = panel.CurrentTab();
  // 600 deg F at 1.65 BTU/lbm-R: superheated steam near 120 psia.
  QTest::mouseDClick(&tab.Plot(), Qt::LeftButton,
                     Qt::NoModifier, PixelOf(tab, 1.65, 600.0));
  ASSERT_EQ(pins.Marks().size(), 1u);
  EXPECT_EQ(pins.Marks()[0].name, "T-s 1");
  const analysis::ChartPoint pinned = pins.Marks()[0].point;
  EXPECT_NEAR((pinned.temperature - 273.15) * 1.8 + 32, 600.0, 3.0);
  EXPECT_NEAR(pinned.entropy / 4.1868, 1.65, 0.01);
  EXPECT_FALSE(std::isfinite(pinned.quality));
  // Inside the dome on the p-h chart: a wet pin, "p-h 1".
  panel.ShowTab(ChartKind::PressureEnthalpy);
  ChartTab& ph = panel.CurrentTab();
  QTest::mouseDClick(&ph.Plot(), Qt::LeftButton, Qt::NoModifier, PixelOf(ph, 800.0, 100.0));
  ASSERT_EQ(pins.Marks().size(), 2u);
  EXPECT_EQ(pins.Marks()[1].name, "p-h 1");
  EXPECT_TRUE(std::isfinite(pins.Marks()[1].point.quality));
  // The pointer's readout in the axes' units.
  QTest::mouseMove(&ph.Plot(), PixelOf(ph, 1000.0, 10.0));
  EXPECT_TRUE(panel.Readout().startsWith("p = ")) << panel.Readout().toStdString();
  EXPECT_TRUE(panel.Readout().contains("BTU/lbm"));
}

TEST_F(ChartsPanelTest, WheelZoomsAndResetViewReturnsToTheDefault) {
  ChartTab& tab = panel.Tab(ChartKind::EnthalpyEntropy);
  panel.ShowTab(ChartKind::EnthalpyEntropy);
  const QCPRange before = tab.Plot().xAxis->range();
  const QPoint centre = tab.Plot().axisRect()->rect().center();
  QWheelEvent wheel(centre, tab.Plot().mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&tab.Plot(), &wheel);
  EXPECT_LT(tab.Plot().xAxis->range().size(), 0.95 * before.size());
  EXPECT_LT(tab.View().xHigh - tab.View().xLow, 0.95 * (analysis::DefaultView(ChartKind::EnthalpyEntropy, UnitSystem::IP).xHigh -
                                                         analysis::DefaultView(ChartKind::EnthalpyEntropy, UnitSystem::IP).xLow));
  tab.ResetView();
  EXPECT_NEAR(tab.Plot().xAxis->range().lower, before.lower, 1e-9);
  EXPECT_NEAR(tab.Plot().xAxis->range().upper, before.upper, 1e-9);
}

TEST_F(ChartsPanelTest, ExportsPngAtThePixelRatioSvgThatParsesPdfAndTheClipboard) {
  ShowStateAndTwoPins();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString xmllint = QStandardPaths::findExecutable("xmllint");
  ASSERT_FALSE(xmllint.isEmpty()) << "xmllint (libxml2-utils) is needed to check the SVG";
  for (ChartKind kind : analysis::kChartKinds) {
    SCOPED_TRACE(analysis::ChartTitle(kind));
    panel.ShowTab(kind);
    const QCustomPlot& plot = panel.CurrentTab().Plot();
    const QString base = folder.filePath(QString("chart%1").arg(static_cast<int>(kind)));
    ASSERT_TRUE(panel.SavePng(base + ".png"));
    const QImage image(base + ".png");
    const double ratio = plot.devicePixelRatioF();
    EXPECT_EQ(image.width(), std::lround(plot.width() * ratio));
    EXPECT_EQ(image.height(), std::lround(plot.height() * ratio));
    ASSERT_TRUE(panel.SaveSvg(base + ".svg"));
    EXPECT_EQ(QProcess::execute(xmllint, {"--noout", base + ".svg"}), 0);
    QFile svg(base + ".svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray drawn = svg.readAll();
    EXPECT_GT(drawn.count("<polyline") + drawn.count("<path"), 20);
    ASSERT_TRUE(panel.SavePdf(base + ".pdf"));
    QFile pdf(base + ".pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
#ifdef HYDRELIX_SCREENSHOT_DIR
    QFile::remove(QString(HYDRELIX_SCREENSHOT_DIR "/charts_%1.png").arg(static_cast<int>(kind)));
    QFile::copy(base + ".png", QString(HYDRELIX_SCREENSHOT_DIR "/charts_%1.png").arg(static_cast<int>(kind)));
#endif
  }
  panel.CopyImage();
  const QImage copied = QApplication::clipboard()->image();
  EXPECT_EQ(copied.width(), std::lround(panel.CurrentTab().Plot().width() * panel.CurrentTab().Plot().devicePixelRatioF()));
}

TEST_F(ChartsPanelTest, ClearRemovesTheStateAndAFarStateGoneLetsTheViewShrinkBack) {
  ChartTab& hs = panel.Tab(ChartKind::EnthalpyEntropy);
  const QCPRange start = hs.Plot().yAxis->range();
  panel.ShowState(Solved(InputPair::TemperaturePressure, 68.0, 14.696));  // cold water, far below
  EXPECT_LT(hs.Plot().yAxis->range().lower, 100.0);
  panel.ShowState(Solved(InputPair::TemperaturePressure, 600.0, 200.0));
  EXPECT_DOUBLE_EQ(hs.Plot().yAxis->range().lower, start.lower);
  const int withState = panel.CurrentTab().Plot().plottableCount();
  panel.ClearState();
  EXPECT_EQ(panel.CurrentTab().Plot().plottableCount(), withState - 1);
  // A view the user chose only grows.
  hs.Plot().yAxis->setRange(900.0, 1500.0);
  panel.ShowState(Solved(InputPair::TemperaturePressure, 1000.0, 200.0));
  EXPECT_DOUBLE_EQ(hs.Plot().yAxis->range().lower, 900.0);
  EXPECT_GT(hs.Plot().yAxis->range().upper, 1500.0);
}

}  // namespace
