#include "platform/analysis/sweep_table_model.h"

namespace platform {

SweepTableModel::SweepTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SweepTableModel::Reset(analysis::SweepKind kind, std::vector<analysis::SweepColumn> columns) {
  beginResetModel();
  table_ = analysis::SweepTable(kind, std::move(columns));
  endResetModel();
}

void SweepTableModel::Append(const std::vector<analysis::SweepChunk>& chunks) {
  std::size_t rows = 0;
  for (const analysis::SweepChunk& chunk : chunks) rows += chunk.RowCount();
  if (rows == 0) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows) - 1);
  for (const analysis::SweepChunk& chunk : chunks) table_.Append(chunk);
  endInsertRows();
}

void SweepTableModel::SetUnits(const analysis::TableUnits& units) {
  units_ = units;
  if (columnCount() == 0) return;
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void SweepTableModel::SetDecimalMark(char decimal) { decimal_ = decimal; }

int SweepTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.RowCount());
}

int SweepTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || table_.NumericColumns().empty() ? 0
                                                             : static_cast<int>(table_.ColumnCount());
}

QVariant SweepTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const std::size_t row = static_cast<std::size_t>(index.row());
  const std::size_t column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole) {
    return QString::fromStdString(table_.Text(row, column, units_, decimal_));
  }
  if (role == Qt::TextAlignmentRole && column < table_.NumericColumns().size()) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant SweepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return QString::fromStdString(table_.Header(static_cast<std::size_t>(section), units_));
}

}  // namespace platform
