// What the shell's small windows (splash, disclaimer, About) share on the
// desktop: twips into pixels, the designed fonts with their Linux stand-ins,
// placing a window and the pointer, and the services they call out to.
#ifndef HYDRELIX_PLATFORM_SHELL_DIALOG_SUPPORT_H
#define HYDRELIX_PLATFORM_SHELL_DIALOG_SUPPORT_H

#include "app/dialog_layout.h"
#include "shell/message_box.h"
#include "platform/mouse_pointer.h"

#include <QFont>
#include <QRect>

#include <functional>
#include <string>

class QWidget;

namespace platform {

int PixelsOfTwips(int twips);
QRect PixelRect(const app::TwipsBox& box);

// A widget named and placed as its layout says.
template <typename Widget>
Widget* Placed(Widget* widget, const app::ControlLayout& layout) {
  widget->setObjectName(layout.name);
  widget->setGeometry(PixelRect(layout.box));
  return widget;
}
// The designed face and size (points at 20 twips each, so the text keeps
// its place in a layout of twips), or a close sans-serif where Linux lacks
// the face.
QFont DesignedFont(const app::FontLayout& font);
// The dialog font the captions were laid out for.
QFont DialogFont();
QString TextOf(const std::string& text);

// Centred on the owner when it is on screen, else on the screen.
void CentreOn(QWidget& window, const QWidget* owner);
// The pointer onto the middle of a control, in screen coordinates.
void CenterMouseCursorOn(const QWidget& control, MousePointer& pointer);

// What the small windows ask of the rest of the program; tests replace each.
struct DialogServices {
  MousePointer& pointer;
  std::function<void(QWidget* owner, const shell::MessageBoxRequest&)> showMessage;
  // Ends the program at once: no window unloads, nothing is saved.
  std::function<void()> endProgram;
  std::function<void()> beep;
};

// The desktop's: the system pointer, toolkit message boxes, the end by
// _Exit and the system beep.
DialogServices DesktopDialogServices();

// A toolkit message box, modal for the whole application.
void ShowMessageBoxWindow(QWidget* owner, const shell::MessageBoxRequest& request);

}  // namespace platform

#endif
