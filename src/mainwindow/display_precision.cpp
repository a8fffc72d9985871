// The More and Less digits buttons act on the format of the field last left,
// then run Compute so every result is shown again.
#include "mainwindow/frm_main.h"
#include "units/display_format.h"

namespace mainwindow {

namespace {

// Nothing at all happens, not even the compute, until a value field has been
// left towards another value field or a digits button.
void ChangeLastLeftFormat(frmMain& form, std::string (*change)(std::string)) {
  if (form.LastLeftField < kFirstField || form.LastLeftField > kLastField) return;
  std::string& format = form.DisplayFormats[form.LastLeftField - kFirstField];
  const std::string before = format;
  format = change(format);
  if (format != before) form.NotifyDisplayChanged();
  form.cmdCompute.Press();
}

}  // namespace

void frmMain::cmdMore_Click() { ChangeLastLeftFormat(*this, units::WithMoreDigits); }
void frmMain::cmdLess_Click() { ChangeLastLeftFormat(*this, units::WithLessDigits); }

}  // namespace mainwindow
