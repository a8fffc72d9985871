// SPDX-License-Identifier: GPL-3.0-or-later
// Where a control of the shell's small windows sits, in twips, and what it
// says; the views turn twips into pixels.
#ifndef HYDRELIX_APP_DIALOG_LAYOUT_H
#define HYDRELIX_APP_DIALOG_LAYOUT_H

namespace app {

struct TwipsBox {
  int left, top, width, height;
};

struct ControlLayout {
  const char* name;
  const char* caption;
  TwipsBox box;
  int tabIndex;  // -1: the control takes no focus
};

// A font by the size it was designed at; a face Linux lacks falls back to a
// close sans-serif of the same size.
struct FontLayout {
  const char* face;
  double points;
  bool bold;
};

}  // namespace app

#endif
