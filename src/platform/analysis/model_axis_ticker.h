// A QCustomPlot ticker that places an axis' ticks where the chart model puts
// them (round steps in the axis' unit, decades on a logarithmic axis).
#ifndef HYDRELIX_PLATFORM_ANALYSIS_MODEL_AXIS_TICKER_H
#define HYDRELIX_PLATFORM_ANALYSIS_MODEL_AXIS_TICKER_H

#include <qcustomplot.h>

namespace platform {

class ModelAxisTicker final : public QCPAxisTicker {
 public:
  explicit ModelAxisTicker(bool logarithmic) : logarithmic_(logarithmic) {}

  // The main window's decimal mark, for the labels.
  void SetDecimalMark(QChar mark) { decimalMark_ = mark; }

  void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                QVector<double>& ticks, QVector<double>* subTicks,
                QVector<QString>* tickLabels) override;

 private:
  bool logarithmic_;
  QChar decimalMark_ = '.';
};

}  // namespace platform

#endif
