// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer goes to a window's centre, halves rounded to even.
#include "platform/mouse_pointer.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct RecordingPointer final : platform::MousePointer {
  bool CanMove() const override { return movable; }
  void MoveTo(QPoint position) override { moves.push_back(position); }
  bool movable = true;
  std::vector<QPoint> moves;
};

}  // namespace

TEST(CentreOf, RoundsHalvesToEven) {
  const struct {
    QRect rectangle;
    QPoint centre;
  } cases[] = {
      {QRect(100, 10, 101, 20), QPoint(150, 20)},   // 150.5 -> 150, 20
      {QRect(101, 11, 101, 2), QPoint(152, 12)},    // 151.5 -> 152, 12
      {QRect(-3, -5, 2, 2), QPoint(-2, -4)},        // -2, -4
      {QRect(-4, 0, 1, 1), QPoint(-4, 0)},          // -3.5 -> -4, 0.5 -> 0
      {QRect(0, 0, 388, 494), QPoint(194, 247)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::CentreOf(c.rectangle), c.centre)
        << c.rectangle.x() << "," << c.rectangle.y() << " " << c.rectangle.width() << "x"
        << c.rectangle.height();
  }
}

TEST(CenterMouseCursor, MovesOnlyWhereTheDesktopAllows) {
  QWidget window;
  window.setGeometry(100, 100, 101, 51);
  RecordingPointer pointer;
  platform::CenterMouseCursor(window, pointer);
  ASSERT_EQ(pointer.moves.size(), 1u);
  EXPECT_EQ(pointer.moves[0], platform::CentreOf(window.frameGeometry()));
  pointer.movable = false;
  platform::CenterMouseCursor(window, pointer);
  EXPECT_EQ(pointer.moves.size(), 1u);
}
