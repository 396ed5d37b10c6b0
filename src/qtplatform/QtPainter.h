#pragma once
// The painter interface on a QPainter: the printer, the print preview and
// PDF all draw through this one adapter. Page units of 0.1 mm with y
// negative downwards become the device's pixels from the top left of the
// printable area.
#include <QFont>
#include <QPainter>

#include "core/Painter.h"

namespace marigold {

class CQtPainter final : public CPainter {
 public:
  // `dotsPerInch` of the device the painter draws on.
  CQtPainter(QPainter& painter, double dotsPerInch);

  void SetFont(const CPrintFont& font) override;
  void SetPen(const CPen& pen) override;
  void SetBrush(const CBrush& brush) override;
  void Text(CPagePoint at, std::string_view text) override;
  void Line(CPagePoint from, CPagePoint to) override;
  void Polyline(std::span<const CPagePoint> points) override;
  void Rectangle(CPagePoint topLeft, CPagePoint bottomRight) override;
  void Ellipse(CPagePoint topLeft, CPagePoint bottomRight) override;

  // Device pixels per page unit.
  double Scale() const { return scale_; }
  QPointF ToDevice(CPagePoint point) const { return {point.x * scale_, -point.y * scale_}; }

 private:
  QRectF DeviceRect(CPagePoint topLeft, CPagePoint bottomRight) const;

  QPainter& painter_;
  double scale_;
  int escapement_ = 0;
  double ascent_ = 0;  // of the font in force, in device pixels
};

}  // namespace marigold
