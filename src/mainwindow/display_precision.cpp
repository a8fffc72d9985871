// SPDX-License-Identifier: GPL-3.0-or-later
// The display formats of the value fields: values written with them, and the
// More and Less digits buttons, which act on the format of the field last
// left, then run Compute so every result is shown again.
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

// A format is read once and kept until its text changes, however it is set
// (saved settings, the digits buttons), so a press does not read fifteen
// formats again.
std::string frmMain::FormatShown(double value, size_t format) const {
  units::DisplayFormat& read = readFormats_.at(format);
  const std::string& text = DisplayFormats[format];  // as many as readFormats_
  if (read.Text() != text) read = units::DisplayFormat(text);
  return read.Write(value, Locale);
}

void frmMain::cmdMore_Click() { ChangeLastLeftFormat(*this, units::WithMoreDigits); }
void frmMain::cmdLess_Click() { ChangeLastLeftFormat(*this, units::WithLessDigits); }

}  // namespace mainwindow
