// SPDX-License-Identifier: GPL-3.0-or-later
// The unit lists: showing a working value in the chosen unit, and the switch
// between the IP and SI systems. Neither recomputes nor reads a field's text.
#include "mainwindow/frm_main.h"
#include "mainwindow/working_values.h"
#include "units/unit_lists.h"

#include <cmath>

namespace mainwindow {

void frmMain::cboUnits_Click(int16_t index) {
  if (const units::UnitList* row = units::FindUnitList(index)) ShowInUnit(*row);
}

void frmMain::ShowInUnit(const units::UnitList& row) {
  const ComboBox& list = cboUnits(row.list);
  const int unit = list.ListIndex();
  if (unit < 0 || unit >= list.ListCount()) return;

  const double working = WorkingValue(WorkingState, row.quantity);
  // No unit shows a number for a value that is none, not even as a 0 from a
  // conversion that could not be made.
  if (!std::isfinite(working)) {
    txtData(row.field).SetText("");
    return;
  }
  // The working unit shows the stored value itself.
  const double shown = unit == row.workingUnit
                           ? working
                           : units::ExpressInUnit(row.quantity, working, WorkingState.MolarMass,
                                                  static_cast<int16_t>(unit));
  txtData(row.field).SetText(FormatShown(shown, row.format));
}

void frmMain::optUnits_Click(int16_t index) {
  const bool ip = index == 0;
  // One change of the unit system, however many lists it moves.
  ++displayChangeBatch_;
  for (const units::UnitList& row : units::kUnitLists) {
    cboUnits(row.list).SetListIndex(ip ? row.ipUnit : row.siUnit);
  }
  --displayChangeBatch_;
  // Every list is refreshed, the velocity list too: when the user had already
  // picked the new system's velocity unit, its selection does not change and
  // would not refresh the field on its own.
  for (int16_t list = kFirstUnitList; list <= kLastUnitList; ++list) cboUnits_Click(list);
  NotifyDisplayChanged();
}

}  // namespace mainwindow
