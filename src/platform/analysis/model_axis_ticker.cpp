#include "platform/analysis/model_axis_ticker.h"

#include "analysis/axis_ticks.h"

namespace platform {

void ModelAxisTicker::generate(const QCPRange& range, const QLocale&, QChar, int,
                               QVector<double>& ticks, QVector<double>* subTicks,
                               QVector<QString>* tickLabels) {
  const std::vector<analysis::Tick> model =
      logarithmic_ ? analysis::LogarithmicTicks(range.lower, range.upper)
                   : analysis::LinearTicks(range.lower, range.upper, 7);
  ticks.clear();
  if (tickLabels != nullptr) tickLabels->clear();
  if (subTicks != nullptr) subTicks->clear();
  for (const analysis::Tick& tick : model) {
    ticks.append(tick.value);
    if (tickLabels != nullptr) tickLabels->append(QString::fromStdString(tick.label).replace('.', decimalMark_));
  }
}

}  // namespace platform
