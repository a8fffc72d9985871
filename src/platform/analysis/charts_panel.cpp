#include "platform/analysis/charts_panel.h"

#include "analysis/chart_pinning.h"
#include "platform/analysis/chart_tab.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace platform {
namespace {

size_t IndexOf(analysis::ChartKind kind) { return static_cast<size_t>(kind); }

}  // namespace

ChartsPanel::ChartsPanel(steam::PropertyLibraries& libraries, analysis::ChartPinStore& pins,
                           QWidget* parent)
    : QWidget(parent), libraries_(libraries), pins_(pins), units_(analysis::ChartUnits::Of(system_)),
      tabs_(new QTabWidget(this)), readout_(new QLabel(this)) {
  for (analysis::ChartKind kind : analysis::kChartKinds) {
    auto* chart = new ChartTab(kind, tabs_);
    charts_[IndexOf(kind)] = chart;
    tabs_->addTab(chart, QString::fromUtf8(analysis::ChartTitle(kind)));
    connect(chart, &ChartTab::pointerMoved, readout_, &QLabel::setText);
    connect(chart, &ChartTab::pinRequested, this, &ChartsPanel::PinAt);
  }

  auto* buttons = new QHBoxLayout;
  auto addButton = [&](const QString& caption, auto action) {
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    buttons->addWidget(button);
  };
  addButton("&Reset view", [this] { CurrentTab().ResetView(); });
  addButton("Save as &PNG...", [this] {
    SaveWithDialog("Save as PNG", "PNG image (*.png)", ".png", &ChartsPanel::SavePng);
  });
  addButton("Save as P&DF...", [this] {
    SaveWithDialog("Save as PDF", "PDF document (*.pdf)", ".pdf", &ChartsPanel::SavePdf);
  });
  addButton("Save as &SVG...", [this] {
    SaveWithDialog("Save as SVG", "SVG image (*.svg)", ".svg", &ChartsPanel::SaveSvg);
  });
  addButton("&Copy image", [this] { CopyImage(); });
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_, 1);
  layout->addWidget(readout_);
  layout->addLayout(buttons);
  readout_->setText(" ");

  for (ChartTab* chart : charts_) chart->SetUnits(units_);
  Recompute();
}

void ChartsPanel::SetFormulation(steam::Formulation formulation) {
  if (formulation == formulation_) return;
  formulation_ = formulation;
  Recompute();
}

void ChartsPanel::SetUnits(analysis::UnitSystem system, const analysis::ChartUnits& units) {
  const bool newSystem = system != system_;
  if (!newSystem && units == units_) return;
  system_ = system;
  units_ = units;
  for (ChartTab* chart : charts_) chart->SetUnits(units_);
  // The set of isolines belongs to the unit system.
  if (newSystem) Recompute();
}

void ChartsPanel::ShowState(const steam::SteamState& state) {
  state_ = analysis::ChartMark{"State", analysis::ChartPointOf(state)};
  UpdateMarks();
}

void ChartsPanel::ClearState() {
  state_.reset();
  UpdateMarks();
}

void ChartsPanel::SetProcesses(std::vector<analysis::ChartProcess> processes) {
  processes_ = std::move(processes);
  UpdateMarks();
}

void ChartsPanel::PinsChanged() { UpdateMarks(); }

void ChartsPanel::SetDecimalMark(QChar mark) {
  if (mark == decimalMark_) return;
  decimalMark_ = mark;
  for (ChartTab* chart : charts_) chart->SetDecimalMark(mark);
}

ChartTab& ChartsPanel::Tab(analysis::ChartKind kind) const { return *charts_[IndexOf(kind)]; }

ChartTab& ChartsPanel::CurrentTab() const { return *charts_[tabs_->currentIndex()]; }

void ChartsPanel::ShowTab(analysis::ChartKind kind) { tabs_->setCurrentIndex(static_cast<int>(IndexOf(kind))); }

QString ChartsPanel::Readout() const { return readout_->text(); }

void ChartsPanel::Recompute() {
  auto lines = std::make_shared<const analysis::ChartLines>(analysis::ComputeChartLines(formulation_, system_));
  for (ChartTab* chart : charts_) chart->SetLines(lines);
}

void ChartsPanel::UpdateMarks() {
  const std::vector<analysis::ChartMark> pins = pins_.Marks();
  for (ChartTab* chart : charts_) chart->SetMarks(state_, pins, processes_);
}

void ChartsPanel::PinAt(analysis::ChartKind kind, double x, double y) {
  const std::optional<steam::SteamState> state = analysis::PinAt(formulation_, kind, x, y, libraries_);
  if (!state) {
    readout_->setText("No state of " + QString::fromUtf8(steam::FormulationTitle(formulation_)) +
                      " at this point.");
    return;
  }
  pins_.Pin(*state, analysis::ChartPinName(analysis::ChartShortTitle(kind), pins_.Marks()));
  UpdateMarks();
  emit statePinned();
}

bool ChartsPanel::SavePng(const QString& file) { return CurrentTab().SavePng(file); }
bool ChartsPanel::SavePdf(const QString& file) { return CurrentTab().SavePdf(file); }
bool ChartsPanel::SaveSvg(const QString& file) { return CurrentTab().SaveSvg(file); }

void ChartsPanel::CopyImage() { QApplication::clipboard()->setPixmap(CurrentTab().Image()); }

void ChartsPanel::SaveWithDialog(const QString& caption, const QString& filter, const QString& suffix,
                                  bool (ChartsPanel::*save)(const QString&)) {
  QString file = QFileDialog::getSaveFileName(this, caption, QString(), filter);
  if (file.isEmpty()) return;
  if (!file.endsWith(suffix, Qt::CaseInsensitive)) file += suffix;
  if (!(this->*save)(file)) {
    QMessageBox::warning(this, caption, "The chart could not be written to " + file + ".");
  }
}

}  // namespace platform
