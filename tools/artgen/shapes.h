#pragma once

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <initializer_list>

// Path builders for the pictures' parts.
namespace artgen::shapes {

inline QPainterPath rect(double x, double y, double w, double h) {
  QPainterPath path;
  path.addRect(x, y, w, h);
  return path;
}

inline QPainterPath rounded(double x, double y, double w, double h, double radius) {
  QPainterPath path;
  path.addRoundedRect(x, y, w, h, radius, radius);
  return path;
}

inline QPainterPath circle(double cx, double cy, double r) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), r, r);
  return path;
}

inline QPainterPath ellipse(double cx, double cy, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

inline QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

// A line of some width as a shape of its own, with round ends.
inline QPainterPath line(std::initializer_list<QPointF> points, double width) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& point : points) {
    if (first) path.moveTo(point);
    else path.lineTo(point);
    first = false;
  }
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(path).simplified();
}

// Turned by `degrees` (clockwise on screen) about (cx, cy).
inline QPainterPath turned(const QPainterPath& path, double degrees, double cx = 20,
                           double cy = 20) {
  QTransform turn;
  turn.translate(cx, cy);
  turn.rotate(degrees);
  turn.translate(-cx, -cy);
  return turn.map(path);
}

// Mirrored left to right about x = cx.
inline QPainterPath mirrored(const QPainterPath& path, double cx = 20) {
  QTransform flip(-1, 0, 0, 1, 2 * cx, 0);
  return flip.map(path);
}

}  // namespace artgen::shapes
