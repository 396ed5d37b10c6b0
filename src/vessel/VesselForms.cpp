#include "vessel/VesselForms.h"

#include <cmath>

#include "core/SheetFields.h"

namespace marigold {
namespace {

using V = CVessel2;

// Lengths, heights and drafts in metres: nothing negative, nothing larger
// than any ship afloat.
constexpr double kMetres = 999.99;
constexpr double kTonnes = 9999999.0;

const CVesselFormField kDimensions[] = {
    {"name", "Name of vessel:", nullptr, "", &V::name},
    {"callSign", "Callsign:", nullptr, "", &V::callSign},
    {"imoNumber", "IMO number:", nullptr, "", &V::imoNumber},
    {"lengthPP", "Length between perpendiculars:", nullptr, "m", &V::lengthPP, 2, 0, kMetres},
    {"breadth", "Maximum breadth:", nullptr, "m", &V::breadth, 2, 0, kMetres},
    {"depthMoulded", "Depth moulded:", nullptr, "m", &V::depthMoulded, 2, 0, kMetres},
    {"mastHeightFromKeel", "Mast Height from keel:", nullptr, "m", &V::mastHeightFromKeel, 2, 0, kMetres},
    {"eyeHeightFromKeel", "Eye Height from keel:", nullptr, "m", &V::eyeHeightFromKeel, 2, 0, kMetres},
    {"maxDraft", "Draft:", "Maximum Draft (Loadline)", "m", &V::maxDraft, 2, 0, kMetres},
    {"maxDisplacement", "Displacement:", "Maximum Draft (Loadline)", "mT", &V::maxDisplacement, 0, 0, kTonnes},
};

const CVesselFormField kEngine[] = {
    {"faRpm", "Max. Manoevering rpm (FA)", nullptr, "rpm", &V::faRpm, 0, 0, 999},
    {"mcrRpm", "Max. Continous rpm (MCR)", nullptr, "rpm", &V::mcrRpm, 0, 0, 999},
    {"minutesPerRpm", "Time to reduce 1 rpm", nullptr, "min", &V::minutesPerRpm, 2, 0, 999.99},
    {"fuelAtMcr", "Fuel Cons. at MCR", nullptr, "mT/day", &V::fuelAtMcr, 1, 0, 9999.9},
    {"propellerDiameter", "Diameter", "Propellor", "m", &V::propellerDiameter, 2, 0, 99.99},
    {"propellerPitch", "Pitch", "Propellor", "m", &V::propellerPitch, 2, 0, 99.99},
    {"timeAtFa", "Required time at FA:", "Manoevering", "min", &V::timeAtFa, 0, 0, 9999},
    {"timeFaToStop", "Time FA - Stop:", "Manoevering", "min", &V::timeFaToStop, 0, 0, 9999},
    {"distanceFaToStop", "Distance FA-Stop:", "Manoevering", "nM", &V::distanceFaToStop, 1, 0, 999.9},
};

const CVesselFormField kHydrostatics[] = {
    {"hydroDraft", "Average draft: ", nullptr, "m", &V::hydroDraft, 2, 0, kMetres},
    {"hydroDisplacement", "Displacement:", "Hydrostatic data at average draft", "mT", &V::hydroDisplacement, 0, 0,
     kTonnes},
    {"hydroLCB", "Center of Buoyancy (LCB)", "Hydrostatic data at average draft", "m", &V::hydroLCB, 2, -kMetres,
     kMetres},
    {"hydroLCF", "Center of Flotation (LCF)", "Hydrostatic data at average draft", "m", &V::hydroLCF, 2, -kMetres,
     kMetres},
    {"hydroETM", "Moment to change trim (ETM)", "Hydrostatic data at average draft", "", &V::hydroETM, 1, 0, 99999.9},
    {"hydroWetSurface", "Wet Surface: ", "Hydrostatic data at average draft", "m²", &V::hydroWetSurface, 0, 0, 999999},
};

const CVesselForm kDimensionsForm{"Vessel Dimensions",
                                  kDimensions,
                                  "Note: please check Voyage Properties for draft and details during specific voyage",
                                  true,
                                  "Could not save vessel data to disk\nPlease check hard disk path",
                                  true};
const CVesselForm kEngineForm{"Main Engine Details",
                              kEngine,
                              nullptr,
                              true,
                              "Could not save changed data\nPlease check program configuration",
                              true};
// Reaches vessel.dat with the document's next store.
const CVesselForm kHydrostaticForm{"Hydrostatic data", kHydrostatics, nullptr, false, nullptr, false};

const CVesselForm* const kForms[] = {&kDimensionsForm, &kEngineForm, &kHydrostaticForm};

CVesselValue ReadField(const CVesselFormField& field, const CVessel2& vessel) {
  return std::visit(
      [&](auto member) -> CVesselValue {
        const auto& value = vessel.*member;
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
          return value;
        else
          return Shown(static_cast<double>(value), field.decimals);
      },
      field.member);
}

void WriteField(const CVesselFormField& field, const CVesselValue& value, CVessel2& vessel) {
  std::visit(
      [&](auto member) {
        auto& stored = vessel.*member;
        using T = std::decay_t<decltype(stored)>;
        if constexpr (std::is_same_v<T, std::string>)
          stored = std::get<std::string>(value);
        else if constexpr (std::is_same_v<T, double>)
          stored = std::get<double>(value);
        else
          stored = static_cast<T>(std::trunc(std::get<double>(value)));
      },
      field.member);
}

}  // namespace

const CVesselForm& VesselDimensionsForm() { return kDimensionsForm; }
const CVesselForm& EngineForm() { return kEngineForm; }
const CVesselForm& HydrostaticForm() { return kHydrostaticForm; }

std::vector<CVesselValue> ReadVesselForm(const CVesselForm& form, const CVessel2& vessel) {
  std::vector<CVesselValue> values;
  for (const CVesselFormField& field : form.fields) values.push_back(ReadField(field, vessel));
  return values;
}

std::optional<CFieldRefusal> ValidateVesselForm(const CVesselForm& form, const std::vector<CVesselValue>& values) {
  for (std::size_t i = 0; i < form.fields.size() && i < values.size(); ++i) {
    const CVesselFormField& field = form.fields[i];
    const double* figure = std::get_if<double>(&values[i]);
    if (!figure) continue;
    const bool integer = std::holds_alternative<std::int32_t CVessel2::*>(field.member) && field.decimals == 0;
    auto refusal = integer ? CheckIntegerField(field.name, static_cast<int>(std::trunc(*figure)),
                                               static_cast<int>(field.low), static_cast<int>(field.high))
                           : CheckNumberField(field.name, *figure, field.low, field.high);
    if (refusal) return refusal;
  }
  return std::nullopt;
}

bool ApplyVesselForm(const CVesselForm& form, const std::vector<CVesselValue>& values, CVessel2& vessel) {
  const std::vector<CVesselValue> shown = ReadVesselForm(form, vessel);
  bool changed = false;
  for (std::size_t i = 0; i < form.fields.size() && i < values.size(); ++i) {
    if (values[i] == shown[i]) continue;
    WriteField(form.fields[i], values[i], vessel);
    changed = true;
  }
  return changed;
}

const CVesselFormField* FindVesselField(std::string_view name) {
  for (const CVesselForm* form : kForms)
    for (const CVesselFormField& field : form->fields)
      if (name == field.name) return &field;
  return nullptr;
}

std::vector<const CVesselFormField*> AllVesselFields() {
  std::vector<const CVesselFormField*> fields;
  for (const CVesselForm* form : kForms)
    for (const CVesselFormField& field : form->fields) fields.push_back(&field);
  return fields;
}

}  // namespace marigold
