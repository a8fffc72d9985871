// SPDX-License-Identifier: GPL-3.0-or-later
// What the window reads from the saved settings when it loads.
#ifndef HYDRELIX_MAINWINDOW_WINDOW_SETTINGS_H
#define HYDRELIX_MAINWINDOW_WINDOW_SETTINGS_H

#include <array>
#include <string>

namespace mainwindow {

struct WindowSettings {
  int units = 0;        // 0 IP, otherwise SI
  int formulation = 0;  // 0 IF-97, otherwise IFC-67
  std::array<std::string, 15> displayFormats;
};

// The settings of a first run: IP units, IF-97 and the default formats.
WindowSettings DefaultWindowSettings();

}  // namespace mainwindow

#endif
