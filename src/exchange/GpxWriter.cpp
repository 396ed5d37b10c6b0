// Writing a route as GPX 1.1.
#include <pugixml.hpp>

#include "exchange/ExchangeText.h"
#include "exchange/Gpx.h"
#include "exchange/XmlSupport.h"

namespace marigold {
namespace {}  // namespace

std::string WriteGpx(const CVoyage& route, const std::string& routeName) {
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("gpx");
  PutAttribute(root, "xmlns", "http://www.topografix.com/GPX/1/1");
  PutAttribute(root, "xmlns:opencpn", kOpenCpnNamespace);
  PutAttribute(root, "version", "1.1");
  PutAttribute(root, "creator", "Marigold Route");
  pugi::xml_node rte = root.append_child("rte");
  PutText(rte, "name", routeName);
  const std::optional<double> speed = CommonKeptGroundspeed(route);
  const std::optional<double> departure = PlannedDeparture(route);
  if (speed || departure) {
    pugi::xml_node extensions = rte.append_child("extensions");
    if (speed) PutText(extensions, "opencpn:planned_speed", FigureText(*speed));
    if (departure) PutText(extensions, "opencpn:planned_departure", IsoTimeText(*departure));
  }
  for (const auto& record : route) {
    const auto& w = static_cast<const CWaypoint&>(*record);
    pugi::xml_node point = rte.append_child("rtept");
    PutAttribute(point, "lat", FileLatitudeText(w.GetLatitude()));
    PutAttribute(point, "lon", FileLongitudeText(w.GetLongitude()));
    PutText(point, "name", w.GetName());
  }
  return XmlFileText(document);
}

}  // namespace marigold
