#include "platform/captioned_frame.h"

#include <QPainter>
#include <QStyle>

namespace platform {

namespace {

constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

}  // namespace

CaptionedFrame::CaptionedFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {}

int CaptionedFrame::FrameLineTop() const {
  return title().isEmpty() ? 0 : fontMetrics().height() / 2;
}

// An etched frame: a shadow line with a light line inside it, and the caption
// on the window's background over the top line.
void CaptionedFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, FrameLineTop(), -1, -1);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.adjusted(1, 1, 0, 0));
  if (title().isEmpty()) return;
  const QRect caption(kCaptionIndent, 0,
                      fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding,
                      fontMetrics().height());
  painter.fillRect(caption, palette().color(QPalette::Window));
  style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace platform
