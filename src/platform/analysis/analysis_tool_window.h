// What every analysis window shares: a window of its own that stays with the
// main window (transient for it, never modal), closed with Esc or the close
// box by hiding, its size and place remembered in the "Analysis" group of
// the settings under its own name.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_TOOL_WINDOW_H
#define HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_TOOL_WINDOW_H

#include "analysis/text_table.h"

#include <QWidget>

class QVariant;
class QTableWidget;

namespace platform {

class AnalysisToolWindow : public QWidget {
  Q_OBJECT

 public:
  // `settingsName` keys the remembered geometry ("StateDetails" ...).
  AnalysisToolWindow(QWidget* mainWindow, const QString& title, const QString& settingsName);

  // Shows the window where it was last, or raises it when it is open.
  void Open();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void RememberGeometry();

  QString settingsName_;
  bool placed_ = false;
};

// Entries of the "Analysis" group of the program's settings file.
QVariant ReadAnalysisSetting(const QString& key);
void WriteAnalysisSetting(const QString& key, const QVariant& value);

// Fills the table with the texts, the header included; every cell read-only.
void FillTable(QTableWidget& table, const analysis::TextTable& texts);

// Puts the table on the clipboard as tab-separated text and as an HTML table.
void CopyTable(const analysis::TextTable& texts);

}  // namespace platform

#endif
