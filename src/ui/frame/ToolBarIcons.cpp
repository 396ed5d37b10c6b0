#include "ui/frame/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <iterator>

#include "core/CommandIds.h"
#include "lists/ListKind.h"
#include "ui/frame/TreeIcons.h"

namespace marigold {
namespace {

const QColor kPaper(250, 250, 245);
const QColor kGreen(40, 150, 70);

void DrawPage(QPainter& p) {  // a sheet with a folded corner
  p.setBrush(kPaper);
  p.drawPolygon(QPolygonF({QPointF(7, 3), QPointF(19, 3), QPointF(25, 9), QPointF(25, 29), QPointF(7, 29)}));
  p.drawPolyline(QPolygonF({QPointF(19, 3), QPointF(19, 9), QPointF(25, 9)}));
}

void DrawNew(QPainter& p) {  // a blank sheet with a spark
  DrawPage(p);
  p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 14), QPointF(16, 24));
  p.drawLine(QPointF(11, 19), QPointF(21, 19));
}

void DrawOpen(QPainter& p) {  // an opening folder
  p.setBrush(QColor(250, 210, 90));
  p.drawPolygon(
      QPolygonF({QPointF(3, 8), QPointF(12, 8), QPointF(14, 11), QPointF(26, 11), QPointF(26, 27), QPointF(3, 27)}));
  p.setBrush(QColor(255, 230, 140));
  p.drawPolygon(QPolygonF({QPointF(8, 15), QPointF(31, 15), QPointF(26, 27), QPointF(3, 27)}));
}

void DrawSave(QPainter& p) {  // a diskette
  p.setBrush(QColor(70, 110, 180));
  p.drawPolygon(QPolygonF({QPointF(4, 4), QPointF(24, 4), QPointF(28, 8), QPointF(28, 28), QPointF(4, 28)}));
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 4, 13, 8));
  p.drawRect(QRectF(8, 17, 16, 11));
}

void DrawPrint(QPainter& p) {  // a printer with a sheet coming out
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 3, 14, 10));
  p.setBrush(QColor(170, 175, 185));
  p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(9, 20, 14, 9));
}

// A list's tree icon with a green plus: insert into that list.
void DrawInsert(QPainter& p, EListKind list) {
  p.drawPixmap(QRectF(0, 0, 28, 28), TreeIconPixmap(ListKindInfo(list).image, 56), QRectF(0, 0, 56, 56));
  p.setPen(QPen(kGreen, 3.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(25, 19), QPointF(25, 31));
  p.drawLine(QPointF(19, 25), QPointF(31, 25));
}

void DrawInsertWaypoint(QPainter& p) { DrawInsert(p, EListKind::Waypoints); }
void DrawInsertFix(QPainter& p) { DrawInsert(p, EListKind::PositionFixes); }

void DrawLargeIcons(QPainter& p) {  // four large tiles
  p.setBrush(kPaper);
  for (const double x : {4.0, 18.0})
    for (const double y : {4.0, 18.0}) p.drawRect(QRectF(x, y, 10, 10));
}

void DrawSmallIcons(QPainter& p) {  // small tiles, each with its label
  p.setBrush(kPaper);
  for (const double x : {3.0, 17.0})
    for (const double y : {5.0, 14.0, 23.0}) {
      p.drawRect(QRectF(x, y, 4, 4));
      p.drawLine(QPointF(x + 7, y + 2), QPointF(x + 12, y + 2));
    }
}

void DrawListStyle(QPainter& p) {  // one column of small tiles and labels
  p.setBrush(kPaper);
  for (const double y : {4.0, 12.0, 20.0}) {
    p.drawRect(QRectF(4, y, 5, 5));
    p.drawLine(QPointF(13, y + 2.5), QPointF(28, y + 2.5));
  }
}

void DrawDetails(QPainter& p) {  // a table of rows and columns
  p.setBrush(kPaper);
  p.drawRect(QRectF(3, 5, 26, 22));
  for (const double y : {11.0, 16.5, 22.0}) p.drawLine(QPointF(3, y), QPointF(29, y));
  p.drawLine(QPointF(12, 5), QPointF(12, 27));
  p.drawLine(QPointF(21, 5), QPointF(21, 27));
}

void DrawDayNight(QPainter& p) {  // the sun beside a crescent moon
  p.setBrush(QColor(250, 200, 40));
  p.drawEllipse(QPointF(11, 12), 5, 5);
  for (int ray = 0; ray < 8; ++ray) {
    p.save();
    p.translate(11, 12);
    p.rotate(ray * 45.0);
    p.drawLine(QPointF(0, -7.5), QPointF(0, -9.5));
    p.restore();
  }
  QPainterPath moon;
  moon.addEllipse(QPointF(22, 21), 8, 8);
  QPainterPath bite;
  bite.addEllipse(QPointF(26, 17), 7, 7);
  p.setBrush(QColor(200, 210, 225));
  p.drawPath(moon.subtracted(bite));
}

void DrawStatus(QPainter& p) {  // a dial with its needle
  p.setBrush(kPaper);
  p.drawPie(QRectF(3, 6, 26, 26), 0, 180 * 16);
  for (const double angle : {-60.0, -30.0, 0.0, 30.0, 60.0}) {
    p.save();
    p.translate(16, 19);
    p.rotate(angle);
    p.drawLine(QPointF(0, -10), QPointF(0, -12));
    p.restore();
  }
  p.setPen(QPen(QColor(220, 60, 40), 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 19), QPointF(23, 11));
}

void DrawProperties(QPainter& p) {  // a clipboard with written lines
  p.setBrush(QColor(190, 150, 100));
  p.drawRoundedRect(QRectF(5, 4, 22, 26), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(8, 8, 16, 19));
  p.drawRect(QRectF(12, 2, 8, 4));
  for (const double y : {13.0, 18.0, 23.0}) p.drawLine(QPointF(11, y), QPointF(21, y));
}

void DrawCalculator(QPainter& p) {  // a calculator with its display and keys
  p.setBrush(QColor(170, 175, 185));
  p.drawRoundedRect(QRectF(6, 2, 20, 28), 2, 2);
  p.setBrush(QColor(200, 230, 200));
  p.drawRect(QRectF(9, 5, 14, 6));
  p.setBrush(kPaper);
  for (const double x : {9.5, 14.5, 19.5})
    for (const double y : {14.5, 19.5, 24.5}) p.drawRect(QRectF(x, y, 3, 3));
}

void DrawEta(QPainter& p) {  // a clock with the arrow of arrival
  p.setBrush(kPaper);
  p.drawEllipse(QRectF(2, 2, 22, 22));
  p.drawLine(QPointF(13, 13), QPointF(13, 6));
  p.drawLine(QPointF(13, 13), QPointF(18, 15));
  p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(16, 27), QPointF(29, 27));
  p.drawPolyline(QPolygonF({QPointF(25, 23), QPointF(29, 27), QPointF(25, 31)}));
}

void DrawAbout(QPainter& p) {  // the "i" of information
  p.setBrush(QColor(70, 130, 200));
  p.drawEllipse(QRectF(3, 3, 26, 26));
  p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap));
  p.drawPoint(QPointF(16, 10));
  p.drawLine(QPointF(16, 15), QPointF(16, 23));
}

void DrawContextHelp(QPainter& p) {  // an arrow beside a question mark
  p.setBrush(kPaper);
  p.drawPolygon(QPolygonF({QPointF(3, 3), QPointF(3, 21), QPointF(8, 17), QPointF(11, 24), QPointF(14, 23),
                           QPointF(11, 16), QPointF(17, 16)}));
  QPainterPath mark;
  mark.moveTo(19, 12);
  mark.cubicTo(19, 6, 29, 6, 29, 12);
  mark.cubicTo(29, 16, 24, 16, 24, 21);
  p.setBrush(Qt::NoBrush);
  p.drawPath(mark);
  p.drawPoint(QPointF(24, 27));
}

struct CToolIcon {
  int commandId;
  CIconDrawing draw;
};

constexpr CToolIcon kIcons[] = {
    {command::kNew, DrawNew},
    {command::kOpen, DrawOpen},
    {command::kSave, DrawSave},
    {command::kPrint, DrawPrint},
    {command::kInsertWaypoint, DrawInsertWaypoint},
    {command::kInsertPositionFix, DrawInsertFix},
    {command::kLargeIcons, DrawLargeIcons},
    {command::kSmallIcons, DrawSmallIcons},
    {command::kListStyle, DrawListStyle},
    {command::kDetails, DrawDetails},
    {command::kDayNight, DrawDayNight},
    {command::kVoyageStatus, DrawStatus},
    {command::kVoyageProperties, DrawProperties},
    {command::kCalculator, DrawCalculator},
    {command::kCalculateEta, DrawEta},
    {command::kAbout, DrawAbout},
    {command::kContextHelp, DrawContextHelp},
};

}  // namespace

QIcon ToolBarIcon(int commandId) {
  const auto found = std::find_if(std::begin(kIcons), std::end(kIcons),
                                  [&](const CToolIcon& icon) { return icon.commandId == commandId; });
  if (found == std::end(kIcons)) return {};
  QIcon icon;
  for (const int size : {16, 24, 32}) icon.addPixmap(DrawnPixmap(found->draw, size));
  return icon;
}

}  // namespace marigold
