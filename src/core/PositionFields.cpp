#include "core/PositionFields.h"

#include <cmath>
#include <string>

#include "core/Angles.h"
#include "core/Navigation.h"

namespace marigold {
namespace {

// Whole degrees, minutes and hemisphere (0 North or East, 1 South or West).
void Split(double value, int& degrees, double& minutes, int& hemisphere) {
  const double magnitude = std::fabs(value);
  double whole = std::trunc(magnitude);
  // A millionth of a minute is under 2 mm: rounding to it hides the noise of
  // the arithmetic (sailing due east leaves the latitude some 1e-10 degrees
  // off) without moving the position.
  double parts = std::round((magnitude - whole) * 60 * 1e6) / 1e6;
  if (parts >= 60) {
    whole += 1;
    parts = 0;
  }
  degrees = static_cast<int>(whole);
  minutes = parts;
  hemisphere = value < 0 && (degrees != 0 || minutes != 0) ? 1 : 0;
}

double ReadDegrees(const CNavigation& nav, int degrees, double minutes, int hemisphere) {
  return nav.ToDecimalDegrees(degrees, minutes, hemisphere == 1 ? 1 : 0);
}

std::string FieldName(const char* prefix, const char* name) {
  std::string field = prefix;
  if (field.empty()) return name;
  field += static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return field + (name + 1);
}

}  // namespace

CPositionFields PositionFields(double latitude, double longitude) {
  CPositionFields fields;
  Split(latitude, fields.latitudeDegrees, fields.latitudeMinutes, fields.latitudeHemisphere);
  Split(ReducedLongitude(longitude), fields.longitudeDegrees, fields.longitudeMinutes, fields.longitudeHemisphere);
  return fields;
}

CPosition2 ReadPosition(const CPositionFields& fields) {
  const CNavigation nav;
  CPosition2 position;
  position.SetLatitude(ReadDegrees(nav, fields.latitudeDegrees, fields.latitudeMinutes, fields.latitudeHemisphere));
  position.SetLongitude(ReadDegrees(nav, fields.longitudeDegrees, fields.longitudeMinutes, fields.longitudeHemisphere));
  return position;
}

std::optional<CFieldRefusal> ValidatePositionFields(const CPositionFields& p, const char* prefix) {
  const auto refuse = [prefix](const char* name, std::optional<std::string> message) -> std::optional<CFieldRefusal> {
    if (!message) return std::nullopt;
    return CFieldRefusal{FieldName(prefix, name), std::move(*message)};
  };
  if (auto r = refuse("latitudeDegrees", CheckIntegerRange(p.latitudeDegrees, 0, 90))) return r;
  if (auto r = refuse("latitudeMinutes", CheckNumberRange(p.latitudeMinutes, 0, p.latitudeDegrees == 90 ? 0 : 60)))
    return r;
  if (auto r = refuse("longitudeDegrees", CheckIntegerRange(p.longitudeDegrees, 0, 180))) return r;
  return refuse("longitudeMinutes", CheckNumberRange(p.longitudeMinutes, 0, p.longitudeDegrees == 180 ? 0 : 60));
}

}  // namespace marigold
