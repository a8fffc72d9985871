// Keeping a top-level window above the others, or no longer, on the native
// window it already has (on X11 the window manager's above state). Changing
// the widget's flags would make the native window anew, with a new id that
// docks, scripts and the tray lose, and hide it on the way.
#ifndef HYDRELIX_PLATFORM_STAYS_ON_TOP_H
#define HYDRELIX_PLATFORM_STAYS_ON_TOP_H

class QWidget;

namespace platform {

void SetStaysOnTop(QWidget& window, bool onTop);

}  // namespace platform

#endif
