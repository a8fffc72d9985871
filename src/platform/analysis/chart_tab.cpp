#include "platform/analysis/chart_tab.h"

#include "analysis/chart_texts.h"
#include "analysis/line_labels.h"
#include "platform/analysis/model_axis_ticker.h"

#include <qcustomplot.h>

#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

#include <cmath>

namespace platform {
namespace {

using analysis::ChartKind;
using analysis::LineFamily;

// How near the pointer must come to a mark, in pixels, for its tooltip.
constexpr double kMarkReach = 8.0;

QPen PenOf(LineFamily family) {
  switch (family) {
    case LineFamily::SaturatedLiquid:
    case LineFamily::SaturatedVapour: return QPen(QColor(40, 40, 40), 1.8);
    case LineFamily::Isobar: return QPen(QColor(150, 150, 150), 1.0);
    case LineFamily::Isotherm: return QPen(QColor(170, 170, 170), 1.0, Qt::DashLine);
    case LineFamily::Quality: return QPen(QColor(185, 185, 185), 1.0, Qt::DotLine);
  }
  return QPen(Qt::gray);
}

QCPCurve* CurveThrough(QCustomPlot& plot, const std::vector<analysis::PlotPoint>& points) {
  auto* curve = new QCPCurve(plot.xAxis, plot.yAxis);
  QVector<double> t(static_cast<int>(points.size())), x(t.size()), y(t.size());
  for (int i = 0; i < t.size(); ++i) {
    t[i] = i;
    x[i] = points[i].x;
    y[i] = points[i].y;
  }
  curve->setData(t, x, y, true);
  return curve;
}

}  // namespace

ChartTab::ChartTab(ChartKind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), axes_(analysis::AxesOf(kind)), plot_(new QCustomPlot(this)),
      view_(analysis::DefaultView(kind, analysis::UnitSystem::IP)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(plot_);
  plot_->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  plot_->setNoAntialiasingOnDrag(true);
  xTicker_.reset(new ModelAxisTicker(false));
  yTicker_.reset(new ModelAxisTicker(axes_.logarithmicY));
  plot_->xAxis->setTicker(xTicker_);
  plot_->yAxis->setTicker(yTicker_);
  if (axes_.logarithmicY) plot_->yAxis->setScaleType(QCPAxis::stLogarithmic);
  for (QCPAxis* axis : {plot_->xAxis, plot_->yAxis}) {
    axis->grid()->setPen(QPen(QColor(230, 230, 230), 0));
  }
  plot_->setMouseTracking(true);
  connect(plot_->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, [this] { TakeView(); });
  connect(plot_->yAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, [this] { TakeView(); });
  connect(plot_, &QCustomPlot::mouseMove, this, &ChartTab::PointerMoved);
  connect(plot_, &QCustomPlot::mouseDoubleClick, this, &ChartTab::DoubleClicked);
}

void ChartTab::SetLines(std::shared_ptr<const analysis::ChartLines> lines) {
  const bool newSystem = !lines_ || lines_->system != lines->system;
  lines_ = std::move(lines);
  if (newSystem) {
    ResetView();
    return;
  }
  Redraw();
}

void ChartTab::SetUnits(const analysis::ChartUnits& units) {
  units_ = units;
  Redraw();
}

void ChartTab::SetMarks(const std::optional<analysis::ChartMark>& state,
                        const std::vector<analysis::ChartMark>& pins,
                        const std::vector<analysis::ChartProcess>& processes) {
  state_ = state;
  pins_ = pins;
  processes_ = processes;
  // Until the user zooms or pans, the view is the default grown to the
  // marks, so it shrinks back when a far state goes; after that it only grows.
  if (!viewChosen_) {
    ResetView();
    return;
  }
  view_ = analysis::IncludingPoints(view_, kind_, MarkedPoints());
  Redraw();
}

void ChartTab::ResetView() {
  const analysis::UnitSystem system = lines_ ? lines_->system : analysis::UnitSystem::IP;
  view_ = analysis::IncludingPoints(analysis::DefaultView(kind_, system), kind_, MarkedPoints());
  viewChosen_ = false;
  Redraw();
}

void ChartTab::SetDecimalMark(QChar mark) {
  decimalMark_ = mark;
  xTicker_->SetDecimalMark(mark);
  yTicker_->SetDecimalMark(mark);
  Redraw();
}

QString ChartTab::Shown(const std::string& numbers) const {
  return QString::fromStdString(numbers).replace('.', decimalMark_);
}

std::vector<analysis::ChartPoint> ChartTab::MarkedPoints() const {
  std::vector<analysis::ChartPoint> points;
  if (state_) points.push_back(state_->point);
  for (const analysis::ChartMark& pin : pins_) points.push_back(pin.point);
  for (const analysis::ChartProcess& process : processes_) {
    points.insert(points.end(), process.points.begin(), process.points.end());
  }
  return points;
}

void ChartTab::Redraw() {
  const analysis::ChartProjection projection(kind_, units_);
  plot_->clearPlottables();
  plot_->clearItems();
  labels_.clear();
  plot_->xAxis->setLabel(QString::fromStdString(analysis::AxisCaption(axes_.x, projection.X())));
  plot_->yAxis->setLabel(QString::fromStdString(analysis::AxisCaption(axes_.y, projection.Y())));
  DrawLines(projection);
  DrawMarks(projection);
  ApplyView();
  DrawLabels();
  plot_->replot();
}

void ChartTab::DrawLines(const analysis::ChartProjection& projection) {
  if (!lines_) return;
  for (const analysis::ChartLine& line : lines_->lines) {
    if (!analysis::ChartShows(kind_, line.family) || line.points.empty()) continue;
    QCPCurve* curve = CurveThrough(*plot_, projection.Project(line.points));
    curve->setPen(PenOf(line.family));
    curve->setSelectable(QCP::stNone);
  }
}

void ChartTab::DrawMarks(const analysis::ChartProjection& projection) {
  for (const analysis::ChartProcess& process : processes_) {
    QCPCurve* curve = CurveThrough(*plot_, projection.Project(process.points));
    curve->setPen(QPen(QColor(20, 90, 180), 2.0));
    curve->setName(QString::fromStdString(process.name));
  }
  for (const analysis::ChartMark& pin : pins_) {
    QCPCurve* marker = CurveThrough(*plot_, {projection.Project(pin.point)});
    marker->setLineStyle(QCPCurve::lsNone);
    marker->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(QColor(20, 60, 150), 1.6),
                                            Qt::NoBrush, 10));
    auto* name = new QCPItemText(plot_);
    const analysis::PlotPoint at = projection.Project(pin.point);
    name->position->setCoords(at.x, at.y);
    name->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    name->setPadding(QMargins(7, 0, 0, 5));
    name->setColor(QColor(20, 60, 150));
    name->setText(QString::fromStdString(pin.name));
  }
  if (state_) {
    QCPCurve* marker = CurveThrough(*plot_, {projection.Project(state_->point)});
    marker->setLineStyle(QCPCurve::lsNone);
    marker->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QPen(QColor(190, 20, 20)),
                                            QBrush(QColor(210, 30, 30)), 10));
  }
}

void ChartTab::DrawLabels() {
  for (QCPItemText* label : labels_) plot_->removeItem(label);
  labels_.clear();
  if (!lines_) return;
  const analysis::ChartProjection projection(kind_, units_);
  const QFont font(plot_->font().family(), 7);
  for (const analysis::LineLabel& label : analysis::LabelsOf(*lines_, projection, units_, view_)) {
    auto* text = new QCPItemText(plot_);
    text->position->setCoords(label.position.x, label.position.y);
    // Inside the frame, on the side the line leaves by.
    const QCPRange x = plot_->xAxis->range(), y = plot_->yAxis->range();
    auto near = [](double value, double edge) { return std::fabs(value - edge) <= 1e-9 * std::fabs(edge) + 1e-12; };
    Qt::Alignment alignment = Qt::AlignHCenter;
    if (near(label.position.x, x.upper)) alignment = Qt::AlignRight;
    if (near(label.position.x, x.lower)) alignment = Qt::AlignLeft;
    alignment |= near(label.position.y, y.upper) ? Qt::AlignTop : Qt::AlignBottom;
    text->setPositionAlignment(alignment);
    text->setFont(font);
    text->setColor(QColor(110, 110, 110));
    text->setText(Shown(label.text));
    text->setSelectable(false);
    labels_.push_back(text);
  }
}

void ChartTab::ApplyView() {
  const analysis::ChartProjection projection(kind_, units_);
  applyingView_ = true;
  plot_->xAxis->setRange(projection.X().FromSi(view_.xLow), projection.X().FromSi(view_.xHigh));
  plot_->yAxis->setRange(projection.Y().FromSi(view_.yLow), projection.Y().FromSi(view_.yHigh));
  applyingView_ = false;
}

void ChartTab::TakeView() {
  if (applyingView_) return;
  const analysis::ChartProjection projection(kind_, units_);
  const QCPRange x = plot_->xAxis->range(), y = plot_->yAxis->range();
  view_ = {projection.X().ToSi(x.lower), projection.X().ToSi(x.upper), projection.Y().ToSi(y.lower),
           projection.Y().ToSi(y.upper)};
  viewChosen_ = true;
  DrawLabels();
  plot_->replot(QCustomPlot::rpQueuedReplot);
}

void ChartTab::PointerMoved(QMouseEvent* event) {
  const QPointF at = event->position();
  const double x = plot_->xAxis->pixelToCoord(at.x());
  const double y = plot_->yAxis->pixelToCoord(at.y());
  const analysis::ChartProjection projection(kind_, units_);
  emit pointerMoved(Shown(analysis::PointerReadout(projection, x, y)));
  const analysis::ChartMark* nearest = nullptr;
  double nearestDistance = kMarkReach;
  auto consider = [&](const analysis::ChartMark& mark) {
    const analysis::PlotPoint p = projection.Project(mark.point);
    const double distance = std::hypot(plot_->xAxis->coordToPixel(p.x) - at.x(),
                                       plot_->yAxis->coordToPixel(p.y) - at.y());
    if (distance <= nearestDistance) {
      nearest = &mark;
      nearestDistance = distance;
    }
  };
  for (const analysis::ChartMark& pin : pins_) consider(pin);
  if (state_) consider(*state_);
  if (nearest != nullptr) {
    // The name as the user gave it, the values with the decimal mark.
    const QString text = QString::fromStdString(analysis::MarkText(*nearest, units_));
    const QString name = QString::fromStdString(nearest->name);
    QToolTip::showText(event->globalPosition().toPoint(), name + Shown(text.mid(name.size()).toStdString()),
                       plot_);
  } else {
    QToolTip::hideText();
  }
}

void ChartTab::DoubleClicked(QMouseEvent* event) {
  const analysis::ChartProjection projection(kind_, units_);
  const double x = plot_->xAxis->pixelToCoord(event->position().x());
  const double y = plot_->yAxis->pixelToCoord(event->position().y());
  emit pinRequested(kind_, projection.X().ToSi(x), projection.Y().ToSi(y));
}

bool ChartTab::SavePng(const QString& file) {
  return plot_->savePng(file, 0, 0, plot_->devicePixelRatioF());
}

bool ChartTab::SavePdf(const QString& file) { return plot_->savePdf(file); }

bool ChartTab::SaveSvg(const QString& file) {
  QSvgGenerator generator;
  generator.setFileName(file);
  generator.setSize(plot_->size());
  generator.setViewBox(plot_->rect());
  generator.setTitle(QString::fromUtf8(analysis::ChartTitle(kind_)));
  QCPPainter painter;
  if (!painter.begin(&generator)) return false;
  plot_->toPainter(&painter, plot_->width(), plot_->height());
  return painter.end();
}

QPixmap ChartTab::Image() { return plot_->toPixmap(0, 0, plot_->devicePixelRatioF()); }

}  // namespace platform
