// Analysis > Tables and Sweeps: saturation tables, superheat and
// compressed-liquid grids and sweeps along an isobar or an isotherm, computed
// off the window's thread and shown as they arrive, copied or saved as CSV.
// An Analysis window: non-modal, transient, Esc hides it (analysis_window.h).
#ifndef HYDRELIX_PLATFORM_ANALYSIS_TABLES_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_TABLES_WINDOW_H

#include "analysis/sweep_form.h"
#include "platform/analysis/analysis_window.h"
#include "platform/analysis/sweep_runner.h"
#include "platform/analysis/sweep_table_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;
class QMenu;

namespace platform {

class TablesWindow final : public AnalysisWindow {
 public:
  // The most rows the window computes for one table.
  static constexpr std::size_t kMaxRows = 1000000;

  // `mainWindow`, `settings` and `libraries` must outlive the window.
  TablesWindow(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
               steam::PropertyLibraries& libraries);
  ~TablesWindow() override;

  // The main window's formulation and units. A change of formulation
  // computes the shown table again; a change of units re-expresses it. Both
  // stop a running sweep first.
  void Follow(steam::Formulation formulation, const analysis::TableUnits& units);
  // Stops a running sweep and waits for it, before the libraries' units are
  // set again.
  void StopSweep();

  // What the window's controls would ask for.
  analysis::SweepForm Form() const;
  void Compute();
  void Cancel();
  void CopyRows();
  // Writes the table to `path` through a temporary file; false, with the
  // reason in the note line, when it cannot.
  bool SaveCsv(const QString& path);

  QComboBox* Kind() const { return kind_; }
  QLineEdit* Temperatures() const { return temperatures_; }
  QLineEdit* Pressures() const { return pressures_; }
  QCheckBox* Logarithmic() const { return logarithmic_; }
  QCheckBox* SpreadsheetStyle() const { return spreadsheetStyle_; }
  QPushButton* ComputeButton() const { return compute_; }
  QPushButton* CancelButton() const { return cancel_; }
  QProgressBar* Progress() const { return progress_; }
  QTableView* Grid() const { return grid_; }
  QLabel* Note() const { return note_; }
  const SweepTableModel& Model() const { return *model_; }
  bool Running() const { return runner_->Running(); }

  // Wide enough for a table's usual columns when first opened.
  QSize sizeHint() const override { return {1100, 640}; }

 private:
  void KindChanged();
  void ChooseColumns(analysis::SweepKind kind);
  void Finished(const analysis::SweepSummary& summary);
  void ShowNote();
  void SaveAs();
  std::vector<analysis::SweepColumn> ChosenColumns() const;

  steam::PropertyLibraries& libraries_;
  steam::Formulation formulation_ = steam::Formulation::IF97;
  analysis::TableUnits units_ = analysis::TableUnits::System(false);
  std::vector<std::string> notes_;
  QString status_;
  bool shown_ = false;
  // The range fields still hold the kind's examples, which follow the units.
  bool examplesShown_ = false;

  QComboBox* kind_ = nullptr;
  QComboBox* preset_ = nullptr;
  QLabel* temperaturesLabel_ = nullptr;
  QLabel* pressuresLabel_ = nullptr;
  QLineEdit* temperatures_ = nullptr;
  QLineEdit* pressures_ = nullptr;
  QCheckBox* logarithmic_ = nullptr;
  QToolButton* columns_ = nullptr;
  QMenu* columnsMenu_ = nullptr;
  QPushButton* compute_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* save_ = nullptr;
  QCheckBox* spreadsheetStyle_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTableView* grid_ = nullptr;
  QLabel* note_ = nullptr;
  SweepTableModel* model_ = nullptr;
  SweepRunner* runner_ = nullptr;
};

}  // namespace platform

#endif
