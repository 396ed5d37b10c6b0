#include "reports/ReportFile.h"

#include "core/FileIo.h"
#include "core/StringEncoding.h"
#include "core/TextFormat.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

bool WriteReport(EReportKind kind, CVoyage& route, const CVessel2& vessel, const CFixRecord* fix, CPrompter& prompter) {
  if (const auto refusal = ReportRefusal(kind, route, fix)) {
    prompter.Message(*refusal, EMessageIcon::Stop);
    return false;
  }
  const CReportWriter& writer = ReportWriterOf(kind);
  const auto path = prompter.ChooseSaveFile({writer.defaultName, "txt", kReportFilter});
  if (!path) {
    if (writer.cancelMessage) prompter.Message(writer.cancelMessage, writer.cancelIcon);
    return false;
  }
  const auto text = BuildReport(kind, route, vessel, fix);
  // Reporting centres take plain 8-bit text: Windows-1252, as every other
  // file, with what it cannot carry replaced, and the officer told so first.
  std::string unfit;
  const std::string bytes = text ? EncodeWindows1252(*text, kReportReplacement, &unfit) : std::string();
  if (!unfit.empty()) prompter.Message(Format(kReportCharactersReplaced, unfit.c_str()), EMessageIcon::Exclamation);
  // Written whole or not at all, so a failed write can never pass for a
  // report that was sent half-finished.
  if (!text || !WriteFileAtomic(*path, bytes)) {
    prompter.Message(kReportOpenFailure, writer.failureIcon);
    return false;
  }
  prompter.Message(writer.successMessage, EMessageIcon::None);
  return true;
}

bool WriteReport(EReportKind kind, CMarigoldRouteDoc& doc) {
  return WriteReport(kind, doc.Voyage(), doc.Vessel(), doc.LatestFix(), doc.Prompter());
}

bool NeedsReportRoute(CMarigoldRouteDoc& doc) {
  const auto refusal = ReportRouteRefusal(doc.Voyage());
  if (refusal) doc.Prompter().Message(*refusal, EMessageIcon::Stop);
  return !refusal;
}

}  // namespace marigold
