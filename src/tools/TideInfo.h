#pragma once
// A port's tide data: the mean level, the harmonic constants of M2, S2, K1
// and O1, the two shallow-water corrections, and the tidal angles and factors
// entered for one date. Height(t) is the simplified harmonic method.
#include <ctime>

#include "core/Archive.h"

namespace marigold {

class CTideInfo {
 public:
  // Every value 0 and angleDate 0; a tide made for the user takes "now".
  CTideInfo() = default;
  explicit CTideInfo(std::time_t now) : angleDate(now) {}

  // The fourteen constants f4 .. gK1 in declaration order, angleDate as
  // 32-bit seconds, then aK1, fK1, aM2, fM2, aO1, fO1, aS2, fS2: 180 bytes.
  // Loading changes nothing when the bytes run out.
  void Serialize(CArchive& ar);

  // Metres at t hours after 00:00 of angleDate. Without an M2 or S2
  // amplitude the shallow-water terms are 0.
  double Height(double t) const;

  // Constants ("Tide" page of the port); angles in degrees, heights in m.
  // f4/F4 and f6/F6 keep the page's names: phase and factor of the quarter-
  // and sixth-diurnal corrections.
  double f4 = 0;
  double F4 = 0;
  double f6 = 0;
  double hmK1 = 0;
  double gM2 = 0;
  double hmM2 = 0;
  double meanLevel = 0;
  double gO1 = 0;
  double hmO1 = 0;
  double gS2 = 0;
  double hmS2 = 0;
  double timeZone = 0;  // stored and edited only
  double F6 = 0;
  double gK1 = 0;

  // Tidal angles A and factors F, valid for the date of angleDate.
  std::time_t angleDate = 0;
  double aK1 = 0;
  double fK1 = 0;
  double aM2 = 0;
  double fM2 = 0;
  double aO1 = 0;
  double fO1 = 0;
  double aS2 = 0;
  double fS2 = 0;
};

}  // namespace marigold
