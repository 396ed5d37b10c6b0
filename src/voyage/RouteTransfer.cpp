#include "voyage/RouteTransfer.h"

#include <filesystem>
#include <memory>

#include "core/FileIo.h"
#include "core/TextFormat.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/Gpx.h"
#include "voyage/FixHistory.h"
#include "voyage/Schedule.h"

namespace marigold {
namespace {

void Refused(CMarigoldRouteDoc& doc, const std::string& path, const CExchangeRefusal& refusal) {
  doc.Prompter().Message(std::string(kImportFailed) + "\n" + path + "\n" + refusal.Text() + "\n" + kNothingChanged,
                         EMessageIcon::Stop);
}

bool Committed(CMarigoldRouteDoc& doc, const std::function<bool()>& commit, const std::string& detail = {}) {
  if (!commit()) {
    doc.Prompter().Message(kImportFailed, EMessageIcon::Exclamation);
    return false;
  }
  doc.Prompter().Message(kImportSucceeded + (detail.empty() ? "" : "\n" + detail), EMessageIcon::Information);
  return true;
}

CReadResult<CImportedRoute> ReadRouteFile(ERouteFormat format, const std::string& path) {
  if (format == ERouteFormat::Rtz) return ReadRtzFile(path);
  const CReadResult<CBytes> bytes = ReadExchangeFile(path);
  if (!bytes) return bytes.Refusal();
  return ReadGpxRoute(*bytes);
}

std::string RouteText(CMarigoldRouteDoc& doc, const CRouteExport& what) {
  if (what.format == ERouteFormat::Gpx) return WriteGpx(doc.Voyage(), what.title);
  const CVessel2& vessel = doc.Vessel();
  return WriteRtz(doc.Voyage(), {what.title, vessel.name, vessel.imoNumber, doc.Voyage().voyageNumber},
                  what.rtzVersion);
}

}  // namespace

std::string RouteTitle(const std::string& documentPath) {
  const std::string stem = std::filesystem::path(documentPath).stem().string();
  return stem.empty() ? "Route" : stem;
}

bool ExportRoute(CMarigoldRouteDoc& doc, const CRouteExport& what, const std::string& path) {
  CVoyage& route = doc.Voyage();
  std::string problem;
  if (route.IsEmpty()) {
    problem = kRouteEmpty;
  } else if (what.format == ERouteFormat::Rtz && route.GetCount() < 2) {
    problem = kRtzNeedsTwoWaypoints;
  } else {
    FillWeather(route, doc.Meteo());
    Calculate(route, doc.Vessel(), doc.Departure());
    const CFileResult written = WriteFileAtomic(path, RouteText(doc, what));
    if (written) {
      doc.Prompter().Message(kExportSucceeded, EMessageIcon::Information);
      return true;
    }
    problem = path + "\n" + written.error;
  }
  doc.Prompter().Message(std::string(kExportFailed) + "\n" + problem, EMessageIcon::Exclamation);
  return false;
}

bool ImportRoute(CMarigoldRouteDoc& doc, ERouteFormat format, const std::string& path,
                 const std::function<bool()>& commit) {
  CReadResult<CImportedRoute> read = ReadRouteFile(format, path);
  if (!read) {
    Refused(doc, path, read.Refusal());
    return false;
  }
  const CVoyage& route = doc.Voyage();
  if (!route.IsEmpty() && !doc.Prompter().AskYesNo(Format(kReplaceWaypointsQuestion, route.GetCount(),
                                                          static_cast<int>(read->waypoints.size()), path.c_str())))
    return false;
  ReplaceWaypoints(doc, std::move(*read));
  return Committed(doc, commit);
}

void ReplaceWaypoints(CMarigoldRouteDoc& doc, CImportedRoute imported) {
  CVoyage& route = doc.Voyage();
  route.RemoveAll();
  for (CWaypoint& w : imported.waypoints) route.Add(std::make_unique<CWaypoint>(std::move(w)));
  route.nextWaypointIndex = 0;
  if (route.voyageNumber.empty()) route.voyageNumber = imported.voyageNumber;
  doc.modified = true;
  // As after opening a route document: the views start from the first
  // waypoint until a fix is entered.
  doc.openedFromFile = true;
  doc.Recalculate();
}

bool ImportTrack(CMarigoldRouteDoc& doc, const std::string& path, const std::function<bool()>& commit) {
  const CReadResult<CBytes> bytes = ReadExchangeFile(path);
  CReadResult<std::vector<CFixRecord>> track =
      bytes ? ReadGpxTrack(*bytes) : CReadResult<std::vector<CFixRecord>>(bytes.Refusal());
  if (!track) {
    Refused(doc, path, track.Refusal());
    return false;
  }
  const int added = MergeTrack(doc.Fixes(), std::move(*track));
  return Committed(doc, commit, Format(kTrackFixesAdded, added));
}

}  // namespace marigold
