#include "platform/analysis/main_window_display.h"

namespace platform {

analysis::DisplayUnits DisplayUnitsOf(const mainwindow::frmMain& form) {
  analysis::DisplayUnits shown;
  for (std::size_t i = 0; i < units::kUnitLists.size(); ++i) {
    shown.unit[i] = static_cast<int16_t>(form.cboUnits(units::kUnitLists[i].list).ListIndex());
  }
  shown.formats = form.DisplayFormats;
  shown.locale = form.Locale;
  return shown;
}

}  // namespace platform
