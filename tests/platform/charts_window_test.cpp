// Analysis > Charts beside the real main window on the offscreen platform:
// the charts follow Compute, Clear, the unit system, a unit list and the
// formulation, and Esc hides the window.
#include "shown_window.h"

#include "platform/analysis/chart_tab.h"
#include "platform/analysis/charts_panel.h"
#include "platform/analysis/charts_window.h"
#include "platform/analysis/state_signals.h"

#include <qcustomplot.h>

namespace {

using analysis::ChartKind;

struct WindowWithCharts : ShownWindow {
  platform::StateSignals state{form};
  analysis::ChartPinList pins;
  platform::ChartsWindow charts{window, settings, form, state, libraries, pins};

  QCustomPlot& Plot(ChartKind kind) { return charts.Panel().Tab(kind).Plot(); }
};

// The y value of the dome's top (its saturated-liquid branch's last point).
double DomeTop(QCustomPlot& plot) {
  const auto* dome = dynamic_cast<QCPCurve*>(plot.plottable(0));
  return dome == nullptr || dome->data()->isEmpty() ? NAN : (dome->data()->constEnd() - 1)->value;
}

TEST(ChartsWindow, FollowsComputeClearTheUnitsAndTheFormulation) {
  WindowWithCharts w;
  w.charts.Open();
  EXPECT_TRUE(w.charts.isVisible());
  QCustomPlot& ts = w.Plot(ChartKind::TemperatureEntropy);
  const int lines = ts.plottableCount();
  w.Click(w.Button(w.form.cmdCompute));  // 68 deg F, 14.696 psia
  EXPECT_EQ(ts.plottableCount(), lines + 1) << "the state's marker";
  w.Click(w.Button(w.form.cmdClear));
  EXPECT_EQ(ts.plottableCount(), lines);

  EXPECT_NEAR(DomeTop(ts), 705.10, 0.005);
  w.Click(w.Button(w.form.optUnits(1)));  // SI: deg C, bar, kJ/kg
  EXPECT_EQ(ts.yAxis->label(), "Temperature [\u00B0C]");
  EXPECT_EQ(w.Plot(ChartKind::PressureEnthalpy).yAxis->label(), "Pressure [Bar]");
  EXPECT_NEAR(DomeTop(ts), 373.946, 0.001);
  // The SI view: 0 to 800 deg C.
  EXPECT_NEAR(ts.yAxis->range().upper, 800.0, 1e-6);
  w.List(16).setFocus();  // deg C, then deg R and K by the arrow key
  w.Key(Qt::Key_Down);
  w.Key(Qt::Key_Down);
  ASSERT_EQ(w.form.cboUnits(16).ListIndex(), 3);
  EXPECT_NEAR(DomeTop(ts), 647.096, 0.001);
  w.Click(w.Button(w.form.optSteam(1)));  // IFC-67
  EXPECT_NEAR(DomeTop(ts), 647.30, 0.001);

  QTest::keyClick(&w.charts, Qt::Key_Escape);
  EXPECT_FALSE(w.charts.isVisible());
}

}  // namespace
