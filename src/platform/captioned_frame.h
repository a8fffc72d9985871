// A group box drawn as the windows were laid out for: its frame line runs
// through the middle of the caption, which stands on the line, so the line
// lies half a caption below the group's top. A group placed near the top of
// another keeps clear of the outer line instead of doubling it, and a
// caption leaves the room below it that the layout gives the controls.
#ifndef HYDRELIX_PLATFORM_CAPTIONED_FRAME_H
#define HYDRELIX_PLATFORM_CAPTIONED_FRAME_H

#include <QGroupBox>

namespace platform {

class CaptionedFrame final : public QGroupBox {
 public:
  CaptionedFrame(const QString& caption, QWidget* parent);

  // Where the frame's top line runs, from the group's top.
  int FrameLineTop() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform

#endif
