#pragma once
// The commands of `marigold`. Each returns the exit status: 0 done, 1 failed
// (the reason is on standard error); usage errors throw CUsageError.
#include "cli/CliArgs.h"
#include "cli/CliContext.h"

namespace marigold {

// One figure of a command's output: its label in a column, then its text.
void PrintLine(const char* label, const std::string& value);

int RunDump(const CCliArgs& args, CCliContext& context);
int RunExport(const CCliArgs& args, CCliContext& context);
int RunImport(const CCliArgs& args, CCliContext& context);
// `export rtz|gpx` and `import rtz|gpx` (CommandsRoute.cpp), which RunExport
// and RunImport pass on when the word after them names a route format.
bool NamesRouteFormat(const std::string& word);
int RunExportRoute(const CCliArgs& args, CCliContext& context);
int RunImportRoute(const CCliArgs& args, CCliContext& context);
int RunFix(const CCliArgs& args, CCliContext& context);
int RunStatus(const CCliArgs& args, CCliContext& context);
int RunEta(const CCliArgs& args, CCliContext& context);
int RunCpa(const CCliArgs& args, CCliContext& context);
int RunAverageWeather(const CCliArgs& args, CCliContext& context);
int RunTide(const CCliArgs& args, CCliContext& context);
int RunList(const CCliArgs& args, CCliContext& context);
int RunCalc(const CCliArgs& args, CCliContext& context);
int RunConvert(const CCliArgs& args, CCliContext& context);
int RunReport(const CCliArgs& args, CCliContext& context);
int RunPrint(const CCliArgs& args, CCliContext& context);
int RunVessel(const CCliArgs& args, CCliContext& context);
int RunSquat(const CCliArgs& args, CCliContext& context);
int RunWheelOver(const CCliArgs& args, CCliContext& context);
int RunSpeedFuel(const CCliArgs& args, CCliContext& context);

}  // namespace marigold
