#include "scenario/scenario_runner.h"

#include "shell/clipboard.h"
#include "mainwindow/frm_main.h"
#include "platform/shared_property_libraries.h"
#include "scenario/echoed_text.h"
#include "scenario/utf8_text.h"
#include "scenario/window_report.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

namespace {

using mainwindow::Control;
using mainwindow::ControlKind;
using mainwindow::Key;

// A line that cannot be played; the message says why.
struct BadLine : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The output took no more of a report.
struct OutputFailed {};

// What `type` would key in or `paste` put on the clipboard, refused unless it
// is text a keyboard or a clipboard could deliver: well-formed UTF-8 without
// NUL, which the window's text would end at.
std::vector<char32_t> EnteredText(std::string_view text, const char* action) {
  const auto refused = [&](const char* because, size_t at) {
    return BadLine(std::string("the text to ") + action + because + " at byte " +
                   std::to_string(at + 1));
  };
  std::vector<char32_t> points;
  for (size_t at = 0; at < text.size();) {
    const std::optional<CodePoint> point = CodePointAt(text, at);
    if (!point) throw refused(" is not valid UTF-8", at);
    if (point->value == 0) throw refused(" holds a NUL", at);
    points.push_back(point->value);
    at += point->length;
  }
  return points;
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<Key> KeyNamed(std::string_view name) {
  if (name == "Tab") return Key::Tab;
  if (name == "Enter") return Key::Enter;
  if (name == "Backspace") return Key::Backspace;
  if (name == "Delete") return Key::Delete;
  if (name == "Esc") return Key::Escape;
  return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  int value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return text[0] == '-' ? -value : value;
}

// The session is the window's view: it keeps the message boxes the window
// asks for until the next `show` reports them.
class Session final : public mainwindow::MainWindowView {
 public:
  explicit Session(std::ostream& out)
      : form_({clipboard_, libraries_, settings_, help_, switches_}), out_(out) {
    form_.AttachView(*this);
    form_.Form_Load();
    form_.Show();
  }

  void ControlChanged(const Control&, mainwindow::ControlProperty) override {}
  void FocusChanged(const Control*) override {}
  void WindowChanged(mainwindow::WindowProperty) override {}
  void ShowMessageBox(const shell::MessageBoxRequest& request) override {
    messages_.push_back(request);
  }
  void ShowModalWindow(mainwindow::ShellWindow) override {}
  void ShowTrayPopup() override {}
  void BringToFront() override {}
  void Minimize() override {}
  bool SystemTrayAvailable() const override { return true; }
  void DrawLine(int, int, int, int, mainwindow::SystemColour) override {}
  void EndProgram() override {}

  void Play(std::string_view line) {
    // Text to type or paste is taken as written, blanks included.
    line = WithoutLeadingBlanks(line);
    if (line.empty() || line.front() == '#') return;
    const auto space = line.find(' ');
    const std::string_view action = line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? "" : line.substr(space + 1);
    const std::string_view argument = Trimmed(rest);

    if (action == "click") {
      form_.UserClick(ControlNamed(argument));
    } else if (action == "focus") {
      form_.UserFocus(ControlNamed(argument));
    } else if (action == "select") {
      Select(argument);
    } else if (action == "type") {
      Type(rest);
    } else if (action == "key") {
      const std::optional<Key> key = KeyNamed(argument);
      if (!key) throw BadLine("unknown key '" + EchoedText(argument) +
                              "' (Tab, Enter, Backspace, Delete or Esc)");
      form_.UserPressKey(*key);
    } else if (action == "paste") {
      EnteredText(rest, "paste");
      clipboard_.SetText(std::string(rest));
      form_.UserClick(form_.mnuEditPaste);
    } else if (action == "locale") {
      SetLocale(argument);
    } else if (action == "show") {
      if (!argument.empty()) throw BadLine("show takes nothing after it");
      Show();
    } else {
      throw BadLine("unknown action '" + EchoedText(action) + "'");
    }
  }

 private:
  Control& ControlNamed(std::string_view name) {
    if (name.empty()) throw BadLine("a control name is missing");
    Control* control = form_.FindControl(name);
    if (control == nullptr) throw BadLine("no control named '" + EchoedText(name) + "'");
    return *control;
  }

  void Select(std::string_view argument) {
    const auto space = argument.find(' ');
    if (space == std::string_view::npos) throw BadLine("select needs a list and an index");
    Control& control = ControlNamed(argument.substr(0, space));
    if (control.kind() != ControlKind::ComboBox) {
      throw BadLine(control.FullName() + " is not a unit list");
    }
    const std::optional<int> position = WholeNumber(Trimmed(argument.substr(space + 1)));
    if (!position) throw BadLine("the index to select is not a whole number");
    auto& list = static_cast<mainwindow::ComboBox&>(control);
    if (!form_.UserSelect(list, *position)) {
      throw BadLine(list.FullName() + " has no entry " + std::to_string(*position) +
                    " to select");
    }
  }

  void Type(std::string_view text) {
    if (text.empty()) throw BadLine("type needs the text to type");
    for (char32_t point : EnteredText(text, "type")) form_.UserType(point);
  }

  void SetLocale(std::string_view separator) {
    if (separator == ",") {
      form_.Locale.decimalSeparator = ",";
      form_.Locale.groupSeparator = ".";
    } else if (separator == ".") {
      form_.Locale.decimalSeparator = ".";
      form_.Locale.groupSeparator = ",";
    } else {
      throw BadLine("locale takes \",\" or \".\"");
    }
  }

  void Show() {
    WriteWindowReport(form_, messages_, out_);
    messages_.clear();
    // Flushed here, not at exit, so a full disk stops the run at this line.
    if (!out_.flush()) throw OutputFailed{};
  }

  shell::InMemoryClipboard clipboard_;
  platform::SharedPropertyLibraries libraries_;
  shell::InMemorySettingsStore settings_;
  shell::NoHelpViewer help_;
  shell::ProgramSwitches switches_;
  mainwindow::frmMain form_;
  std::ostream& out_;
  std::vector<shell::MessageBoxRequest> messages_;
};

}  // namespace

RunOutcome RunScenario(std::istream& in, std::string_view input_name, std::ostream& out,
                       std::ostream& errors) {
  Session session(out);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      session.Play(line);
    } catch (const BadLine& bad) {
      errors << "line " << number << ": " << bad.what() << '\n';
      return kLineRefused;
    } catch (const OutputFailed&) {
      errors << "hydrelix-scenario: cannot write the output, stopped at line " << number
             << '\n';
      return kOutputUnwritable;
    } catch (const std::exception& fault) {
      errors << "line " << number << ": the window model failed: " << EchoedText(fault.what())
             << '\n';
      return kLineRefused;
    }
  }
  // Without this a read error would look like the end of the scenario.
  if (in.bad()) {
    errors << "hydrelix-scenario: cannot read " << EchoedText(input_name, std::string_view::npos);
    if (number > 0) errors << " past line " << number;
    errors << '\n';
    return kInputUnreadable;
  }
  if (!out.flush()) {
    errors << "hydrelix-scenario: cannot write the output\n";
    return kOutputUnwritable;
  }
  return kEveryLinePlayed;
}

}  // namespace scenario
