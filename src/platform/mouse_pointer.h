// SPDX-License-Identifier: GPL-3.0-or-later
// Centring the mouse pointer on a window, as the shell's small windows do
// with their buttons.
#ifndef HYDRELIX_PLATFORM_MOUSE_POINTER_H
#define HYDRELIX_PLATFORM_MOUSE_POINTER_H

#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

class MousePointer {
 public:
  virtual ~MousePointer() = default;
  // Where the desktop lets a program place the pointer; false elsewhere
  // (Wayland compositors refuse it).
  virtual bool CanMove() const = 0;
  virtual void MoveTo(QPoint screenPosition) = 0;
};

// The desktop's own pointer.
class SystemMousePointer final : public MousePointer {
 public:
  bool CanMove() const override;
  void MoveTo(QPoint screenPosition) override;
};

// The centre of a rectangle whose right and bottom edges lie just outside
// it, each coordinate rounded to the nearest whole number, halves to even.
QPoint CentreOf(const QRect& rectangle);

void CenterMouseCursor(const QWidget& window, MousePointer& pointer);

}  // namespace platform

#endif
