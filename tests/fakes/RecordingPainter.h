#pragma once
// A painter that writes down what is drawn, one line per call, with the pen,
// brush and font in force: what printing tests compare with the page layout
// worked out by hand.
#include <optional>
#include <string>
#include <vector>

#include "core/Painter.h"

namespace marigold {

class CRecordingPainter final : public CPainter {
 public:
  struct CText {
    CPagePoint at;
    std::string text;
    CPrintFont font;
  };
  struct CShape {
    std::string kind;  // "line", "polyline", "rectangle", "ellipse"
    std::vector<CPagePoint> points;
    CPen pen;
    CBrush brush;
  };

  void SetFont(const CPrintFont& font) override { font_ = font; }
  void SetPen(const CPen& pen) override { pen_ = pen; }
  void SetBrush(const CBrush& brush) override { brush_ = brush; }
  void Text(CPagePoint at, std::string_view text) override { texts.push_back({at, std::string(text), font_}); }
  void Line(CPagePoint from, CPagePoint to) override { Add("line", {from, to}); }
  void Polyline(std::span<const CPagePoint> points) override { Add("polyline", {points.begin(), points.end()}); }
  void Rectangle(CPagePoint topLeft, CPagePoint bottomRight) override { Add("rectangle", {topLeft, bottomRight}); }
  void Ellipse(CPagePoint topLeft, CPagePoint bottomRight) override { Add("ellipse", {topLeft, bottomRight}); }

  // The first text that is exactly `text`; nullptr when none is.
  const CText* Find(const std::string& text) const {
    for (const CText& t : texts)
      if (t.text == text) return &t;
    return nullptr;
  }

  // Where the first text that is exactly `text` stands; none when none is.
  std::optional<CPagePoint> At(const std::string& text) const {
    const CText* found = Find(text);
    return found ? std::optional<CPagePoint>(found->at) : std::nullopt;
  }

  std::vector<CText> texts;
  std::vector<CShape> shapes;

 private:
  void Add(const char* kind, std::vector<CPagePoint> points) {
    shapes.push_back({kind, std::move(points), pen_, brush_});
  }

  CPrintFont font_;
  CPen pen_;
  CBrush brush_;
};

}  // namespace marigold
