#pragma once
// What every printed page is drawn with: lines, rectangles, ellipses,
// polylines and text in page units of 0.1 mm, x from the left edge and y
// negative downwards from the top edge. The printer, the print preview and
// PDF draw through one Qt adapter; tests record the calls.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace marigold {

struct CPagePoint {
  int x = 0;
  int y = 0;  // negative downwards
  bool operator==(const CPagePoint&) const = default;
};

struct CColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const CColour&) const = default;
};

inline constexpr CColour kBlack{0, 0, 0};
inline constexpr CColour kRed{255, 0, 0};
inline constexpr CColour kGreen{0, 255, 0};
inline constexpr CColour kBlue{0, 0, 255};

inline constexpr const char* kPrintFace = "Times New Roman";

// A font by face, character height (0.1 mm), weight (400 normal, 700 bold)
// and escapement (tenths of a degree, counter-clockwise).
struct CPrintFont {
  std::string face = kPrintFace;
  int height = 36;
  int weight = 400;
  int escapement = 0;
  bool operator==(const CPrintFont&) const = default;
};

enum class EPenStyle { Solid, Dashed };

struct CPen {
  EPenStyle style = EPenStyle::Solid;
  int width = 1;  // 0.1 mm
  CColour colour = kBlack;
  bool operator==(const CPen&) const = default;
};

enum class EBrushStyle { Hollow, Solid, Hatched };

struct CBrush {
  EBrushStyle style = EBrushStyle::Hollow;
  CColour colour = kBlack;
  bool operator==(const CBrush&) const = default;
};

class CPainter {
 public:
  virtual ~CPainter() = default;

  virtual void SetFont(const CPrintFont& font) = 0;
  virtual void SetPen(const CPen& pen) = 0;
  virtual void SetBrush(const CBrush& brush) = 0;

  // The text's top left corner at the point (turned about it by the font's
  // escapement).
  virtual void Text(CPagePoint at, std::string_view text) = 0;
  virtual void Line(CPagePoint from, CPagePoint to) = 0;
  virtual void Polyline(std::span<const CPagePoint> points) = 0;
  // Outlined with the pen, filled with the brush.
  virtual void Rectangle(CPagePoint topLeft, CPagePoint bottomRight) = 0;
  virtual void Ellipse(CPagePoint topLeft, CPagePoint bottomRight) = 0;
};

}  // namespace marigold
