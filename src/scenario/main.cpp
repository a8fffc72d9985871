// SPDX-License-Identifier: GPL-3.0-or-later
// hydrelix-scenario: plays a user session against the main window model and
// prints the window's state wherever the session says `show`.
#include "scenario/echoed_text.h"
#include "scenario/scenario_runner.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>
#include <system_error>

namespace {

constexpr const char* kUsage =
    "usage: hydrelix-scenario [FILE]\n"
    "\n"
    "Plays the scenario in FILE (or standard input when FILE is missing or \"-\")\n"
    "against the main window as it stands after loading with no saved settings:\n"
    "IP units, IF-97, default formats, 68 F and 14.696 psia, focus on txtData(43).\n"
    "\n"
    "One action per line:\n"
    "  click NAME          click a control or menu item (cmdMore, chkStmInput(2), mnuEditCopy)\n"
    "  focus NAME          move the focus to a control\n"
    "  select NAME INDEX   pick entry INDEX of a unit list (the focus moves to it first)\n"
    "  type TEXT           type TEXT into the focused control, one key at a time\n"
    "  key KEY             press Tab, Enter, Backspace, Delete or Esc\n"
    "  paste TEXT          put TEXT on the clipboard, then Edit > Paste\n"
    "  locale , | locale . the decimal separator from then on (\".\" at start)\n"
    "  show                print every value field, tick box and unit list, the\n"
    "                      messages shown since the last show, then \"end\"\n"
    "  # ...               a comment; blank lines are ignored\n"
    "\n"
    "Exits 0 when every line ran, 1 at the first bad line (named on standard\n"
    "error), 2 when FILE cannot be read, 3 when the output cannot be written.\n";

// The status to exit with once everything is written: output lost to a full
// disk or a closed pipe must not pass for a played scenario.
int AfterFlushing(int status) {
  if (std::cout.flush() || status == scenario::kOutputUnwritable) return status;
  std::cerr << "hydrelix-scenario: cannot write the output\n";
  return status == scenario::kEveryLinePlayed ? scenario::kOutputUnwritable : status;
}

void ReportUnreadable(const char* name, int error) {
  std::cerr << "hydrelix-scenario: cannot read "
            << scenario::EchoedText(name, std::string_view::npos) << ": "
            << std::strerror(error) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << kUsage;
    return 2;
  }
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << kUsage;
    return AfterFlushing(0);
  }
  if (argc == 1 || std::strcmp(argv[1], "-") == 0) {
    const int status = scenario::RunScenario(std::cin, "standard input", std::cout, std::cerr);
    // Standard input reads through C stdio, whose errors the stream does not see.
    if (status == scenario::kEveryLinePlayed && std::ferror(stdin)) {
      std::cerr << "hydrelix-scenario: cannot read standard input\n";
      return scenario::kInputUnreadable;
    }
    return AfterFlushing(status);
  }
  // A directory opens like a file and then reads as empty on some systems,
  // which would play nothing and pass.
  std::error_code ignored;
  if (std::filesystem::is_directory(argv[1], ignored)) {
    ReportUnreadable(argv[1], EISDIR);
    return scenario::kInputUnreadable;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    ReportUnreadable(argv[1], errno);
    return scenario::kInputUnreadable;
  }
  return AfterFlushing(scenario::RunScenario(file, argv[1], std::cout, std::cerr));
}
