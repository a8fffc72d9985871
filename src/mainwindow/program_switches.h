// The two program-wide switches, read at start-up and alive for the whole
// run, outside any window.
#ifndef HYDRELIX_MAINWINDOW_PROGRAM_SWITCHES_H
#define HYDRELIX_MAINWINDOW_PROGRAM_SWITCHES_H

namespace mainwindow {

struct ProgramSwitches {
  // Whether the disclaimer acceptance window is shown at start.
  bool DisclaimerShow = true;
  // Whether the main window stays above every other window; kept equal to
  // the check mark of "&Keep Calculator on Top".
  bool KeepOnTop = false;
};

}  // namespace mainwindow

#endif
