#include "gui/pictures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>

namespace ruvela {

namespace {

QImage TransparentImage(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The drawings below are made in a box of 100 x 100 units (the GPS unit in
// 60 x 100), scaled and centred into the rectangle they are given.
void FitUnits(QPainter& painter, const QRectF& area, double unitsWide, double unitsHigh) {
  const double scale = std::min(area.width() / unitsWide, area.height() / unitsHigh);
  painter.translate(area.center());
  painter.scale(scale, scale);
  painter.translate(-unitsWide / 2, -unitsHigh / 2);
}

QPainterPath Blob(std::initializer_list<QPointF> points) {
  QPolygonF outline;
  for (const QPointF& point : points) outline << point;
  QPainterPath path;
  path.addPolygon(outline);
  path.closeSubpath();
  return path;
}

void DrawGlobe(QPainter& painter, const QRectF& area) {
  painter.save();
  FitUnits(painter, area, 100, 100);
  const QPointF centre(50, 50);
  constexpr double radius = 46;

  QRadialGradient sea(QPointF(36, 34), 70);
  sea.setColorAt(0, QColor(0x8f, 0xd3, 0xff));
  sea.setColorAt(1, QColor(0x17, 0x5a, 0xa6));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sea);
  painter.drawEllipse(centre, radius, radius);

  QPainterPath ball;
  ball.addEllipse(centre, radius, radius);
  painter.setClipPath(ball);

  QLinearGradient land(QPointF(0, 0), QPointF(100, 100));
  land.setColorAt(0, QColor(0x7c, 0xc5, 0x5a));
  land.setColorAt(1, QColor(0x2e, 0x7d, 0x32));
  painter.setBrush(land);
  painter.drawPath(
      Blob({{14, 22}, {30, 14}, {44, 18}, {42, 30}, {34, 36}, {36, 46}, {30, 50}, {22, 44}, {12, 40}, {8, 30}}));
  painter.drawPath(Blob({{32, 56}, {42, 54}, {46, 62}, {42, 74}, {38, 90}, {32, 84}, {30, 70}}));
  painter.drawPath(Blob({{56, 16}, {70, 12}, {86, 20}, {94, 34}, {84, 40}, {76, 36}, {68, 44}, {60, 38}, {54, 28}}));
  painter.drawPath(Blob({{60, 50}, {72, 48}, {80, 58}, {74, 72}, {66, 80}, {60, 70}, {62, 60}}));

  // Meridians and parallels.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 110), 1.6));
  painter.drawLine(QPointF(50, 4), QPointF(50, 96));
  for (const double width : {radius * 0.5, radius * 0.87}) painter.drawEllipse(centre, width, radius);
  for (const double offset : {-0.5, 0.0, 0.5}) {
    const double y = 50 + offset * radius;
    const double halfChord = radius * std::sqrt(1 - offset * offset);
    painter.drawLine(QPointF(50 - halfChord, y), QPointF(50 + halfChord, y));
  }
  painter.setClipping(false);

  painter.setPen(QPen(QColor(0x0d, 0x3b, 0x66), 3));
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

void DrawGpsUnit(QPainter& painter, const QRectF& area) {
  painter.save();
  FitUnits(painter, area, 60, 100);
  const QColor outline(0x26, 0x32, 0x38);

  // Antenna, then the body over its foot.
  painter.setPen(QPen(outline, 2));
  painter.setBrush(QColor(0x45, 0x5a, 0x64));
  painter.drawRoundedRect(QRectF(10, 2, 9, 30), 3, 3);

  QLinearGradient body(QPointF(6, 0), QPointF(54, 0));
  body.setColorAt(0, QColor(0xf0, 0xb4, 0x4c));
  body.setColorAt(1, QColor(0xc7, 0x7a, 0x1c));
  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(5, 22, 50, 76), 9, 9);

  // The screen with a walked track ending at the position marker.
  painter.setBrush(QColor(0xd4, 0xec, 0xc9));
  painter.drawRoundedRect(QRectF(12, 30, 36, 32), 3, 3);
  painter.setPen(QPen(QColor(0xc6, 0x28, 0x28), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(
      QPolygonF({QPointF(16, 57), QPointF(22, 49), QPointF(28, 53), QPointF(34, 42), QPointF(40, 40)}));
  painter.setPen(Qt::NoPen);
  painter.setBrush(outline);
  painter.drawPolygon(QPolygonF({QPointF(44, 34), QPointF(40, 44), QPointF(37, 37)}));

  // Keys: a rocker and two buttons.
  painter.setPen(QPen(outline, 1.5));
  painter.setBrush(QColor(0x37, 0x47, 0x4f));
  painter.drawEllipse(QPointF(30, 80), 9, 9);
  painter.drawEllipse(QPointF(13, 72), 3.5, 3.5);
  painter.drawEllipse(QPointF(47, 72), 3.5, 3.5);
  painter.setPen(QPen(QColor(0xcf, 0xd8, 0xdc), 2));
  painter.drawLine(QPointF(30, 74), QPointF(30, 86));
  painter.drawLine(QPointF(24, 80), QPointF(36, 80));
  painter.restore();
}

// A transparent picture of `size`, drawn by `draw` with smooth edges.
template <class Draw>
QImage Picture(QSize size, Draw draw) {
  QImage image = TransparentImage(size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  return image;
}

}  // namespace

QImage GlobePicture(QSize size) {
  return Picture(size, [&](QPainter& painter) { DrawGlobe(painter, QRectF(QPointF(0, 0), QSizeF(size))); });
}

QImage GpsUnitPicture(QSize size) {
  return Picture(size, [&](QPainter& painter) { DrawGpsUnit(painter, QRectF(QPointF(0, 0), QSizeF(size))); });
}

QImage ProgramIcon(int side) {
  return Picture(QSize(side, side), [&](QPainter& painter) {
    // The globe behind, the handheld unit in front of its lower right.
    DrawGlobe(painter, QRectF(0, 0, side * 0.84, side * 0.84));
    DrawGpsUnit(painter, QRectF(side * 0.56, side * 0.34, side * 0.42, side * 0.66));
  });
}

}  // namespace ruvela
