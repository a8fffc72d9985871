// Which control shows which result: for each of the fifteen results its
// value field, the control that carries its caption, its unit list and its
// display format. The one place these numbers are written down.
#ifndef HYDRELIX_MAINWINDOW_SHOWN_FIELDS_H
#define HYDRELIX_MAINWINDOW_SHOWN_FIELDS_H

#include <array>
#include <cstdint>

#include "steam/steam.h"

namespace mainwindow {

inline constexpr int16_t kNoControl = -1;

struct ShownField {
  steam::Result result;
  int16_t field;   // txtData index
  int16_t tick;    // chkStmInput index of an input's caption, or kNoControl
  int16_t label;   // Label4 index of a result's caption, or kNoControl
  int16_t list;    // cboUnits index, or kNoControl for a value without a unit
  int16_t format;  // index into frmMain::DisplayFormats
};

// In the order of the results (and of the fields, 43 to 57).
extern const std::array<ShownField, steam::kResultCount> kShownFields;

const ShownField& FieldShowing(steam::Result result);

}  // namespace mainwindow

#endif
