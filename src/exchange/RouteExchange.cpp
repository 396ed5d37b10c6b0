#include "exchange/RouteExchange.h"

#include "core/FileIo.h"
#include "exchange/ExchangeText.h"

namespace marigold {
namespace {

constexpr int kPositionDecimals = 9;
constexpr double kPositionScale = 1e9;
constexpr int kFigureDecimals = 6;

}  // namespace

CReadResult<CBytes> ReadExchangeFile(const std::string& path) {
  std::string error;
  std::optional<CBytes> bytes = ReadFileBytes(path, &error, kExchangeFileLimit);
  if (!bytes) return CExchangeRefusal{0, error};
  return std::move(*bytes);
}

std::string FileLatitudeText(double latitude) { return DecimalText(latitude, kPositionDecimals); }

std::string FileLongitudeText(double longitude) {
  double reduced = std::round(ReducedLongitude(longitude) * kPositionScale) / kPositionScale;
  if (reduced >= 180) reduced -= 360;
  return DecimalText(reduced, kPositionDecimals);
}

std::string FigureText(double value) { return DecimalText(value, kFigureDecimals); }

std::optional<double> PlannedDeparture(const CVoyage& route) {
  if (route.IsEmpty()) return std::nullopt;
  const double departure = route.GetHead()->GetTime();
  if (!(departure > 0) || !std::isfinite(departure)) return std::nullopt;
  return departure;
}

bool HasSchedule(const CVoyage& route) {
  const std::optional<double> departure = PlannedDeparture(route);
  const double arrival = route.IsEmpty() ? 0 : route.GetTail()->GetTimeB();
  return departure && std::isfinite(arrival) && arrival > *departure;
}

std::optional<double> CommonKeptGroundspeed(const CVoyage& route) {
  std::optional<double> common;
  for (int i = 1; i < route.GetCount(); ++i) {
    const CWaypoint& w = *route.GetAt(i);
    if (!w.keepGroundspeed || !(w.keptGroundspeed > 0) || (common && *common != w.keptGroundspeed)) return std::nullopt;
    common = w.keptGroundspeed;
  }
  return common;
}

}  // namespace marigold
