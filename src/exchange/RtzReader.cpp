// Reading RTZ 1.0 to 1.2, with whatever other makers add to it.
#include <limits>
#include <map>
#include <pugixml.hpp>

#include "exchange/Rtz.h"
#include "exchange/XmlSupport.h"

namespace marigold {
namespace {

constexpr double kUnlimited = std::numeric_limits<double>::infinity();

// What a waypoint's leg and extensions say beyond the waypoint itself.
struct CLegSource {
  bool speedLimits = false;  // speedMin or speedMax given
  bool freeSpeed = false;    // this program's extension: the speed is the schedule's
};

// The leg's attribute, or the default waypoint's when the leg lacks it: the
// element that holds it (an empty node when neither does).
pugi::xml_node Holder(pugi::xml_node leg, pugi::xml_node defaultLeg, const char* name) {
  if (leg.attribute(name)) return leg;
  return defaultLeg.attribute(name) ? defaultLeg : pugi::xml_node();
}

CLegSource ReadLeg(const CXmlSource& xml, pugi::xml_node leg, pugi::xml_node defaultLeg, CWaypoint& w) {
  const auto number = [&](const char* name) { return xml.Number(Holder(leg, defaultLeg, name), name, 0, kUnlimited); };
  if (const pugi::xml_node holder = Holder(leg, defaultLeg, "geometryType")) {
    const std::string_view geometry = holder.attribute("geometryType").value();
    if (geometry != "Orthodrome" && geometry != "Loxodrome")
      xml.Refuse(holder, "geometryType \"" + std::string(geometry) + "\" is neither Orthodrome nor Loxodrome");
    w.greatCircle = geometry == "Orthodrome";
  }
  const std::optional<double> portside = number("portsideXTD");
  const std::optional<double> starboard = number("starboardXTD");
  if (portside || starboard) {
    w.passWithin = true;
    w.passWithinDistance = std::min(portside.value_or(kUnlimited), starboard.value_or(kUnlimited));
  }
  const std::optional<double> speedMin = number("speedMin");
  const std::optional<double> speedMax = number("speedMax");
  if (speedMin && speedMax && *speedMin == *speedMax && *speedMin > 0) {
    w.keepGroundspeed = true;
    w.keptGroundspeed = *speedMin;
  }
  return {speedMin || speedMax, false};
}

// This program's extension; those of other makers are passed over.
void ReadOwnExtension(const CXmlSource& xml, pugi::xml_node waypoint, CWaypoint& w, CLegSource& source) {
  for (pugi::xml_node extension : Children(Child(waypoint, "extensions"), "extension")) {
    if (std::string_view(extension.attribute("manufacturer").value()) != kRtzExtensionMaker ||
        std::string_view(extension.attribute("name").value()) != kRtzExtensionName)
      continue;
    if (std::string_view(extension.attribute("keepGroundspeed").value()) == "false") {
      source.freeSpeed = true;
      w.keepGroundspeed = false;
    }
    if (const auto distance = xml.Number(extension, "passWithin", -kUnlimited, kUnlimited)) {
      w.passWithin = true;
      w.passWithinDistance = *distance;
    }
  }
}

// The first schedule's calculated part (or its manual one): departure,
// times and the speeds of legs that have no limits of their own.
void ReadSchedule(const CXmlSource& xml, pugi::xml_node root, const std::map<std::uint64_t, std::size_t>& byId,
                  const std::vector<CLegSource>& legs, std::vector<CWaypoint>& waypoints) {
  const pugi::xml_node schedule = Child(Child(root, "schedules"), "schedule");
  pugi::xml_node part = Child(schedule, "calculated");
  if (!part) part = Child(schedule, "manual");
  for (pugi::xml_node element : part.children()) {
    if (LocalName(element) != "scheduleElement" && LocalName(element) != "sheduleElement") continue;
    const std::optional<std::uint64_t> id = xml.WholeNumber(element, "waypointId");
    if (!id) xml.Refuse(element, "schedule element without a waypointId");
    const auto found = byId.find(*id);
    if (found == byId.end()) continue;  // a schedule of waypoints not in the route
    const std::size_t index = found->second;
    CWaypoint& w = waypoints[index];
    const std::optional<double> etd = xml.Time(element, "etd");
    const std::optional<double> eta = xml.Time(element, "eta");
    const std::optional<double> speed = xml.Number(element, "speed", 0, kUnlimited);
    if (const std::optional<double> at = index == 0 && etd ? etd : eta) {
      if (index == 0) w.SetTime(*at);
      w.SetTimeA(*at);
      w.SetTimeB(*at);
    }
    if (index > 0 && speed && *speed > 0 && !legs[index].speedLimits && !legs[index].freeSpeed) {
      w.keepGroundspeed = true;
      w.keptGroundspeed = *speed;
    }
  }
}

CImportedRoute ReadRoute(const CXmlSource& xml) {
  const pugi::xml_node root = xml.Root();
  if (LocalName(root) != "route")
    xml.Refuse(root, "not an RTZ route: the file holds <" + std::string(root.name()) + ">, not <route>");
  const std::string_view version = root.attribute("version").value();
  if (version != "1.0" && version != "1.1" && version != "1.2")
    xml.Refuse(root, "RTZ version \"" + std::string(version) + "\" is not one this program reads (1.0, 1.1, 1.2)");

  CImportedRoute route;
  const pugi::xml_node info = Child(root, "routeInfo");
  route.name = info.attribute("routeName").value();
  route.voyageNumber = info.attribute("vesselVoyage").value();

  const pugi::xml_node list = Child(root, "waypoints");
  const std::vector<pugi::xml_node> elements = Children(list, "waypoint");
  if (elements.empty()) xml.Refuse(list ? list : root, "the route has no waypoints");
  const pugi::xml_node defaultLeg = Child(Child(list, "defaultWaypoint"), "leg");

  std::map<std::uint64_t, std::size_t> byId;
  std::vector<CLegSource> legs;
  for (const pugi::xml_node element : elements) {
    const std::optional<std::uint64_t> id = xml.WholeNumber(element, "id");
    if (!id) xml.Refuse(element, "waypoint without an id");
    if (!byId.emplace(*id, route.waypoints.size()).second)
      xml.Refuse(element, "duplicate waypoint id " + std::to_string(*id));
    CWaypoint& w = route.waypoints.emplace_back();
    if (const pugi::xml_attribute name = element.attribute("name")) w.SetName(name.value());
    const pugi::xml_node position = Child(element, "position");
    const std::optional<double> latitude = xml.Number(position, "lat", -90, 90);
    const std::optional<double> longitude = xml.Number(position, "lon", -180, 180);
    if (!latitude || !longitude)
      xml.Refuse(position ? position : element, "waypoint " + std::to_string(*id) + " has no position");
    w.SetLatitude(*latitude);
    w.SetLongitude(*longitude);
    // The leg towards the first waypoint starts where the ship is, not in
    // this route: it keeps the defaults.
    CLegSource& source = legs.emplace_back();
    if (route.waypoints.size() == 1) continue;
    source = ReadLeg(xml, Child(element, "leg"), defaultLeg, w);
    ReadOwnExtension(xml, element, w, source);
  }
  ReadSchedule(xml, root, byId, legs, route.waypoints);
  MakeLongitudesContinuous(route.waypoints);
  for (CWaypoint& w : route.waypoints) w.SetChanged(false);
  return route;
}

}  // namespace

CReadResult<CImportedRoute> ReadRtz(std::span<const std::uint8_t> bytes) {
  return ReadXml<CImportedRoute>(bytes, ReadRoute);
}

}  // namespace marigold
