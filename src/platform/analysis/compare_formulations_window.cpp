#include "platform/analysis/compare_formulations_window.h"

#include "analysis/formulation_names.h"
#include "platform/analysis/analysis_table_view.h"
#include "shell/settings_schema.h"

#include <QDoubleSpinBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace platform {

CompareFormulationsWindow::CompareFormulationsWindow(MainWindowWidget& mainWindow,
                                                     shell::SettingsStore& settings,
                                                     ShownStateFeed& feed,
                                                     steam::PropertyLibraries& libraries)
    : AnalysisWindow(mainWindow, settings, "CompareFormulations",
                     QStringLiteral("Compare Formulations")),
      settings_(settings),
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
  // A saved threshold is written with a "." whatever the desktop's decimal
  // mark; one that does not read as a number gives the default.
  bool read = false;
  const double saved =
      QString::fromStdString(shell::ReadSetting(settings_, shell::kCompareThresholdSetting))
          .toDouble(&read);
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

  connect(copy_, &QPushButton::clicked, this, [this] { CopyTable(shown_.table); });
  connect(threshold_, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double value) {
    shell::WriteSetting(settings_, shell::kCompareThresholdSetting,
                        QString::number(value).toStdString());
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
    comparison_ = analysis::CompareFormulationsOf(*feed_.State(), libraries_);
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
    inputs_->setText(QString::fromStdString(analysis::InputsCaption(*feed_.State(), units)));
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
