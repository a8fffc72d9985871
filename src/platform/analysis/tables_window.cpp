#include "platform/analysis/tables_window.h"

#include "analysis/sweep_range.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

using analysis::SweepKind;

struct KindChoice {
  SweepKind kind;
  const char* caption;
};

constexpr KindChoice kKinds[] = {
    {SweepKind::SaturationByTemperature, "Saturation by temperature"},
    {SweepKind::SaturationByPressure, "Saturation by pressure"},
    {SweepKind::Grid, "Superheat and compressed-liquid grid"},
    {SweepKind::IsobarSweep, "Isobar sweep"},
    {SweepKind::IsothermSweep, "Isotherm sweep"},
};

// The desktop's decimal mark, where it is one byte.
char DesktopDecimalMark() {
  const QString mark = QLocale().decimalPoint();
  return mark.size() == 1 && mark.at(0).unicode() < 128 ? static_cast<char>(mark.at(0).unicode())
                                                        : '.';
}

// Example ranges a new table of the kind starts with, in the units of the
// main window's lists.
void ExampleRanges(SweepKind kind, bool si, QLineEdit& temperatures, QLineEdit& pressures) {
  switch (kind) {
    case SweepKind::SaturationByTemperature:
      temperatures.setText(si ? analysis::kTextbookSi : analysis::kTextbookIp);
      break;
    case SweepKind::SaturationByPressure:
      pressures.setText(si ? QStringLiteral("1:221:10 Bar") : QStringLiteral("50:3200:50 psia"));
      break;
    case SweepKind::Grid:
      pressures.setText(si ? QStringLiteral("1,5,10,20,30 Bar") : QStringLiteral("15,100,500,1000,5000 psia"));
      temperatures.setText(si ? QStringLiteral("50:600:50 \u00B0C") : QStringLiteral("100:1200:100 \u00B0F"));
      break;
    case SweepKind::IsobarSweep:
      pressures.setText(si ? QStringLiteral("10 Bar") : QStringLiteral("150 psia"));
      temperatures.setText(si ? QStringLiteral("20:400:20 \u00B0C") : QStringLiteral("50:800:25 \u00B0F"));
      break;
    case SweepKind::IsothermSweep:
      temperatures.setText(si ? QStringLiteral("200 \u00B0C") : QStringLiteral("400 \u00B0F"));
      pressures.setText(si ? QStringLiteral("0.1:100:5 Bar") : QStringLiteral("1:1000:5 psia"));
      break;
  }
}

}  // namespace

TablesWindow::TablesWindow(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
                           steam::PropertyLibraries& libraries)
    : AnalysisWindow(mainWindow, settings, "TablesAndSweeps", QStringLiteral("Tables and Sweeps")),
      libraries_(libraries) {
  model_ = new SweepTableModel(this);
  model_->SetDecimalMark(DesktopDecimalMark());
  runner_ = new SweepRunner(this);

  kind_ = new QComboBox(this);
  for (const KindChoice& choice : kKinds) kind_->addItem(QString::fromUtf8(choice.caption));
  preset_ = new QComboBox(this);
  preset_->addItems({QString(), QString::fromUtf8(analysis::kTextbookSi),
                     QString::fromUtf8(analysis::kTextbookIp)});
  temperaturesLabel_ = new QLabel(this);
  pressuresLabel_ = new QLabel(this);
  temperatures_ = new QLineEdit(this);
  pressures_ = new QLineEdit(this);
  temperaturesLabel_->setBuddy(temperatures_);
  pressuresLabel_->setBuddy(pressures_);
  logarithmic_ = new QCheckBox(QStringLiteral("logarithmic"), this);
  columns_ = new QToolButton(this);
  columns_->setText(QStringLiteral("Co&lumns"));
  columns_->setPopupMode(QToolButton::InstantPopup);
  columnsMenu_ = new QMenu(columns_);
  columns_->setMenu(columnsMenu_);
  compute_ = new QPushButton(QStringLiteral("&Make Table"), this);
  compute_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setEnabled(false);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 1);
  progress_->setValue(0);
  grid_ = new QTableView(this);
  grid_->setModel(model_);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid_->horizontalHeader()->setDefaultSectionSize(150);
  // Sizing a column to its contents reads the rows in view only: reading a
  // thousand rows of every column would stall the window.
  grid_->horizontalHeader()->setResizeContentsPrecision(0);
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  copy_ = new QPushButton(QStringLiteral("&Copy"), this);
  save_ = new QPushButton(QStringLiteral("&Save as CSV..."), this);
  spreadsheetStyle_ = new QCheckBox(QStringLiteral("semicolon and the desktop's decimal mark"), this);

  auto* form = new QGridLayout;
  form->addWidget(new QLabel(QStringLiteral("Kind:"), this), 0, 0);
  form->addWidget(kind_, 0, 1);
  auto* presetLabel = new QLabel(QStringLiteral("&Preset:"), this);
  presetLabel->setBuddy(preset_);
  auto* presetRow = new QHBoxLayout;
  presetRow->addWidget(presetLabel);
  presetRow->addWidget(preset_, 1);
  form->addLayout(presetRow, 0, 2);
  form->addWidget(temperaturesLabel_, 1, 0);
  form->addWidget(temperatures_, 1, 1);
  form->addWidget(logarithmic_, 1, 2);
  form->addWidget(pressuresLabel_, 2, 0);
  form->addWidget(pressures_, 2, 1);
  form->addWidget(columns_, 2, 2);
  form->setColumnStretch(1, 1);

  auto* run = new QHBoxLayout;
  run->addWidget(compute_);
  run->addWidget(cancel_);
  run->addWidget(progress_, 1);

  auto* output = new QHBoxLayout;
  output->addWidget(copy_);
  output->addWidget(save_);
  output->addWidget(spreadsheetStyle_);
  output->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(run);
  layout->addWidget(grid_, 1);
  layout->addWidget(note_);
  layout->addLayout(output);

  connect(kind_, &QComboBox::currentIndexChanged, this, [this] { KindChanged(); });
  connect(preset_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index <= 0) return;
    kind_->setCurrentIndex(0);
    temperatures_->setText(preset_->currentText());
  });
  for (QLineEdit* field : {temperatures_, pressures_}) {
    connect(field, &QLineEdit::textEdited, this, [this] { examplesShown_ = false; });
  }
  connect(compute_, &QPushButton::clicked, this, [this] { Compute(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Cancel(); });
  connect(copy_, &QPushButton::clicked, this, [this] { CopyRows(); });
  connect(save_, &QPushButton::clicked, this, [this] { SaveAs(); });
  auto* copyKey = new QShortcut(QKeySequence::Copy, grid_);
  copyKey->setContext(Qt::WidgetShortcut);
  connect(copyKey, &QShortcut::activated, this, [this] { CopyRows(); });
  connect(runner_, &SweepRunner::rowsArrived, this,
          [this](const std::vector<analysis::SweepChunk>& chunks) {
            const bool first = model_->rowCount() == 0;
            model_->Append(chunks);
            // Columns as wide as their headers and first rows need.
            if (first) grid_->resizeColumnsToContents();
          });
  connect(runner_, &SweepRunner::progressed, this, [this](qulonglong done, qulonglong total) {
    progress_->setRange(0, static_cast<int>(std::max<qulonglong>(total, 1)));
    progress_->setValue(static_cast<int>(done));
  });
  connect(runner_, &SweepRunner::finished, this,
          [this](const analysis::SweepSummary& summary) { Finished(summary); });

  resize(1100, 640);
  KindChanged();
}

TablesWindow::~TablesWindow() { runner_->Stop(); }

void TablesWindow::KindChanged() {
  const SweepKind kind = kKinds[std::max(kind_->currentIndex(), 0)].kind;
  temperaturesLabel_->setText(kind == SweepKind::IsothermSweep ? QStringLiteral("&Temperature:")
                                                               : QStringLiteral("&Temperatures:"));
  pressuresLabel_->setText(kind == SweepKind::IsobarSweep ? QStringLiteral("P&ressure:")
                                                          : QStringLiteral("P&ressures:"));
  temperatures_->setEnabled(analysis::UsesTemperatures(kind));
  pressures_->setEnabled(analysis::UsesPressures(kind));
  temperatures_->clear();
  pressures_->clear();
  const bool si = units_.Of(units::Quantity::Temperature) != 0;
  ExampleRanges(kind, si, *temperatures_, *pressures_);
  examplesShown_ = true;
  ChooseColumns(kind);
}

void TablesWindow::ChooseColumns(SweepKind kind) {
  columnsMenu_->clear();
  const std::vector<analysis::SweepColumn> offered = analysis::AvailableColumns(kind);
  const std::vector<analysis::SweepColumn> defaults = analysis::DefaultColumns(kind);
  for (std::size_t i = 1; i < offered.size(); ++i) {
    QAction* action = columnsMenu_->addAction(QString::fromStdString(offered[i].key));
    action->setCheckable(true);
    action->setChecked(std::any_of(defaults.begin(), defaults.end(), [&](const auto& column) {
      return column.key == offered[i].key;
    }));
  }
}

std::vector<analysis::SweepColumn> TablesWindow::ChosenColumns() const {
  const SweepKind kind = kKinds[std::max(kind_->currentIndex(), 0)].kind;
  std::string keys;
  // The defaults' order where the default columns are chosen, then the rest.
  for (const analysis::SweepColumn& column : analysis::DefaultColumns(kind)) {
    for (QAction* action : columnsMenu_->actions()) {
      if (action->isChecked() && action->text().toStdString() == column.key) keys += column.key + ",";
    }
  }
  for (QAction* action : columnsMenu_->actions()) {
    if (action->isChecked()) keys += action->text().toStdString() + ",";
  }
  return *analysis::ColumnsNamed(kind, keys, nullptr);
}

analysis::SweepForm TablesWindow::Form() const {
  analysis::SweepForm form;
  form.kind = kKinds[std::max(kind_->currentIndex(), 0)].kind;
  form.formulation = formulation_;
  form.temperatures = temperatures_->text().toStdString();
  form.pressures = pressures_->text().toStdString();
  form.logarithmic = logarithmic_->isChecked();
  form.columns = ChosenColumns();
  form.units = units_;
  return form;
}

void TablesWindow::Compute() {
  runner_->Stop();
  notes_.clear();
  status_.clear();
  const analysis::FormRequest asked = analysis::RequestFromForm(Form());
  if (!asked.error.empty()) {
    status_ = QString::fromStdString(asked.error);
    ShowNote();
    return;
  }
  // Both libraries bound and set to the program's units before the sweep's
  // thread computes with them.
  analysis::PrepareLibraries(libraries_);
  const analysis::SweepOutline outline = analysis::OutlineSweep(asked.request, libraries_);
  if (!outline.error.empty() || outline.rowCount > kMaxRows) {
    status_ = !outline.error.empty()
                  ? QString::fromStdString(outline.error)
                  : QStringLiteral("The table would have %1 rows; the window computes up to %2.")
                        .arg(outline.rowCount)
                        .arg(kMaxRows);
    ShowNote();
    return;
  }
  notes_ = outline.notes;
  model_->Reset(asked.request.kind, asked.request.columns);
  model_->SetUnits(units_);
  progress_->setRange(0, static_cast<int>(std::max<std::size_t>(outline.rowCount, 1)));
  progress_->setValue(0);
  status_ = QStringLiteral("Computing %1 rows...").arg(outline.rowCount);
  ShowNote();
  shown_ = true;
  compute_->setEnabled(false);
  cancel_->setEnabled(true);
  runner_->Start(asked.request, libraries_);
}

void TablesWindow::Cancel() { runner_->Cancel(); }

void TablesWindow::StopSweep() { runner_->Stop(); }

void TablesWindow::Finished(const analysis::SweepSummary& summary) {
  compute_->setEnabled(true);
  cancel_->setEnabled(false);
  const std::size_t rows = model_->Table().RowCount();
  status_ = summary.cancelled ? QStringLiteral("Cancelled: the first %1 rows are kept.").arg(rows)
                              : QStringLiteral("%1 rows.").arg(rows);
  if (summary.refusedRows > 0) {
    status_ += QStringLiteral(" %1 rows have no state; their message says why.").arg(summary.refusedRows);
  }
  ShowNote();
}

void TablesWindow::ShowNote() {
  QStringList lines;
  for (const std::string& note : notes_) lines << QString::fromStdString(note);
  if (!status_.isEmpty()) lines << status_;
  note_->setText(lines.join(QLatin1Char('\n')));
}

void TablesWindow::Follow(steam::Formulation formulation, const analysis::TableUnits& units) {
  const bool formulationChanged = formulation != formulation_;
  if (formulationChanged || units.unit != units_.unit) runner_->Stop();
  formulation_ = formulation;
  const bool systemChanged = units.Of(units::Quantity::Temperature) != units_.Of(units::Quantity::Temperature);
  units_ = units;
  model_->SetUnits(units);
  if (systemChanged && examplesShown_) {
    const bool si = units_.Of(units::Quantity::Temperature) != 0;
    ExampleRanges(kKinds[std::max(kind_->currentIndex(), 0)].kind, si, *temperatures_, *pressures_);
  }
  if (formulationChanged && shown_) Compute();
}

void TablesWindow::CopyRows() {
  const analysis::SweepTable& table = model_->Table();
  if (table.RowCount() == 0) return;
  std::size_t first = table.RowCount(), end = 0;
  for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
    first = std::min(first, static_cast<std::size_t>(index.row()));
    end = std::max(end, static_cast<std::size_t>(index.row()) + 1);
  }
  if (end == 0) first = 0, end = table.RowCount();
  const analysis::DelimitedStyle style{'\t', model_->DecimalMark()};
  std::string text;
  analysis::AppendDelimitedHeader(text, table, model_->Units(), style);
  analysis::AppendDelimitedRows(text, table, model_->Units(), style, first, end);
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(text));
  data->setHtml(QString::fromStdString(
      analysis::HtmlTable(table, model_->Units(), model_->DecimalMark(), first, end)));
  QApplication::clipboard()->setMimeData(data);
}

bool TablesWindow::SaveCsv(const QString& path) {
  const analysis::SweepTable& table = model_->Table();
  const bool spreadsheet = spreadsheetStyle_->isChecked();
  const analysis::DelimitedStyle style =
      spreadsheet ? analysis::DelimitedStyle{';', model_->DecimalMark()}
                  : analysis::DelimitedStyle{',', '.'};
  // QSaveFile writes beside the target and renames at commit, so a failure
  // part way leaves any earlier file as it was.
  QSaveFile file(path);
  bool written = file.open(QIODevice::WriteOnly);
  std::string text;
  analysis::AppendDelimitedHeader(text, table, model_->Units(), style);
  constexpr std::size_t kRowsPerWrite = 4096;
  for (std::size_t row = 0; written && row <= table.RowCount(); row += kRowsPerWrite) {
    analysis::AppendDelimitedRows(text, table, model_->Units(), style, row, row + kRowsPerWrite);
    written = file.write(text.data(), static_cast<qint64>(text.size())) ==
              static_cast<qint64>(text.size());
    text.clear();
  }
  written = written && file.commit();
  if (!written) {
    status_ = QStringLiteral("The table could not be saved: %1").arg(file.errorString());
    ShowNote();
  }
  return written;
}

void TablesWindow::SaveAs() {
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as CSV"), QString(),
                                                    QStringLiteral("CSV files (*.csv)"));
  if (!path.isEmpty()) SaveCsv(path);
}

}  // namespace platform
