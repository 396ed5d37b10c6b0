// Writing RTZ 1.0 and 1.1, valid against the published schemas.
#include <cctype>
#include <cmath>
#include <pugixml.hpp>

#include "exchange/ExchangeText.h"
#include "exchange/Rtz.h"
#include "exchange/XmlSupport.h"

namespace marigold {
namespace {

// The schemas allow cross-track limits below 10 nM only.
constexpr double kXtdLimit = 10;

struct CRtzForm {
  const char* version;
  const char* xmlNamespace;
  const char* scheduleElement;  // 1.0's schema spells it without the c
};

const CRtzForm& FormOf(ERtzVersion version) {
  static const CRtzForm kForms[] = {{"1.0", "http://www.cirm.org/RTZ/1/0", "sheduleElement"},
                                    {"1.1", "http://www.cirm.org/RTZ/1/1", "scheduleElement"}};
  return kForms[static_cast<int>(version)];
}

// The schema wants the IMO number as digits only; "IMO 9074729" is taken
// too, anything else left out.
std::string ImoDigits(std::string imo) {
  if (imo.size() >= 3 && std::toupper(static_cast<unsigned char>(imo[0])) == 'I' &&
      std::toupper(static_cast<unsigned char>(imo[1])) == 'M' &&
      std::toupper(static_cast<unsigned char>(imo[2])) == 'O')
    imo.erase(0, 3);
  imo.erase(0, imo.find_first_not_of(' '));
  const bool digits = !imo.empty() && imo.find_first_not_of("0123456789") == std::string::npos && imo.size() <= 18;
  return digits ? imo : std::string();
}

bool XtdFits(const CWaypoint& w) { return w.passWithinDistance >= 0 && w.passWithinDistance < kXtdLimit; }

void WriteLeg(pugi::xml_node waypoint, const CWaypoint& w) {
  pugi::xml_node leg = waypoint.append_child("leg");
  if (w.passWithin && XtdFits(w)) {
    PutAttribute(leg, "starboardXTD", FigureText(w.passWithinDistance));
    PutAttribute(leg, "portsideXTD", FigureText(w.passWithinDistance));
  }
  PutAttribute(leg, "geometryType", w.greatCircle ? "Orthodrome" : "Loxodrome");
  if (w.keepGroundspeed && Writable(w.keptGroundspeed)) {
    PutAttribute(leg, "speedMin", FigureText(w.keptGroundspeed));
    PutAttribute(leg, "speedMax", FigureText(w.keptGroundspeed));
  }
}

void WriteOwnExtension(pugi::xml_node waypoint, const CWaypoint& w) {
  const bool freeSpeed = !w.keepGroundspeed;
  const bool widePass = w.passWithin && !XtdFits(w) && std::isfinite(w.passWithinDistance);
  if (!freeSpeed && !widePass) return;
  pugi::xml_node extension = waypoint.append_child("extensions").append_child("extension");
  PutAttribute(extension, "manufacturer", kRtzExtensionMaker);
  PutAttribute(extension, "name", kRtzExtensionName);
  PutAttribute(extension, "version", "1");
  if (freeSpeed) PutAttribute(extension, "keepGroundspeed", "false");
  if (widePass) PutAttribute(extension, "passWithin", FigureText(w.passWithinDistance));
}

void WriteWaypoints(pugi::xml_node root, const CVoyage& route) {
  pugi::xml_node waypoints = root.append_child("waypoints");
  for (int i = 0; i < route.GetCount(); ++i) {
    const CWaypoint& w = *route.GetAt(i);
    pugi::xml_node waypoint = waypoints.append_child("waypoint");
    PutAttribute(waypoint, "id", std::to_string(i + 1));
    PutAttribute(waypoint, "name", w.GetName());
    pugi::xml_node position = waypoint.append_child("position");
    PutAttribute(position, "lat", FileLatitudeText(w.GetLatitude()));
    PutAttribute(position, "lon", FileLongitudeText(w.GetLongitude()));
    // The first waypoint's leg is the one from the present position: not
    // part of the route.
    if (i == 0) continue;
    WriteLeg(waypoint, w);
    WriteOwnExtension(waypoint, w);
  }
}

// The departure at the first waypoint, then per waypoint its estimated time
// (when the route has a schedule) and the groundspeed of the leg towards it.
void WriteSchedule(pugi::xml_node root, const CVoyage& route, const CRouteIdentity& identity, const CRtzForm& form) {
  const std::optional<double> departure = PlannedDeparture(route);
  if (!departure) return;
  const bool scheduled = HasSchedule(route);
  pugi::xml_node schedule = root.append_child("schedules").append_child("schedule");
  PutAttribute(schedule, "id", "1");
  PutAttribute(schedule, "name", identity.routeName);
  pugi::xml_node calculated = schedule.append_child("calculated");
  for (int i = 0; i < route.GetCount(); ++i) {
    const CWaypoint& w = *route.GetAt(i);
    pugi::xml_node element = calculated.append_child(form.scheduleElement);
    PutAttribute(element, "waypointId", std::to_string(i + 1));
    if (i == 0) {
      PutAttribute(element, "etd", IsoTimeText(*departure));
      PutAttribute(element, "eta", IsoTimeText(*departure));
      continue;
    }
    if (scheduled && w.GetTimeA() > 0 && std::isfinite(w.GetTimeA()))
      PutAttribute(element, "eta", IsoTimeText(w.GetTimeA()));
    // Without a schedule a free leg's groundspeed is no figure of this route.
    if ((scheduled || w.keepGroundspeed) && Writable(w.keptGroundspeed))
      PutAttribute(element, "speed", FigureText(w.keptGroundspeed));
  }
}

}  // namespace

std::optional<ERtzVersion> RtzVersionNamed(std::string_view name) {
  if (name == "1.0") return ERtzVersion::V1_0;
  if (name == "1.1") return ERtzVersion::V1_1;
  return std::nullopt;
}

std::string WriteRtz(const CVoyage& route, const CRouteIdentity& identity, ERtzVersion version) {
  const CRtzForm& form = FormOf(version);
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("route");
  PutAttribute(root, "xmlns", form.xmlNamespace);
  PutAttribute(root, "version", form.version);
  pugi::xml_node info = root.append_child("routeInfo");
  PutAttribute(info, "routeName", identity.routeName);
  if (!identity.vesselName.empty()) PutAttribute(info, "vesselName", identity.vesselName);
  if (const std::string imo = ImoDigits(identity.vesselImo); !imo.empty()) PutAttribute(info, "vesselIMO", imo);
  if (!identity.voyageNumber.empty()) PutAttribute(info, "vesselVoyage", identity.voyageNumber);
  WriteWaypoints(root, route);
  WriteSchedule(root, route, identity, form);
  return XmlFileText(document);
}

}  // namespace marigold
