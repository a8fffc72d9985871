// One chart of the Charts window on a QCustomPlot: the lines the chart model
// computed, projected into the main window's units, the state, the pins and
// processes as marks, the labels at the view's edge, and the pointer's
// coordinates. It draws what the model gives and decides nothing itself.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_CHART_TAB_H
#define HYDRELIX_PLATFORM_ANALYSIS_CHART_TAB_H

#include "analysis/chart_axes.h"
#include "analysis/chart_lines.h"
#include "analysis/chart_marks.h"
#include "analysis/chart_view.h"

#include <QSharedPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QCustomPlot;
class QCPItemText;
class QMouseEvent;

namespace platform {

class ChartTab final : public QWidget {
  Q_OBJECT

 public:
  explicit ChartTab(analysis::ChartKind kind, QWidget* parent = nullptr);

  analysis::ChartKind Kind() const { return kind_; }
  QCustomPlot& Plot() const { return *plot_; }
  const analysis::ChartView& View() const { return view_; }

  // New lines (a formulation or unit system switch) start from the system's
  // default view; new units only re-express what is drawn.
  void SetLines(std::shared_ptr<const analysis::ChartLines> lines);
  void SetUnits(const analysis::ChartUnits& units);
  // The view grows to take in every mark.
  void SetMarks(const std::optional<analysis::ChartMark>& state,
                const std::vector<analysis::ChartMark>& pins,
                const std::vector<analysis::ChartProcess>& processes);
  void ResetView();
  // Numbers on the chart are written with the main window's decimal mark.
  void SetDecimalMark(QChar mark);

  bool SavePng(const QString& file);
  bool SavePdf(const QString& file);
  bool SaveSvg(const QString& file);
  QPixmap Image();

 signals:
  void pointerMoved(const QString& readout);
  // A double-click at chart coordinates (x, y) in SI.
  void pinRequested(analysis::ChartKind kind, double x, double y);

 private:
  void Redraw();
  void DrawLines(const analysis::ChartProjection& projection);
  void DrawMarks(const analysis::ChartProjection& projection);
  void DrawLabels();
  void ApplyView();
  void TakeView();
  std::vector<analysis::ChartPoint> MarkedPoints() const;
  QString Shown(const std::string& numbers) const;
  void PointerMoved(QMouseEvent* event);
  void DoubleClicked(QMouseEvent* event);

  analysis::ChartKind kind_;
  analysis::ChartAxes axes_;
  QCustomPlot* plot_;
  std::shared_ptr<const analysis::ChartLines> lines_;
  analysis::ChartUnits units_;
  analysis::ChartView view_;
  std::optional<analysis::ChartMark> state_;
  std::vector<analysis::ChartMark> pins_;
  std::vector<analysis::ChartProcess> processes_;
  std::vector<QCPItemText*> labels_;
  bool applyingView_ = false;
  // The user zoomed or panned since the last reset.
  bool viewChosen_ = false;
  QChar decimalMark_ = '.';
  QSharedPointer<class ModelAxisTicker> xTicker_;
  QSharedPointer<class ModelAxisTicker> yTicker_;
};

}  // namespace platform

#endif
