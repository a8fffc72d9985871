// Analysis > State Details: where the main window's state lies, following
// every Compute, blank once the results are cleared, re-expressed when the
// units or formats change; Copy puts the rows on the clipboard.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_STATE_DETAILS_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_STATE_DETAILS_WINDOW_H

#include "analysis/text_table.h"
#include "platform/analysis/analysis_window.h"
#include "platform/analysis/shown_state_feed.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace platform {

class StateDetailsWindow final : public AnalysisWindow {
  Q_OBJECT

 public:
  StateDetailsWindow(MainWindowWidget& mainWindow, shell::SettingsStore& settings,
                     ShownStateFeed& feed);

  const analysis::TextTable& Shown() const { return shown_; }
  QTableWidget& Table() const { return *table_; }
  QPushButton& CopyButton() const { return *copy_; }

 protected:
  // The size a first opening gets: room for the table's columns.
  QSize sizeHint() const override { return {620, 600}; }

 private:
  void Refresh();

  ShownStateFeed& feed_;
  analysis::TextTable shown_;
  QLabel* status_;
  QTableWidget* table_;
  QPushButton* copy_;
};

}  // namespace platform

#endif
