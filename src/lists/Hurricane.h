#pragma once
// A tropical storm as last reported: where and when it was observed, how it
// moves over the ground and how strong it is. The storm is moved along its
// movement to any other time.
#include <cstdint>

#include "core/Position2.h"
#include "core/PositionList.h"

namespace marigold {

class CHurricane : public CPosition2 {
 public:
  // The position's eight items, then course, speed, max wind, eye pressure
  // and wind range. Loading changes nothing when the bytes are damaged.
  void Serialize(CArchive& ar) override;

  // Writes into the target the storm's position at a UTC day number: dead
  // reckoned (rhumb line) from the observation along its course; a time
  // before the observation moves it backwards.
  void PositionAt(double dayNumber, CPosition2& target) const;

  std::int32_t windRange = 45;     // nM within which the max wind blows
  std::int32_t eyePressure = 900;  // mb
  std::int32_t maxWind = 60;       // knots
  double course = 0;               // degrees over the ground
  double speed = 0;                // knots over the ground
};

using CHurricaneList = CRecordList<CHurricane>;

}  // namespace marigold
