#include "platform/analysis/state_details_window.h"

#include "analysis/formulation_names.h"
#include "analysis/state_details.h"
#include "platform/analysis/analysis_table_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace platform {

StateDetailsWindow::StateDetailsWindow(MainWindowWidget& mainWindow,
                                       shell::SettingsStore& settings, ShownStateFeed& feed)
    : AnalysisWindow(mainWindow, settings, "StateDetails", QStringLiteral("State Details")),
      feed_(feed),
      status_(new QLabel(this)),
      table_(new QTableWidget(this)),
      copy_(new QPushButton(QStringLiteral("&Copy"), this)) {
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copy_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(table_);
  layout->addLayout(buttons);

  connect(copy_, &QPushButton::clicked, this, [this] { CopyTable(shown_); });
  connect(&feed_, &ShownStateFeed::stateShown, this, &StateDetailsWindow::Refresh);
  connect(&feed_, &ShownStateFeed::stateCleared, this, &StateDetailsWindow::Refresh);
  connect(&feed_, &ShownStateFeed::displayChanged, this, &StateDetailsWindow::Refresh);
  Refresh();
}

void StateDetailsWindow::Refresh() {
  if (feed_.State()) {
    shown_ = analysis::StateDetailsRows(*feed_.State(), feed_.Units());
    status_->setText(QStringLiteral("%1, from %2")
                         .arg(QString::fromLatin1(analysis::FormulationName(feed_.State()->formulation)),
                              QString::fromLatin1(analysis::PairSymbols(feed_.State()->pair))));
  } else {
    shown_ = analysis::TextTable{{"Property", "Value", "Unit"}, {}};
    status_->setText(QStringLiteral("No computed state: press Compute in the main window."));
  }
  FillTable(*table_, shown_);
  table_->resizeColumnsToContents();
  copy_->setEnabled(feed_.State().has_value());
}

}  // namespace platform
