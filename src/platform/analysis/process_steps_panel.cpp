// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/analysis/process_steps_panel.h"

#include "analysis/process_units.h"
#include "units/flow_power_units.h"
#include "units/number_text.h"
#include "units/unit_catalogue.h"
#include "units/unit_names.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace platform {
namespace {

using analysis::OptionValue;
using analysis::ProcessKind;

constexpr ProcessKind kKinds[] = {ProcessKind::Expand, ProcessKind::Compress,
                                  ProcessKind::Throttle, ProcessKind::Calorimeter,
                                  ProcessKind::Heat, ProcessKind::Flash};

const char* TabCaption(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::Expand: return "&Turbine";
    case ProcessKind::Compress: return "&Pump";
    case ProcessKind::Throttle: return "&Valve";
    case ProcessKind::Calorimeter: return "&Calorimeter";
    case ProcessKind::Heat: return "&Heater";
    case ProcessKind::Flash: return "&Flash Tank";
  }
  return "";
}

// What a step does when a field is left empty.
QString Placeholder(ProcessKind kind, const std::string& name) {
  if (name == "efficiency") return kind == ProcessKind::Expand ? "85" : "75";
  if (kind == ProcessKind::Heat && name == "p2") return "the inlet's";
  return {};
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

void Fill(QTableWidget& table, const std::vector<std::string>& header,
          const std::vector<std::vector<std::string>>& rows) {
  table.clear();
  table.setColumnCount(static_cast<int>(header.size()));
  table.setRowCount(static_cast<int>(rows.size()));
  QStringList labels;
  for (const std::string& caption : header) labels << Text(caption);
  table.setHorizontalHeaderLabels(labels);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(Text(rows[r][c]));
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table.setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  table.resizeColumnsToContents();
}

}  // namespace

ProcessStepsPanel::ProcessStepsPanel(steam::PropertyLibraries& libraries, QWidget* parent)
    : QWidget(parent), libraries_(libraries) {
  auto* layout = new QVBoxLayout(this);

  auto* inletRow = new QHBoxLayout;
  auto* inletLabel = new QLabel(tr("&Inlet:"), this);
  inletChoice_ = new QComboBox(this);
  inletLabel->setBuddy(inletChoice_);
  inletRow->addWidget(inletLabel);
  inletRow->addWidget(inletChoice_, 1);
  layout->addLayout(inletRow);
  inletSummary_ = new QLabel(this);
  inletSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(inletSummary_);

  // The step's fields beside its figures, the states below both.
  auto* stepRow = new QHBoxLayout;
  tabs_ = new QTabWidget(this);
  for (ProcessKind kind : kKinds) tabs_->addTab(BuildTab(kind), tr(TabCaption(kind)));
  // Every step's tab in sight: the window is as wide as its tabs.
  tabs_->tabBar()->setUsesScrollButtons(false);
  stepRow->addWidget(tabs_, 3);
  figures_ = new QTableWidget(this);
  figures_->verticalHeader()->hide();
  figures_->setSelectionMode(QAbstractItemView::NoSelection);
  stepRow->addWidget(figures_, 2);
  layout->addLayout(stepRow);

  auto* computeRow = new QHBoxLayout;
  auto* compute = new QPushButton(tr("C&ompute"), this);
  compute->setDefault(true);
  computeRow->addWidget(compute);
  message_ = new QLabel(this);
  message_->setWordWrap(true);
  computeRow->addWidget(message_, 1);
  layout->addLayout(computeRow);

  states_ = new QTableWidget(this);
  states_->setSelectionBehavior(QAbstractItemView::SelectRows);
  states_->setSelectionMode(QAbstractItemView::SingleSelection);
  states_->verticalHeader()->hide();
  layout->addWidget(states_, 1);

  auto* buttons = new QHBoxLayout;
  pin_ = new QPushButton(tr("Pi&n State"), this);
  send_ = new QPushButton(tr("&Send to Main Window"), this);
  copy_ = new QPushButton(tr("Cop&y"), this);
  // Shown once the window has pins to keep states in (SetPinning).
  pin_->hide();
  buttons->addWidget(pin_);
  buttons->addWidget(send_);
  buttons->addStretch(1);
  buttons->addWidget(copy_);
  layout->addLayout(buttons);

  connect(compute, &QPushButton::clicked, this, &ProcessStepsPanel::Compute);
  connect(inletChoice_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
    ShowInlet();
    for (analysis::ProcessResult& result : results_) result = analysis::ProcessResult{};
    ShowResult();
  });
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { ShowResult(); });
  connect(pin_, &QPushButton::clicked, this, [this] {
    if (const steam::SteamState* state = SelectedState()) emit pinRequested(*state);
  });
  connect(send_, &QPushButton::clicked, this, [this] {
    if (const steam::SteamState* state = SelectedState()) emit sendRequested(*state);
  });
  connect(copy_, &QPushButton::clicked, this, [this] {
    const analysis::CopiedTexts copied = CopiedResult();
    auto* data = new QMimeData;
    data->setText(Text(copied.text));
    data->setHtml(Text(copied.html));
    QApplication::clipboard()->setMimeData(data);
  });
  connect(states_, &QTableWidget::itemSelectionChanged, this, [this] {
    const bool any = SelectedState() != nullptr;
    pin_->setEnabled(any);
    send_->setEnabled(any);
  });

  SetMainState(std::nullopt);
  RelabelFields();
  ClearResult();
}

QWidget* ProcessStepsPanel::BuildTab(ProcessKind kind) {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  for (const analysis::ProcessOption* option : analysis::OptionsOf(kind)) {
    auto* label = new QLabel(page);
    auto* edit = new QLineEdit(page);
    edit->setPlaceholderText(Placeholder(kind, option->name));
    label->setBuddy(edit);
    form->addRow(label, edit);
    fields_[{static_cast<int>(kind), option->name}] = {label, edit};
    connect(edit, &QLineEdit::returnPressed, this, &ProcessStepsPanel::Compute);
  }
  return page;
}

void ProcessStepsPanel::RelabelFields() {
  for (auto& [key, widgets] : fields_) {
    const analysis::ProcessOption* option = analysis::FindProcessOption(key.second);
    std::string unit;
    switch (option->value) {
      case OptionValue::Pressure:
        unit = units::UnitLabel(units::Quantity::Pressure, display_.pressure);
        break;
      case OptionValue::Temperature:
        unit = units::UnitLabel(units::Quantity::Temperature, display_.temperature);
        break;
      case OptionValue::Enthalpy:
        unit = units::UnitLabel(units::Quantity::Enthalpy, display_.enthalpy);
        break;
      case OptionValue::Quality:
        break;
      case OptionValue::Percent:
        unit = "%";
        break;
      case OptionValue::Flow:
        unit = (*units::UnitLabels(units::kFlowRateTag))[static_cast<std::size_t>(
            units::SystemFlowUnit(display_.si))];
        break;
    }
    std::string caption = option->caption;
    if (key.first == static_cast<int>(ProcessKind::Flash) && key.second == "p2")
      caption = "Tank pressure";
    if (!unit.empty()) caption += " [" + unit + "]";
    widgets.first->setText(Text(caption + ":"));
  }
}

void ProcessStepsPanel::SetMainState(const std::optional<steam::SteamState>& state) {
  mainState_ = state;
  ListInlets();
  // The results of the main window's former state no longer hold.
  if (inletChoice_->currentIndex() == 0) {
    for (analysis::ProcessResult& result : results_) result = analysis::ProcessResult{};
    ShowResult();
  }
}

void ProcessStepsPanel::ListInlets() {
  const int chosen = inletChoice_->currentIndex();
  const QSignalBlocker blocker(inletChoice_);
  inletChoice_->clear();
  inletChoice_->addItem(mainState_ ? tr("Main window state")
                                   : tr("Main window state (none computed)"));
  for (const auto& [name, pin] : pins_) inletChoice_->addItem(Text(name));
  inletChoice_->setCurrentIndex(chosen >= 0 && chosen < inletChoice_->count() ? chosen : 0);
  ShowInlet();
}

void ProcessStepsPanel::SetPins(const std::vector<std::pair<std::string, steam::SteamState>>& pins) {
  pins_ = pins;
  ListInlets();
}

void ProcessStepsPanel::SetDisplay(const analysis::ProcessDisplay& display) {
  display_ = display;
  RelabelFields();
  ShowInlet();
  ShowResult();
}

void ProcessStepsPanel::SetPinning(bool available) { pin_->setVisible(available); }

void ProcessStepsPanel::SetFormulation(steam::Formulation formulation) { formulation_ = formulation; }

void ProcessStepsPanel::SelectKind(ProcessKind kind) {
  tabs_->setCurrentIndex(static_cast<int>(kind));
}

const analysis::ProcessResult& ProcessStepsPanel::Result() const {
  return results_[static_cast<std::size_t>(tabs_->currentIndex())];
}

ProcessKind ProcessStepsPanel::Kind() const { return kKinds[tabs_->currentIndex()]; }

QLineEdit& ProcessStepsPanel::Field(ProcessKind kind, const std::string& name) const {
  return *fields_.at({static_cast<int>(kind), name}).second;
}

std::optional<steam::SteamState> ProcessStepsPanel::Inlet() const {
  const int chosen = inletChoice_->currentIndex();
  if (chosen <= 0) return mainState_;
  return pins_[static_cast<std::size_t>(chosen - 1)].second;
}

void ProcessStepsPanel::ShowInlet() {
  const std::optional<steam::SteamState> inlet = Inlet();
  inletSummary_->setText(inlet ? Text(analysis::StateSummary(*inlet, display_))
                               : tr("Compute a state in the main window, or pin one."));
}

std::optional<analysis::ProcessInputs> ProcessStepsPanel::ReadFields(ProcessKind kind) {
  analysis::ProcessInputs inputs;
  for (const analysis::ProcessOption* option : analysis::OptionsOf(kind)) {
    const std::string text = Field(kind, option->name).text().trimmed().toStdString();
    if (text.empty()) continue;
    const std::optional<double> number = units::ReadNumber(text, display_.locale);
    if (!number) {
      message_->setText(tr("%1 is not a number.").arg(Text(option->caption)));
      Field(kind, option->name).setFocus();
      return std::nullopt;
    }
    double si = *number;
    switch (option->value) {
      case OptionValue::Pressure:
        si = analysis::SiFromUnit(units::Quantity::Pressure, *number, display_.pressure);
        break;
      case OptionValue::Temperature:
        si = analysis::SiFromUnit(units::Quantity::Temperature, *number, display_.temperature);
        break;
      case OptionValue::Enthalpy:
        si = analysis::SiFromUnit(units::Quantity::Enthalpy, *number, display_.enthalpy);
        break;
      case OptionValue::Quality:
        break;
      case OptionValue::Percent:
        si = *number / 100.0;
        break;
      case OptionValue::Flow:
        si = units::FlowFromUnit(*number, units::SystemFlowUnit(display_.si));
        break;
    }
    inputs.*(option->field) = si;
  }
  return inputs;
}

void ProcessStepsPanel::Compute() {
  ClearResult();
  const ProcessKind kind = Kind();
  const std::optional<analysis::ProcessInputs> inputs = ReadFields(kind);
  if (!inputs) return;
  const std::optional<steam::SteamState> inlet = Inlet();
  if (!inlet && kind != ProcessKind::Calorimeter) {
    message_->setText(tr("Compute a state in the main window, or pin one."));
    return;
  }
  const steam::Formulation formulation = inlet ? inlet->formulation : formulation_;
  const analysis::ProcessDisplay display = display_;
  results_[static_cast<std::size_t>(tabs_->currentIndex())] = analysis::RunProcess(kind, formulation, inlet, *inputs, libraries_,
                                 [display](analysis::LimitQuantity quantity, double si) {
                                   return analysis::LimitInUnits(quantity, si, display.temperature,
                                                                 display.pressure, display.locale);
                                 });
  ShowResult();
  if (!Result().refusal) emit stepComputed(Result().path);
}

void ProcessStepsPanel::ClearResult() {
  results_[static_cast<std::size_t>(tabs_->currentIndex())] = analysis::ProcessResult{};
  ShowResult();
}

void ProcessStepsPanel::ShowResult() {
  const analysis::ProcessResult& result = Result();
  texts_ = analysis::TextsOf(result, display_);
  Fill(*states_, texts_.stateHeader, texts_.stateRows);
  Fill(*figures_, texts_.figureHeader, texts_.figureRows);
  QString message;
  if (result.refusal) message = Text(*result.refusal);
  for (const std::string& note : result.messages) message += Text(note);
  message_->setText(message);
  const bool any = !texts_.stateRows.empty();
  if (any) states_->selectRow(static_cast<int>(texts_.stateRows.size()) - 1);
  pin_->setEnabled(SelectedState() != nullptr);
  send_->setEnabled(SelectedState() != nullptr);
  copy_->setEnabled(any);
}

const steam::SteamState* ProcessStepsPanel::SelectedState() const {
  const QList<QTableWidgetItem*> selected = states_->selectedItems();
  if (selected.isEmpty()) return nullptr;
  const int row = selected.front()->row();
  if (row < 0 || static_cast<std::size_t>(row) >= texts_.rowStates.size()) return nullptr;
  return texts_.rowStates[static_cast<std::size_t>(row)];
}

analysis::CopiedTexts ProcessStepsPanel::CopiedResult() const { return analysis::CopyOf(texts_); }

}  // namespace platform
