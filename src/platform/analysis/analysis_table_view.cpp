#include "platform/analysis/analysis_table_view.h"

#include "platform/analysis/analysis_menu.h"

#include <QHeaderView>
#include <QTableWidget>

namespace platform {

void FillTable(QTableWidget& table, const analysis::TextTable& texts) {
  table.clear();
  table.setColumnCount(static_cast<int>(texts.header.size()));
  table.setRowCount(static_cast<int>(texts.rows.size()));
  QStringList header;
  for (const std::string& cell : texts.header) header << QString::fromStdString(cell);
  table.setHorizontalHeaderLabels(header);
  for (int row = 0; row < table.rowCount(); ++row) {
    const auto& cells = texts.rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < table.columnCount(); ++column) {
      const std::size_t at = static_cast<std::size_t>(column);
      auto* item = new QTableWidgetItem(at < cells.size() ? QString::fromStdString(cells[at])
                                                          : QString());
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      table.setItem(row, column, item);
    }
  }
}

void CopyTable(const analysis::TextTable& texts) {
  PutOnClipboard({analysis::AsTabSeparated(texts), analysis::AsHtml(texts)});
}

}  // namespace platform
