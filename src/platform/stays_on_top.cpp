#include "platform/stays_on_top.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void SetStaysOnTop(QWidget& window, bool onTop) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
  if (flags == window.windowFlags()) return;
  if (QWindow* native = window.windowHandle()) {
    window.overrideWindowFlags(flags);
    native->setFlags(flags);
  } else {
    // No native window yet: it will be made with the flag.
    window.setWindowFlags(flags);
  }
}

}  // namespace platform
