// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mouse_pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>

namespace platform {

namespace {

// (a + b) / 2 rounded to the nearest whole number, halves to even.
int MidpointHalfToEven(int a, int b) {
  const long long sum = static_cast<long long>(a) + b;
  long long half = sum / 2;
  if (sum % 2 != 0) {
    if (sum < 0) --half;  // now the lower neighbour of the half
    if (half % 2 != 0) ++half;
  }
  return static_cast<int>(half);
}

}  // namespace

bool SystemMousePointer::CanMove() const {
  return !QGuiApplication::platformName().startsWith("wayland");
}

void SystemMousePointer::MoveTo(QPoint screenPosition) { QCursor::setPos(screenPosition); }

QPoint CentreOf(const QRect& rectangle) {
  const int right = rectangle.left() + rectangle.width();
  const int bottom = rectangle.top() + rectangle.height();
  return {MidpointHalfToEven(rectangle.left(), right),
          MidpointHalfToEven(rectangle.top(), bottom)};
}

void CenterMouseCursor(const QWidget& window, MousePointer& pointer) {
  if (!pointer.CanMove()) return;
  pointer.MoveTo(CentreOf(window.frameGeometry()));
}

}  // namespace platform
