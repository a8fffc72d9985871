// Analysis > Compare Formulations: the two inputs of the main window's state
// computed under IAPWS-IF97 and IFC-67 side by side, with differences and a
// "≠" mark past a threshold the user sets here (saved). The main window's
// formulation and fields are left as they are.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_COMPARE_FORMULATIONS_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_COMPARE_FORMULATIONS_WINDOW_H

#include "analysis/formulation_comparison.h"
#include "platform/analysis/analysis_window.h"
#include "platform/analysis/shown_state_feed.h"
#include "steam/property_libraries.h"

#include <optional>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace platform {

class CompareFormulationsWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  CompareFormulationsWindow(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
                            ShownStateFeed& feed, steam::PropertyLibraries& libraries);

  const analysis::ComparisonTable& Shown() const { return shown_; }
  QTableWidget& Table() const { return *table_; }
  QDoubleSpinBox& Threshold() const { return *threshold_; }
  QLabel& Refusals() const { return *refusals_; }
  QPushButton& CopyButton() const { return *copy_; }

 protected:
  // The size a first opening gets: room for the table's columns.
  QSize sizeHint() const override { return {800, 600}; }

 private:
  // Computes both sides again: a new state was shown.
  void Recompute();
  // Expresses what was computed: units, formats or the threshold changed.
  void Refresh();

  shell::SettingsStore& settings_;
  ShownStateFeed& feed_;
  steam::PropertyLibraries& libraries_;
  std::optional<analysis::FormulationComparison> comparison_;
  analysis::ComparisonTable shown_;
  QLabel* inputs_;
  QTableWidget* table_;
  QLabel* refusals_;
  QDoubleSpinBox* threshold_;
  QPushButton* copy_;
};

}  // namespace platform

#endif
