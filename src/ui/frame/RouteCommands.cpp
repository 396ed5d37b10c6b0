#include "ui/frame/RouteCommands.h"

#include "core/CommandIds.h"
#include "exchange/ExchangeMessages.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/MainFrame.h"
#include "voyage/RouteTransfer.h"

namespace marigold {
namespace {

struct CFormatFile {
  ERouteFormat format;
  const char* extension;
  const char* filter;
};

CFormatFile FormatOf(int id) {
  if (id == command::kExportRouteGpx || id == command::kImportRouteGpx) return {ERouteFormat::Gpx, "gpx", kGpxFilter};
  return {ERouteFormat::Rtz, "rtz", kRtzFilter};
}

}  // namespace

void ExportRouteFile(CMainFrame& frame, int id) {
  const CFormatFile file = FormatOf(id);
  CRouteExport what{file.format, kDefaultRtzVersion, RouteTitle(frame.DocumentPath())};
  const auto path = frame.Prompter().ChooseSaveFile({what.title, file.extension, file.filter});
  if (!path) return;
  if (file.format == ERouteFormat::Rtz) {
    const int chosen = frame.Prompter().Choose(kRtzVersionTitle, kRtzVersionPrompt, {kRtzVersion11, kRtzVersion10}, 0);
    what.rtzVersion = chosen == 1 ? ERtzVersion::V1_0 : ERtzVersion::V1_1;
  }
  ExportRoute(frame.Doc(), what, *path);
  frame.RefreshViews();
}

void ImportRouteFile(CMainFrame& frame, int id) {
  const CFormatFile file = FormatOf(id);
  const auto path = frame.Prompter().ChooseOpenFile({"", file.extension, file.filter});
  if (!path) return;
  ImportRoute(frame.Doc(), file.format, *path, [&frame] {
    frame.LeftView().Refresh();
    frame.RefreshViews();
    return true;
  });
}

void ImportTrackFile(CMainFrame& frame, int) {
  const auto path = frame.Prompter().ChooseOpenFile({"", "gpx", kGpxFilter});
  if (!path) return;
  ImportTrack(frame.Doc(), *path, [&frame] {
    frame.RefreshViews();
    return true;
  });
}

}  // namespace marigold
