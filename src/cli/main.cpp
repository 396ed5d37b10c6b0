// marigold: the main jobs of Marigold Route without a window, for scripts,
// fleet offices and checks. Loads a route document with its data files as
// the desktop program does, and writes a file only when the command is
// meant to change it.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <map>
#include <string>

#include "cli/Commands.h"

using namespace marigold;

namespace {

constexpr const char* kUsage =
    "usage: marigold [--data DIR] <command> ...\n"
    "  --data DIR   folder holding vessel.dat, voyage.dat, port.dat, warning.dat, meteo.dat and\n"
    "               hurricane.dat (default: the paths of the settings store), and the settings in\n"
    "               settings.ini when it is there (else the settings store, only read)\n"
    "\n"
    "  dump FILE --as route|route-v3|vessel|history|ports|warnings|meteo|hurricanes|item\n"
    "  list LIST ROUTE [--from departure|fix] [--json]\n"
    "               LIST: schedule waypoints fixes reporting warnings meteo hurricanes charts books ports\n"
    "  schedule ROUTE [--from departure|fix] [--json]   (the same as list schedule)\n"
    "  waypoints ROUTE [--from departure|fix] [--json]  (the same as list waypoints)\n"
    "  status ROUTE [--history FROM TILL] [--json]   FROM, TILL: fixes counted from 1 (the history figures)\n"
    "  eta ROUTE (--rpm R | --speed V) [--from departure|fix] [--no-weather] [--no-reduce] [--json]\n"
    "  cpa ROUTE [--storm NAME|N] [--from fix|departure] [--json]\n"
    "               (eta, cpa: from the departure while the route is as opened from its file)\n"
    "  average-weather ROUTE [--waypoint N | --position LAT LON] [--date YYYY-MM-DD | --latest] [--json]\n"
    "               the meteo records' weather at a waypoint (counted from 1; the first unless given) or\n"
    "               a position, for the season of a date (today unless given) or as last observed\n"
    "  fix ROUTE --time \"YYYY-MM-DD HH:MM\" --lat LAT --lon LON [--utc HOURS] --gyro C --log V --rpm R\n"
    "      [--wind-dir D --wind-speed V --pressure P --air-temp T --sea-temp T] [--log-reading L]\n"
    "  report KIND ROUTE -o FILE     KIND: amver-sp amver-pr amver-fr sistram-1 sistram-2 sistram-4\n"
    "                                ausrep-sp ausrep-pr ausrep-fr chilrep-sp chilrep-pr chilrep-fr\n"
    "                                ecuador-sp ecuador-pr ecuador-fr peru-pr jasrep-sp jasrep-pr jasrep-fr\n"
    "  export LIST [ROUTE] -o FILE   LIST: meteo history waypoints reporting warnings hurricanes\n"
    "                                publications ports (ROUTE for waypoints, reporting, publications)\n"
    "  import LIST [ROUTE] FILE\n"
    "  export rtz ROUTE -o FILE [--rtz-version 1.0|1.1]   the route for ECDIS (RTZ 1.1 unless told)\n"
    "  export gpx ROUTE -o FILE      the route for chart plotters\n"
    "  import rtz|gpx ROUTE FILE     the file's route replaces the waypoints of ROUTE (made when missing);\n"
    "                                RTZ 1.0 to 1.2 and .rtzp containers\n"
    "  import gpx FILE --as history  the file's tracks into the position-fix history\n"
    "  print MODE ROUTE -o FILE.pdf [--paper a4|letter] [--port N]\n"
    "               MODE: 0 to 20 or schedule history reporting warnings meteo waypoints storms charts\n"
    "               books port status cover speed-graph plotting-sheet storm-advisory inbound outbound\n"
    "               tide-departure tide-arrival notes voyage-graph; plan for the whole voyage plan\n"
    "               (--port: a port's 1-based index, for port, inbound, outbound and the tide curves)\n"
    "      storm-advisory: [--storm N] [--keep-course]  the storm counted from 1; the ship keeping\n"
    "               course and speed instead of following the route\n"
    "      speed-graph: [--from N] [--to N]  the fixes, counted from 1 (default: all of them)\n"
    "      plotting-sheet: [--center LAT LON] [--scale S] [--scale-latitude LAT]\n"
    "               [--projection mercator|gnomonic|polar] [--objects waypoints,fixes,reporting,\n"
    "               average-weather,latest-weather,storms,warnings] (unless given: the centre is\n"
    "               the latest fix, scale 1 : 300000, Mercator, all but the weather)\n"
    "  tide PORT --time HH:MM[:SS]   PORT: a port's name or its 1-based index\n"
    "  calc position-b LAT LON --course C --distance D\n"
    "  calc course-distance LAT LON LAT LON [--great-circle]\n"
    "  calc drift --steered C --log V --set D --rate V\n"
    "  convert ITEM VALUE            ITEM: the conversion's index or its exact name\n"
    "  squat [--speed KTS] [--shallow] [--draft-forward M] [--draft-aft M]   running drafts (Estimated Squat)\n"
    "  wheel-over --course C --speed KTS --intended C [--current-dir D --current-speed KTS] [--rate DEG/MIN]\n"
    "  speed-fuel [--rpm R] [--wind KTS] [--wind-on head|stern] [--current KTS] [--current-on head|stern]\n"
    "      [--draft-forward M] [--draft-aft M] [--json]   speed, fuel and stopping (Speed and Fuel Consumption)\n"
    "  vessel show [--json]          the ship's record as the vessel dialogs show it\n"
    "  vessel set FIELD=VALUE ...    FIELD: a name vessel show prints (callSign and imoNumber go to the\n"
    "                                settings); every value is checked before vessel.dat is written\n"
    "\n"
    "Positions: signed decimal degrees (-45.5) or degrees, minutes and hemisphere (45:30.0S).\n";

using CCommand = int (*)(const CCliArgs&, CCliContext&);

const std::map<std::string, CCommand>& Commands() {
  static const std::map<std::string, CCommand> kCommands = {
      {"dump", RunDump},
      {"status", RunStatus},
      {"eta", RunEta},
      {"cpa", RunCpa},
      {"fix", RunFix},
      {"export", RunExport},
      {"import", RunImport},
      {"tide", RunTide},
      {"list", RunList},
      {"schedule", RunList},
      {"waypoints", RunList},
      {"calc", RunCalc},
      {"convert", RunConvert},
      {"report", RunReport},
      {"print", RunPrint},
      {"vessel", RunVessel},
      {"squat", RunSquat},
      {"wheel-over", RunWheelOver},
      {"average-weather", RunAverageWeather},
      {"speed-fuel", RunSpeedFuel},
  };
  return kCommands;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const CCliArgs args(
        argc, argv, {"json", "great-circle", "no-weather", "no-reduce", "help", "keep-course", "shallow", "latest"});
    if (args.Flag("help") || args.Words().empty()) {
      std::fputs(kUsage, args.Flag("help") ? stdout : stderr);
      return args.Flag("help") ? 0 : 2;
    }
    const auto command = Commands().find(args.Words().front());
    if (command == Commands().end()) throw CUsageError{"unknown command: " + args.Words().front()};
    const std::optional<std::string> data = args.Option("data");
    // A mistyped folder must not quietly stand for an empty data set.
    if (std::error_code ec; data && !std::filesystem::is_directory(*data, ec))
      throw CUsageError{"--data: no such folder: " + *data};
    CCliContext context(data);
    return command->second(args, context);
  } catch (const CUsageError& e) {
    std::fprintf(stderr, "marigold: %s\n\n%s", e.message.c_str(), kUsage);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "marigold: %s\n", e.what());
    return 1;
  }
}
