#include "platform/analysis/pinned_states_window.h"

#include "analysis/pin_table.h"
#include "platform/analysis/analysis_table_view.h"
#include "platform/main_window_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace platform {

PinnedStatesWindow::PinnedStatesWindow(MainWindowWidget& mainWindow,
                                       shell::SettingsStore& settings, ShownStateFeed& feed,
                                       analysis::PinStore& store)
    : AnalysisWindow(mainWindow, settings, "Pins", QStringLiteral("Pinned States")),
      feed_(feed),
      store_(store),
      table_(new QTableWidget(this)),
      previous_(new QCheckBox(QStringLiteral("Differences to the &previous row"), this)) {
  tell = [this](const QString& text) {
    QMessageBox::information(isVisible() ? static_cast<QWidget*>(this) : parentWidget(),
                             QStringLiteral("Hydrelix"), text);
  };
  confirm = [this](const QString& question) {
    return QMessageBox::question(this, QStringLiteral("Hydrelix"), question) == QMessageBox::Yes;
  };

  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);

  auto* buttons = new QHBoxLayout;
  auto addButton = [this, buttons](const QString& caption, const QString& name, auto action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, action);
  };
  addButton(QStringLiteral("&Remove"), QStringLiteral("remove"), [this] {
    if (const auto row = Selected()) {
      pins_.Remove(*row);
      Changed(pins_.Count() == 0 ? std::nullopt
                                 : std::optional<std::size_t>(std::min(*row, pins_.Count() - 1)));
    }
  });
  addButton(QStringLiteral("&Up"), QStringLiteral("up"), [this] {
    if (const auto row = Selected(); row && *row > 0) {
      pins_.MoveUp(*row);
      Changed(*row - 1);
    }
  });
  addButton(QStringLiteral("&Down"), QStringLiteral("down"), [this] {
    if (const auto row = Selected(); row && *row + 1 < pins_.Count()) {
      pins_.MoveDown(*row);
      Changed(*row + 1);
    }
  });
  addButton(QStringLiteral("Set &reference"), QStringLiteral("reference"), [this] {
    if (const auto row = Selected()) {
      pins_.SetReference(*row);
      Changed(*row);
    }
  });
  buttons->addStretch();
  addButton(QStringLiteral("&Copy"), QStringLiteral("copy"), [this] { CopyTable(shown_); });
  addButton(QStringLiteral("C&lear All..."), QStringLiteral("clear"), [this] {
    if (pins_.Count() == 0) return;
    if (!confirm(QStringLiteral("Remove all %1 pinned states?").arg(pins_.Count()))) return;
    pins_.Clear();
    Changed(std::nullopt);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(previous_);
  layout->addLayout(buttons);

  connect(previous_, &QCheckBox::toggled, this, [this](bool previous) {
    pins_.SetBase(previous ? analysis::DifferenceBase::Previous
                           : analysis::DifferenceBase::Reference);
    Changed(Selected());
  });
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || item->column() != analysis::kPinNameColumn) return;
    const std::size_t row = static_cast<std::size_t>(item->row());
    pins_.Rename(row, item->text().toStdString());
    Changed(row);
  });
  connect(&feed_, &ShownStateFeed::displayChanged, this, &PinnedStatesWindow::Refresh);

  analysis::PinLoad load = store_.Load();
  pins_ = std::move(load.pins);
  loadNotice_ = std::move(load.notice);
  {
    const QSignalBlocker blocker(previous_);
    previous_->setChecked(pins_.Base() == analysis::DifferenceBase::Previous);
  }
  Refresh();
  // Told once the main window is up, not over the splash or the disclaimer.
  if (!loadNotice_.empty()) {
    // ... and once no modal window (the disclaimer) waits for an answer.
    auto tellNotice = [this] {
      auto* wait = new QTimer(this);
      wait->setInterval(200);
      connect(wait, &QTimer::timeout, this, [this, wait] {
        if (QApplication::activeModalWidget() != nullptr) return;
        wait->deleteLater();
        wait->stop();
        tell(QString::fromStdString(loadNotice_));
      });
      wait->start();
    };
    if (mainWindow.isVisible()) {
      tellNotice();
    } else {
      auto connection = std::make_shared<QMetaObject::Connection>();
      *connection = connect(&mainWindow, &MainWindowWidget::visibilityApplied, this,
                            [connection, tellNotice](bool visible) {
                              if (!visible) return;
                              QObject::disconnect(*connection);
                              tellNotice();
                            });
    }
  }
}

QPushButton& PinnedStatesWindow::Button(const QString& objectName) const {
  return *findChild<QPushButton*>(objectName);
}

bool PinnedStatesWindow::PinShownState() {
  if (!feed_.State()) return false;
  return PinState(*feed_.State(), {});
}

bool PinnedStatesWindow::PinState(const steam::SteamState& state, const std::string& name) {
  const std::optional<std::size_t> row = pins_.Add(state);
  if (row && !name.empty()) pins_.Rename(*row, name);
  if (!row) {
    tell(QStringLiteral("%1 states are pinned, as many as the list holds. Remove one to pin "
                        "another.")
             .arg(analysis::PinnedStates::kCapacity));
    return false;
  }
  Changed(*row);
  return true;
}

std::optional<std::size_t> PinnedStatesWindow::Selected() const {
  const int row = table_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= pins_.Count()) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void PinnedStatesWindow::Select(std::size_t row) {
  table_->setCurrentCell(static_cast<int>(row), analysis::kPinNameColumn);
}

void PinnedStatesWindow::Changed(std::optional<std::size_t> select) {
  if (!store_.Save(pins_)) TellOnce(analysis::SaveFailedMessage(store_.Location()), saveFailureTold_);
  Refresh();
  if (select) Select(*select);
  emit pinsChanged();
}

void PinnedStatesWindow::TellOnce(const std::string& notice, bool& told) {
  if (told) return;
  told = true;
  tell(QString::fromStdString(notice));
}

void PinnedStatesWindow::Refresh() {
  const std::optional<std::size_t> selected = Selected();
  shown_ = analysis::PinTable(pins_, feed_.Units());
  filling_ = true;
  FillTable(*table_, shown_);
  QFont bold = table_->font();
  bold.setBold(true);
  for (std::size_t row = 0; row < pins_.Count(); ++row) {
    const analysis::Pin& pin = pins_.Pins()[row];
    const int tableRow = static_cast<int>(row);
    table_->item(tableRow, analysis::kPinNameColumn)
        ->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    for (int column = 0; column < table_->columnCount(); ++column) {
      const std::optional<steam::Result> result = analysis::PinColumnResult(column);
      if (!result || !pin.IsInput(*result)) continue;
      // The inputs in bold with a tip: marked without relying on colour.
      table_->item(tableRow, column)->setFont(bold);
      table_->item(tableRow, column)->setToolTip(QStringLiteral("input"));
    }
  }
  filling_ = false;
  table_->resizeColumnsToContents();
  if (selected && *selected < pins_.Count()) Select(*selected);
}

}  // namespace platform
