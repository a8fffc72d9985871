// The main window's "&Analysis" menu, between Edit and Help: Copy State as
// Table (Ctrl+Shift+C) and Copy State as Row (Ctrl+Shift+R) first; the
// Analysis windows add their entries after them with AddWindowEntry.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_MENU_H
#define HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_MENU_H

#include <QMenu>

#include "analysis/state_copy.h"
#include "mainwindow/frm_main.h"

class QAction;

namespace platform {

class AnalysisWindow;

// Puts both flavours on the system clipboard: text/plain (UTF-8) and
// text/html.
void PutOnClipboard(const analysis::ClipboardContents& contents);

class AnalysisMenu final : public QMenu {
  Q_OBJECT

 public:
  // `form` must outlive the menu.
  explicit AnalysisMenu(const mainwindow::frmMain& form, QWidget* parent = nullptr);

  QAction& CopyTable() const { return *copyTable_; }
  QAction& CopyRow() const { return *copyRow_; }

  // An entry that opens `window`; the first one is preceded by a separator.
  QAction& AddWindowEntry(const QString& caption, AnalysisWindow& window);

 private:
  const mainwindow::frmMain& form_;
  QAction* copyTable_;
  QAction* copyRow_;
  bool hasWindowEntries_ = false;
};

}  // namespace platform

#endif
