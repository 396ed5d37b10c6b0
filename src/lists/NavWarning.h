#pragma once
// A navigational warning: a danger announced for a sea area, with its period
// of validity, a passing distance and the points of its area. The position
// part holds the reference position (the mean of the area points) and the
// name (the warning number).
#include <cstdint>
#include <string>
#include <vector>

#include "core/PositionList.h"

namespace marigold {

class CNavWarning : public CPosition2 {
 public:
  static constexpr std::int32_t kNoGoArea = 0;
  static constexpr std::int32_t kSingleLine = 1;

  CNavWarning() = default;
  CNavWarning(CNavWarning&&) = default;
  CNavWarning& operator=(CNavWarning&&) = default;

  // The position's eight items, then passing distance, valid till, valid
  // from, number, second text, the area points (32-bit count and each point
  // in its position form) and last the area kind. Loading replaces the area
  // points only when the whole warning has been read.
  void Serialize(CArchive& ar) override;

  // Latitude and longitude become the mean of the area points; false (and
  // the position kept) without points. An area across the 180° meridian is
  // averaged where it lies, not on the far side of the earth.
  bool SetReferencePosition();

  int GetAreaPointCount() const { return areaPoints_.GetCount(); }
  // nullptr when the index is out of range.
  CPosition2* GetAreaPoint(int index) const;
  // Appends a default point and returns it.
  CPosition2* AddAreaPoint() { return areaPoints_.AddNew(); }
  // Deletes the point; false when it is not one of this warning's points.
  bool RemoveAreaPoint(const CPosition2* point) { return areaPoints_.Remove(point); }
  // Replaces every point by a copy of these.
  void SetAreaPoints(const std::vector<CPosition2>& points);
  const CRecordList<CPosition2>& AreaPoints() const { return areaPoints_; }

  std::int32_t areaKind = kSingleLine;
  std::string secondText;      // kept in the file; nothing edits it
  double validFrom = 0;        // day number, UTC
  std::string number;          // "Navigational Warning Nr"
  double passingDistance = 0;  // nM
  double validTill = 0;        // day number, UTC

 private:
  CRecordList<CPosition2> areaPoints_;
};

}  // namespace marigold
