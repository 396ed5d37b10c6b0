// calc, convert and report.
#include <cstdio>

#include "cli/Commands.h"
#include "core/TextFormat.h"
#include "reports/ReportFile.h"
#include "reports/ReportKind.h"
#include "tools/Calculator.h"
#include "tools/Conversions.h"
#include "tools/DriftAngle.h"

namespace marigold {

int RunCalc(const CCliArgs& args, CCliContext&) {
  const std::string what = args.Word(1, "position-b, course-distance or drift");
  if (what == "drift") {
    CDriftAngleFields fields;
    fields.steeredCourse = args.Number("steered");
    fields.logSpeed = args.Number("log");
    fields.currentDirection = args.Number("set");
    fields.currentVelocity = args.Number("rate");
    if (const auto refusal = Validate(fields)) throw CUsageError{refusal->message};
    CalculateGroundVector(fields);
    std::printf("Ground course: %s\nGround speed:  %s\n", ToolFigureText(fields.groundCourse).c_str(),
                ToolFigureText(fields.groundSpeed).c_str());
    return 0;
  }
  CCalculatorFields fields;
  fields.a = PositionFields(ParseLatitude(args.Word(2, "LAT")), ParseLongitude(args.Word(3, "LON")));
  if (what == "position-b") {
    fields.course = args.Number("course");
    fields.distance = args.Number("distance");
    if (const auto refusal = Validate(fields)) throw CUsageError{refusal->message};
    const auto b = CalculatePositionB(fields);
    if (!b) {
      std::printf("Position B: NA\n");
      return 1;
    }
    const CPosition2 p = ReadPosition(*b);
    std::printf("Position B: %s  %s\n", p.LatitudeText().c_str(), p.LongitudeText().c_str());
    return 0;
  }
  if (what == "course-distance") {
    fields.b = PositionFields(ParseLatitude(args.Word(4, "LAT")), ParseLongitude(args.Word(5, "LON")));
    fields.via = args.Flag("great-circle") ? kViaGreatCircle : kViaRhumbLine;
    if (const auto refusal = Validate(fields)) throw CUsageError{refusal->message};
    const CCourseDistance cd = CalculateCourseDistance(fields);
    std::printf("Course:   %s\nDistance: %s\n", ToolFigureText(cd.course).c_str(), ToolFigureText(cd.distance).c_str());
    return 0;
  }
  throw CUsageError{"calc takes position-b, course-distance or drift"};
}

int RunConvert(const CCliArgs& args, CCliContext&) {
  const std::string item = args.Word(1, "ITEM");
  const auto value = ParseConversionValue(args.Word(2, "VALUE"));
  if (!value) throw CUsageError{kNotANumberMessage};
  std::optional<int> index = ConversionIndex(item);
  if (!index) {
    char* end = nullptr;
    const long n = std::strtol(item.c_str(), &end, 10);
    if (*end == '\0' && !item.empty() && n >= 0 && n < static_cast<long>(kConversions.size()))
      index = static_cast<int>(n);
  }
  if (!index) throw CUsageError{"unknown conversion: " + item};
  const CConversion& c = kConversions[static_cast<std::size_t>(*index)];
  std::printf("%s: %s %s = %s %s\n", c.name, args.Word(2, "VALUE").c_str(), c.fromUnit,
              ConversionResultText(*Convert(*index, *value)).c_str(), c.toUnit);
  return 0;
}

int RunReport(const CCliArgs& args, CCliContext& context) {
  const std::string name = args.Word(1, "KIND");
  const CReportCommand* command = FindReportCommand(name);
  if (!command) throw CUsageError{"unknown report: " + name};
  context.prompter.saveTo = args.Required("o");
  CMarigoldRouteDoc* doc = context.Document(args.Word(2, "ROUTE"));
  if (!doc) return 1;
  return WriteReport(command->kind, doc->Voyage(), doc->Vessel(), doc->LatestFix(), context.prompter) ? 0 : 1;
}

}  // namespace marigold
