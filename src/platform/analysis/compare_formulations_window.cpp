#include "platform/analysis/compare_formulations_window.h"

#include "analysis/formulation_names.h"

#include <QDoubleSpinBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

namespace platform {

namespace {

const QString kThresholdKey = QStringLiteral("Analysis/CompareThresholdPercent");

// The pair's two values, in the order its name gives them.
std::pair<double, double> InputsOf(const steam::SteamState& state) {
  using steam::InputPair;
  const steam::WorkingState& v = state.values;
  switch (state.pair) {
    case InputPair::TemperaturePressure: return {v.Temperature, v.Pressure};
    case InputPair::TemperatureQuality: return {v.Temperature, v.Quality};
    case InputPair::TemperatureEnthalpy: return {v.Temperature, v.Enthalpy};
    case InputPair::TemperatureEntropy: return {v.Temperature, v.Entropy};
    case InputPair::PressureQuality: return {v.Pressure, v.Quality};
    case InputPair::PressureEnthalpy: return {v.Pressure, v.Enthalpy};
    case InputPair::PressureEntropy: return {v.Pressure, v.Entropy};
  }
  return {v.Temperature, v.Pressure};
}

}  // namespace

CompareFormulationsWindow::CompareFormulationsWindow(QWidget* mainWindow, ShownStateFeed& feed,
                                                     steam::PropertyLibraries& libraries)
    : AnalysisToolWindow(mainWindow, QStringLiteral("Compare Formulations"),
                         QStringLiteral("CompareFormulations")),
      feed_(feed),
      libraries_(libraries),
      inputs_(new QLabel(this)),
      table_(new QTableWidget(this)),
      refusals_(new QLabel(this)),
      threshold_(new QDoubleSpinBox(this)),
      copy_(new QPushButton(QStringLiteral("&Copy"), this)) {
  table_->verticalHeader()->hide();
  table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  refusals_->setWordWrap(true);
  threshold_->setRange(0.0, 100.0);
  threshold_->setDecimals(3);
  threshold_->setSingleStep(0.05);
  threshold_->setSuffix(QStringLiteral(" %"));
  bool read = false;
  const double saved = AnalysisSettings().value(kThresholdKey).toDouble(&read);
  threshold_->setValue(read ? saved : analysis::kDefaultDifferenceThresholdPercent);
  auto* thresholdLabel = new QLabel(QStringLiteral("&Mark \u2260 when |\u0394 %| exceeds"), this);
  thresholdLabel->setBuddy(threshold_);

  auto* controls = new QHBoxLayout;
  controls->addWidget(thresholdLabel);
  controls->addWidget(threshold_);
  controls->addStretch();
  controls->addWidget(copy_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(inputs_);
  layout->addWidget(table_);
  layout->addWidget(refusals_);
  layout->addLayout(controls);
  resize(800, 600);

  connect(copy_, &QPushButton::clicked, this, [this] { CopyTable(shown_.table); });
  connect(threshold_, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double value) {
    AnalysisSettings().setValue(kThresholdKey, value);
    Refresh();
  });
  connect(&feed_, &ShownStateFeed::stateShown, this, &CompareFormulationsWindow::Recompute);
  connect(&feed_, &ShownStateFeed::stateCleared, this, &CompareFormulationsWindow::Recompute);
  connect(&feed_, &ShownStateFeed::displayChanged, this, &CompareFormulationsWindow::Refresh);
  Recompute();
}

void CompareFormulationsWindow::Recompute() {
  comparison_.reset();
  if (feed_.State()) {
    const auto [first, second] = InputsOf(*feed_.State());
    comparison_ = analysis::CompareFormulations(feed_.State()->pair, first, second, libraries_);
  }
  Refresh();
}

void CompareFormulationsWindow::Refresh() {
  const analysis::DisplayUnits& units = feed_.Units();
  if (!comparison_) {
    shown_ = analysis::ComparisonRows(analysis::FormulationComparison{}, units, threshold_->value());
    shown_.table.rows.clear();
    shown_.differs.clear();
    inputs_->setText(QStringLiteral("No computed state: press Compute in the main window."));
    refusals_->clear();
  } else {
    shown_ = analysis::ComparisonRows(*comparison_, units, threshold_->value());
    const steam::SteamState& state = *feed_.State();
    const auto [first, second] = InputsOf(state);
    const QString pair = QString::fromLatin1(analysis::PairSymbols(state.pair));
    const steam::Result firstResult =
        pair.startsWith('T') ? steam::Result::Temperature : steam::Result::Pressure;
    const steam::Result secondResult = [&] {
      switch (pair.back().toLatin1()) {
        case 'p': return steam::Result::Pressure;
        case 'x': return steam::Result::Quality;
        case 'h': return steam::Result::Enthalpy;
        default: return steam::Result::Entropy;
      }
    }();
    auto valueText = [&units](steam::Result result, double value) {
      const std::string label = units.Label(result);
      return QString::fromStdString(units.Text(result, value) + (label == "-" ? "" : " " + label));
    };
    inputs_->setText(QStringLiteral("Inputs %1: %2, %3")
                         .arg(pair, valueText(firstResult, first),
                              valueText(secondResult, second)));
    QStringList refusals;
    for (const analysis::FormulationSide* side : {&comparison_->if97, &comparison_->ifc67}) {
      if (side->state) continue;
      refusals << QStringLiteral("%1 gives no state: %2")
                      .arg(QString::fromLatin1(analysis::FormulationName(side->formulation)),
                           QString::fromStdString(side->refusal));
    }
    refusals_->setText(refusals.join(QLatin1Char('\n')));
  }
  FillTable(*table_, shown_.table);
  QFont bold = table_->font();
  bold.setBold(true);
  for (int row = 0; row < table_->rowCount(); ++row) {
    if (!shown_.differs[static_cast<std::size_t>(row)]) continue;
    for (int column = 0; column < table_->columnCount(); ++column) {
      table_->item(row, column)->setFont(bold);
    }
  }
  table_->resizeColumnsToContents();
  copy_->setEnabled(comparison_.has_value());
}

}  // namespace platform
