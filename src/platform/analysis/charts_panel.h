// What the Charts window holds: the T-s, h-s (Mollier) and p-h charts of the
// selected formulation in three tabs, with the current state, the pins and
// processes, a pointer readout, a reset of the view and the exports. It is
// told the state, the formulation and the units; the lines are computed
// again only when the formulation or the unit system changes.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_CHARTS_PANEL_H
#define HYDRELIX_PLATFORM_ANALYSIS_CHARTS_PANEL_H

#include "analysis/chart_axes.h"
#include "analysis/chart_lines.h"
#include "analysis/chart_marks.h"
#include "steam/steam.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QTabWidget;

namespace platform {

class ChartTab;

class ChartsPanel final : public QWidget {
  Q_OBJECT

 public:
  // `libraries` computes the states pinned by double-click; `pins` holds
  // the pins. Both must outlive the panel.
  ChartsPanel(steam::PropertyLibraries& libraries, analysis::ChartPinStore& pins,
               QWidget* parent = nullptr);

  // The main window's formulation, unit system and the units of its
  // temperature, pressure, enthalpy and entropy lists.
  void SetFormulation(steam::Formulation formulation);
  void SetUnits(analysis::UnitSystem system, const analysis::ChartUnits& units);
  void ShowState(const steam::SteamState& state);
  void ClearState();
  void SetProcesses(std::vector<analysis::ChartProcess> processes);
  void SetDecimalMark(QChar mark);
  // The pins changed outside the charts.
  void PinsChanged();

  ChartTab& Tab(analysis::ChartKind kind) const;
  ChartTab& CurrentTab() const;
  void ShowTab(analysis::ChartKind kind);
  QString Readout() const;

  // The current tab's exports.
  bool SavePng(const QString& file);
  bool SavePdf(const QString& file);
  bool SaveSvg(const QString& file);
  void CopyImage();

 signals:
  // A state was pinned from a chart.
  void statePinned();

 private:
  void Recompute();
  void UpdateMarks();
  void PinAt(analysis::ChartKind kind, double x, double y);
  void SaveWithDialog(const QString& caption, const QString& filter, const QString& suffix,
                      bool (ChartsPanel::*save)(const QString&));

  steam::PropertyLibraries& libraries_;
  analysis::ChartPinStore& pins_;
  steam::Formulation formulation_ = steam::Formulation::IF97;
  analysis::UnitSystem system_ = analysis::UnitSystem::IP;
  analysis::ChartUnits units_;
  std::optional<analysis::ChartMark> state_;
  std::vector<analysis::ChartProcess> processes_;
  QTabWidget* tabs_;
  std::array<ChartTab*, 3> charts_{};
  QLabel* readout_;
  QChar decimalMark_ = '.';
};

}  // namespace platform

#endif
