// A computed table as the grid view reads it: headers "key [unit]", numbers
// in the table's units with the desktop's decimal mark, rows added as they
// arrive, and everything re-expressed when the units change.
#ifndef HYDRELIX_PLATFORM_ANALYSIS_SWEEP_TABLE_MODEL_H
#define HYDRELIX_PLATFORM_ANALYSIS_SWEEP_TABLE_MODEL_H

#include "analysis/sweep_table.h"

#include <QAbstractTableModel>

#include <vector>

namespace platform {

class SweepTableModel final : public QAbstractTableModel {
 public:
  explicit SweepTableModel(QObject* parent = nullptr);

  void Reset(analysis::SweepKind kind, std::vector<analysis::SweepColumn> columns);
  void Append(const std::vector<analysis::SweepChunk>& chunks);
  void SetUnits(const analysis::TableUnits& units);
  void SetDecimalMark(char decimal);

  const analysis::SweepTable& Table() const { return table_; }
  const analysis::TableUnits& Units() const { return units_; }
  char DecimalMark() const { return decimal_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  analysis::SweepTable table_;
  analysis::TableUnits units_ = analysis::TableUnits::System(false);
  char decimal_ = '.';
};

}  // namespace platform

#endif
