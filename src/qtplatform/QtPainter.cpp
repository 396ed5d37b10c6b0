#include "qtplatform/QtPainter.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <QString>
#include <algorithm>

namespace marigold {
namespace {

constexpr double kUnitsPerInch = 254.0;  // tenths of a millimetre

QColor ToQt(const CColour& colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

CQtPainter::CQtPainter(QPainter& painter, double dotsPerInch) : painter_(painter), scale_(dotsPerInch / kUnitsPerInch) {
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  SetFont({});
  SetPen({});
  SetBrush({});
}

void CQtPainter::SetFont(const CPrintFont& font) {
  // Asked for by name: where the face is missing, the font configuration
  // stands in a metric-compatible one (Liberation Serif for Times New Roman).
  QFont qt(QString::fromStdString(font.face));
  qt.setStyleHint(QFont::Serif);
  qt.setPixelSize(std::max(1, static_cast<int>(font.height * scale_ + 0.5)));
  qt.setWeight(static_cast<QFont::Weight>(font.weight));
  painter_.setFont(qt);
  escapement_ = font.escapement;
  // Measured once per font: a long printout writes hundreds of thousands of texts.
  ascent_ = QFontMetricsF(painter_.font(), painter_.device()).ascent();
}

void CQtPainter::SetPen(const CPen& pen) {
  QPen qt(ToQt(pen.colour));
  qt.setWidthF(std::max(1.0, pen.width * scale_));
  qt.setStyle(pen.style == EPenStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
  painter_.setPen(qt);
}

void CQtPainter::SetBrush(const CBrush& brush) {
  switch (brush.style) {
    case EBrushStyle::Hollow: painter_.setBrush(Qt::NoBrush); break;
    case EBrushStyle::Solid: painter_.setBrush(QBrush(ToQt(brush.colour), Qt::SolidPattern)); break;
    case EBrushStyle::Hatched: painter_.setBrush(QBrush(ToQt(brush.colour), Qt::DiagCrossPattern)); break;
  }
}

void CQtPainter::Text(CPagePoint at, std::string_view text) {
  const QString qt = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  painter_.save();
  painter_.translate(ToDevice(at));
  // Escapement turns counter-clockwise on the page; the device's y runs down.
  if (escapement_ != 0) painter_.rotate(-escapement_ / 10.0);
  painter_.drawText(QPointF(0, ascent_), qt);
  painter_.restore();
}

void CQtPainter::Line(CPagePoint from, CPagePoint to) { painter_.drawLine(ToDevice(from), ToDevice(to)); }

void CQtPainter::Polyline(std::span<const CPagePoint> points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const CPagePoint& point : points) polygon << ToDevice(point);
  painter_.drawPolyline(polygon);
}

QRectF CQtPainter::DeviceRect(CPagePoint topLeft, CPagePoint bottomRight) const {
  return QRectF(ToDevice(topLeft), ToDevice(bottomRight)).normalized();
}

void CQtPainter::Rectangle(CPagePoint topLeft, CPagePoint bottomRight) {
  painter_.drawRect(DeviceRect(topLeft, bottomRight));
}

void CQtPainter::Ellipse(CPagePoint topLeft, CPagePoint bottomRight) {
  painter_.drawEllipse(DeviceRect(topLeft, bottomRight));
}

}  // namespace marigold
