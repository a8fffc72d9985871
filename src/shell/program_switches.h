// The two program-wide switches, read at start-up and alive for the whole
// run, outside any window.
#ifndef HYDRELIX_SHELL_PROGRAM_SWITCHES_H
#define HYDRELIX_SHELL_PROGRAM_SWITCHES_H

namespace shell {

struct ProgramSwitches {
  // Whether the disclaimer acceptance window is shown at start.
  bool DisclaimerShow = true;
  // Whether the main window stays above every other window; kept equal to
  // the check mark of "&Keep Calculator on Top".
  bool KeepOnTop = false;
};

}  // namespace shell

#endif
