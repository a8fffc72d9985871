// The More and Less digits buttons act on the format of the field last left,
// then run Compute so every result is shown again.
#include "mainwindow/frm_main.h"
#include "units/display_format.h"

namespace mainwindow {

void frmMain::cmdMore_Click() {
  if (LastLeftField < kFirstField || LastLeftField > kLastField) return;
  std::string& format = DisplayFormats[LastLeftField - kFirstField];
  format = units::WithMoreDigits(format);
  cmdCompute.Press();
}

void frmMain::cmdLess_Click() {
  if (LastLeftField < kFirstField || LastLeftField > kLastField) return;
  std::string& format = DisplayFormats[LastLeftField - kFirstField];
  format = units::WithLessDigits(format);
  cmdCompute.Press();
}

}  // namespace mainwindow
