#include "ui/frame/TreeIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "lists/ListKind.h"
#include "voyage/NavigationTree.h"

namespace marigold {
namespace {

const QColor kNavy(24, 48, 96);
const QColor kSea(70, 130, 200);
const QColor kNightOutline(220, 150, 90);
bool nightIcons = false;

void DrawSchedule(QPainter& p) {  // a clock
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(4, 4, 24, 24));
  p.drawLine(QPointF(16, 16), QPointF(16, 8));
  p.drawLine(QPointF(16, 16), QPointF(22, 19));
}

void DrawFix(QPainter& p) {  // a crossed position mark
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(8, 8, 16, 16));
  p.drawLine(QPointF(16, 3), QPointF(16, 29));
  p.drawLine(QPointF(3, 16), QPointF(29, 16));
}

void DrawReportingPoint(QPainter& p) {  // a flag on a pole
  p.drawLine(QPointF(8, 4), QPointF(8, 29));
  p.setBrush(QColor(220, 60, 40));
  p.drawPolygon(QPolygonF({QPointF(8, 5), QPointF(26, 10), QPointF(8, 16)}));
}

void DrawWarning(QPainter& p) {  // a triangle with an exclamation mark
  p.setBrush(QColor(250, 200, 40));
  p.drawPolygon(QPolygonF({QPointF(16, 3), QPointF(30, 28), QPointF(2, 28)}));
  p.drawLine(QPointF(16, 11), QPointF(16, 20));
  p.drawPoint(QPointF(16, 24));
}

void DrawMeteo(QPainter& p) {  // a cloud
  p.setBrush(QColor(200, 210, 225));
  QPainterPath cloud;
  cloud.addEllipse(QRectF(4, 13, 12, 12));
  cloud.addEllipse(QRectF(10, 7, 14, 14));
  cloud.addEllipse(QRectF(17, 13, 11, 11));
  cloud.setFillRule(Qt::WindingFill);
  p.drawPath(cloud.simplified());
}

void DrawWaypoints(QPainter& p) {  // a track through three points
  p.drawPolyline(QPolygonF({QPointF(5, 26), QPointF(14, 12), QPointF(27, 7)}));
  p.setBrush(kSea);
  for (const QPointF& at : {QPointF(5, 26), QPointF(14, 12), QPointF(27, 7)}) p.drawEllipse(at, 3, 3);
}

void DrawHurricane(QPainter& p) {  // a storm's two arms
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(5, 4, 18, 18), 0, 180 * 16);
  p.drawArc(QRectF(9, 10, 18, 18), 180 * 16, 180 * 16);
  p.setBrush(QColor(220, 60, 40));
  p.drawEllipse(QPointF(16, 16), 3, 3);
}

void DrawChart(QPainter& p) {  // a chart sheet with a grid
  p.setBrush(QColor(245, 235, 200));
  p.drawRect(QRectF(3, 6, 26, 20));
  p.drawLine(QPointF(12, 6), QPointF(12, 26));
  p.drawLine(QPointF(20, 6), QPointF(20, 26));
  p.drawLine(QPointF(3, 16), QPointF(29, 16));
}

void DrawBook(QPainter& p) {  // a closed book
  p.setBrush(QColor(140, 40, 40));
  p.drawRect(QRectF(7, 3, 18, 26));
  p.drawLine(QPointF(10, 3), QPointF(10, 29));
  p.drawLine(QPointF(13, 9), QPointF(22, 9));
}

void DrawPort(QPainter& p) {  // an anchor
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 6), 3, 3);
  p.drawLine(QPointF(16, 9), QPointF(16, 27));
  p.drawLine(QPointF(10, 13), QPointF(22, 13));
  p.drawArc(QRectF(6, 14, 20, 14), 180 * 16, 180 * 16);
}

void DrawSelected(QPainter& p) {  // an open folder, as a chosen list
  p.setBrush(QColor(250, 210, 90));
  p.drawPolygon(
      QPolygonF({QPointF(3, 8), QPointF(12, 8), QPointF(14, 11), QPointF(29, 11), QPointF(29, 27), QPointF(3, 27)}));
  p.setBrush(QColor(255, 230, 140));
  p.drawPolygon(QPolygonF({QPointF(6, 15), QPointF(31, 15), QPointF(28, 27), QPointF(3, 27)}));
}

}  // namespace

QPixmap DrawnPixmap(CIconDrawing draw, int size) {
  if (!draw || size <= 0) return {};
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  painter.setPen(QPen(nightIcons ? kNightOutline : kNavy, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  draw(painter);
  return pixmap;
}

QPixmap TreeIconPixmap(int index, int size) {
  static constexpr CIconDrawing kDraw[kTreeImageCount] = {DrawSchedule, DrawFix,       DrawReportingPoint, DrawWarning,
                                                          DrawMeteo,    DrawWaypoints, DrawHurricane,      DrawChart,
                                                          DrawBook,     DrawPort,      DrawSelected};
  if (index < 0 || index >= kTreeImageCount) return {};
  return DrawnPixmap(kDraw[index], size);
}

QIcon TreeItemIcon(int image) {
  QIcon icon;
  for (const int size : {16, 32}) {
    icon.addPixmap(TreeIconPixmap(image, size), QIcon::Normal);
    icon.addPixmap(TreeIconPixmap(kTreeSelectedImage, size), QIcon::Selected);
  }
  return icon;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64})
    icon.addPixmap(TreeIconPixmap(ListKindInfo(EListKind::Waypoints).image, size));
  return icon;
}

void SetNightIcons(bool night) { nightIcons = night; }

}  // namespace marigold
