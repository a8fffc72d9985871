#include "scenario/window_report.h"

#include <string>

namespace scenario {

namespace {

// Keeps each report line on one line.
std::string Escaped(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\r') {
      escaped += "\\r";
    } else if (c == '\n') {
      escaped += "\\n";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

void WriteWindowReport(const mainwindow::frmMain& form,
                       const std::vector<shell::MessageBoxRequest>& messages,
                       std::ostream& out) {
  using namespace mainwindow;
  for (int16_t i = kFirstField; i <= kLastField; ++i) {
    const TextBox& field = form.txtData(i);
    out << field.FullName() << " = \"" << Escaped(field.Text()) << "\" "
        << (field.Locked() ? "locked" : "editable") << ' '
        << (field.Enabled() ? "enabled" : "disabled") << '\n';
  }
  for (int16_t k = 0; k < kTickCount; ++k) {
    const CheckBox& box = form.chkStmInput(k);
    out << box.FullName() << " = " << box.Value() << ' '
        << (box.Enabled() ? "enabled" : "disabled") << '\n';
  }
  for (int16_t j = kFirstUnitList; j <= kLastUnitList; ++j) {
    const ComboBox& list = form.cboUnits(j);
    const int selected = list.ListIndex();
    const std::string label =
        selected >= 0 && selected < list.ListCount() ? list.Entries()[selected] : "";
    out << list.FullName() << " = " << selected << " \"" << label << "\"\n";
  }
  for (const MessageBoxRequest& message : messages) {
    out << "message: " << Escaped(message.title) << " | " << Escaped(message.text) << " | "
        << IconName(message.icon) << '\n';
  }
  out << "end\n";
}

}  // namespace scenario
