// A table of texts in a table widget, and on the clipboard.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_TABLE_VIEW_H
#define HYDRELIX_PLATFORM_ANALYSIS_ANALYSIS_TABLE_VIEW_H

#include "analysis/text_table.h"

class QTableWidget;

namespace platform {

// Fills the table with the texts, the header included; every cell read-only.
void FillTable(QTableWidget& table, const analysis::TextTable& texts);

// Puts the table on the clipboard as tab-separated text and as an HTML table.
void CopyTable(const analysis::TextTable& texts);

}  // namespace platform

#endif
