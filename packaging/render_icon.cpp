// SPDX-License-Identifier: GPL-3.0-or-later
// render_icon SVG SIZE PNG: draws the scalable icon into a square PNG of SIZE
// pixels, so the fixed-size icons of the desktop theme all come from the one
// drawing.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon SVG SIZE PNG\n");
    return 2;
  }
  QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
  const int size = std::atoi(argv[2]);
  if (!drawing.isValid() || size <= 0) {
    std::fprintf(stderr, "render_icon: cannot draw %s at %s px\n", argv[1], argv[2]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  drawing.render(&painter);
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
