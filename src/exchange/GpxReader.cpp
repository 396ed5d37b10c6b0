// Reading GPX: a route (or a file of waypoints) and tracks.
#include <limits>
#include <pugixml.hpp>

#include "exchange/ExchangeText.h"
#include "exchange/Gpx.h"
#include "exchange/XmlSupport.h"

namespace marigold {
namespace {

constexpr double kUnlimited = std::numeric_limits<double>::infinity();

void RequireGpx(const CXmlSource& xml) {
  const pugi::xml_node root = xml.Root();
  if (LocalName(root) != "gpx")
    xml.Refuse(root, "not a GPX file: the file holds <" + std::string(root.name()) + ">, not <gpx>");
}

// A point's position, which every point must have within range.
template <class Position>
void ReadPosition(const CXmlSource& xml, pugi::xml_node point, Position& position) {
  const std::optional<double> latitude = xml.Number(point, "lat", -90, 90);
  const std::optional<double> longitude = xml.Number(point, "lon", -180, 180);
  if (!latitude || !longitude) xml.Refuse(point, "<" + std::string(point.name()) + "> without lat and lon");
  position.SetLatitude(*latitude);
  position.SetLongitude(*longitude);
}

CImportedRoute ReadRoute(const CXmlSource& xml) {
  RequireGpx(xml);
  const pugi::xml_node root = xml.Root();
  CImportedRoute route;
  const pugi::xml_node rte = Child(root, "rte");
  const std::vector<pugi::xml_node> points = rte ? Children(rte, "rtept") : Children(root, "wpt");
  if (points.empty()) {
    if (Child(root, "trk"))
      xml.Refuse(rte ? rte : root, "the file holds a track but no route: a track goes into the position-fix history");
    xml.Refuse(rte ? rte : root, "the file holds no route points (rtept) or waypoints (wpt)");
  }
  route.name = Child(rte, "name").text().get();
  for (const pugi::xml_node point : points) {
    CWaypoint& w = route.waypoints.emplace_back();
    ReadPosition(xml, point, w);
    if (const pugi::xml_node name = Child(point, "name")) w.SetName(name.text().get());
  }
  // The chart plotters' extensions, whatever prefix the file gives them.
  const pugi::xml_node extensions = Child(rte, "extensions");
  if (const pugi::xml_node planned = Child(extensions, "planned_speed")) {
    const std::optional<double> speed = ParseDecimal(planned.text().get());
    if (!speed || *speed < 0 || *speed > kUnlimited)
      xml.Refuse(planned, "planned_speed \"" + std::string(planned.text().get()) + "\" is not a speed");
    for (std::size_t i = 1; i < route.waypoints.size() && *speed > 0; ++i) {
      route.waypoints[i].keepGroundspeed = true;
      route.waypoints[i].keptGroundspeed = *speed;
    }
  }
  // An empty departure means none was planned.
  const pugi::xml_node departure = Child(extensions, "planned_departure");
  if (*departure.text().get()) {
    CWaypoint& first = route.waypoints.front();
    const double day = *xml.TimeText(extensions, "planned_departure");
    first.SetTime(day);
    first.SetTimeA(day);
    first.SetTimeB(day);
  }
  MakeLongitudesContinuous(route.waypoints);
  for (CWaypoint& w : route.waypoints) w.SetChanged(false);
  return route;
}

std::vector<CFixRecord> ReadTrack(const CXmlSource& xml) {
  RequireGpx(xml);
  std::vector<CFixRecord> fixes;
  for (const pugi::xml_node track : Children(xml.Root(), "trk"))
    for (const pugi::xml_node segment : Children(track, "trkseg"))
      for (const pugi::xml_node point : Children(segment, "trkpt")) {
        CFixRecord& fix = fixes.emplace_back();
        ReadPosition(xml, point, fix);
        const std::optional<double> time = xml.TimeText(point, "time");
        if (!time) xml.Refuse(point, "track point without a time: a fix needs one");
        fix.SetTime(*time);
      }
  if (fixes.empty()) xml.Refuse(xml.Root(), "the file holds no track points (trkpt)");
  MakeLongitudesContinuous(fixes);
  return fixes;
}

}  // namespace

CReadResult<CImportedRoute> ReadGpxRoute(std::span<const std::uint8_t> bytes) {
  return ReadXml<CImportedRoute>(bytes, ReadRoute);
}

CReadResult<std::vector<CFixRecord>> ReadGpxTrack(std::span<const std::uint8_t> bytes) {
  return ReadXml<std::vector<CFixRecord>>(bytes, ReadTrack);
}

}  // namespace marigold
