// vessel show and vessel set: the ship's record as the vessel dialogs edit it.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/RecordJson.h"
#include "core/TextFormat.h"
#include "vessel/VesselForms.h"

namespace marigold {
namespace {

std::string ValueText(const CVesselFormField& field, const CVesselValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  std::string figure = Format("%.*f", field.decimals, std::get<double>(value));
  if (*field.unit) figure += std::string(" ") + field.unit;
  return figure;
}

CVesselValue FieldValue(const CVessel2& vessel, const CVesselFormField& field) {
  const CVesselFormField one[] = {field};
  return ReadVesselForm({"", one, nullptr, false, nullptr, false}, vessel).front();
}

int Refuse(const std::string& message) {
  std::fprintf(stderr, "marigold: %s\n", message.c_str());
  return 1;
}

int ShowVessel(const CCliArgs& args, const CVessel2& vessel) {
  if (args.Flag("json")) {
    std::printf("%s\n", ToJson(vessel).Text().c_str());
    return 0;
  }
  for (const CVesselFormField* field : AllVesselFields())
    std::printf("%-20s %s\n", field->name, ValueText(*field, FieldValue(vessel, *field)).c_str());
  return 0;
}

// Every value is checked before anything is written.
int SetVessel(const CCliArgs& args, CCliContext& context, CVessel2& vessel) {
  const auto& words = args.Words();
  if (words.size() < 3) throw CUsageError{"vessel set takes FIELD=VALUE ..."};
  CVessel2 edited = vessel;
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::string& word = words[i];
    const std::size_t equals = word.find('=');
    const CVesselFormField* field =
        equals == std::string::npos ? nullptr : FindVesselField(std::string_view(word).substr(0, equals));
    if (!field) return Refuse("unknown vessel field: " + word.substr(0, equals));
    const std::string text = word.substr(equals + 1);
    CVesselValue value = text;
    if (std::holds_alternative<double>(FieldValue(edited, *field))) {
      try {
        value = ParseNumber(text, field->name);
      } catch (const CUsageError& e) {
        return Refuse(e.message);
      }
    }
    const CVesselFormField one[] = {*field};
    const CVesselForm form{"", one, nullptr, false, nullptr, false};
    if (const auto refusal = ValidateVesselForm(form, {value})) return Refuse(refusal->field + ": " + refusal->message);
    ApplyVesselForm(form, {value}, edited);
  }
  vessel = edited;
  if (const CFileResult saved = vessel.Save(context.Settings()); !saved)
    return Refuse("Could not save vessel data to disk\nPlease check hard disk path");
  return 0;
}

}  // namespace

int RunVessel(const CCliArgs& args, CCliContext& context) {
  const std::string what = args.Word(1, "show or set");
  if (what != "show" && what != "set") throw CUsageError{"vessel takes show or set"};
  CMarigoldRouteDoc* doc = context.Document(std::nullopt);
  if (!doc) return 1;
  return what == "show" ? ShowVessel(args, doc->Vessel()) : SetVessel(args, context, doc->Vessel());
}

}  // namespace marigold
