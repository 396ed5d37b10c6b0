#pragma once
// The forms that edit the ship's record field by field: "Vessel Dimensions",
// "Main Engine Details" and "Hydrostatic data" on the desktop, and
// `marigold vessel set` on the command line. One table per form says which
// member each editor holds, its label, unit, decimals and range, so that both
// programs accept the same values and say the same.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/RangeCheck.h"
#include "vessel/Vessel2.h"

namespace marigold {

using CVesselMember = std::variant<std::string CVessel2::*, double CVessel2::*, std::int32_t CVessel2::*>;

struct CVesselFormField {
  const char* name;   // the member's name: the editor's objectName and the command line's field
  const char* label;  // as the dialog shows it
  const char* group;  // the group box it sits in; nullptr for none
  const char* unit;   // after the figure; "" for none
  CVesselMember member;
  int decimals = 0;  // an integer member shown with decimals is stored truncated toward zero
  double low = 0;
  double high = 0;
};

struct CVesselForm {
  const char* title;
  std::span<const CVesselFormField> fields;
  const char* note;           // under the fields; nullptr for none
  bool saves;                 // OK writes vessel.dat (and the identity)
  const char* saveFailure;    // the message when that fails
  bool asksBeforeDiscarding;  // closing with changes asks the cancel question
};

const CVesselForm& VesselDimensionsForm();
const CVesselForm& EngineForm();
const CVesselForm& HydrostaticForm();

// What an editor holds: a text or a figure.
using CVesselValue = std::variant<std::string, double>;

// Each field's value as its editor shows it.
std::vector<CVesselValue> ReadVesselForm(const CVesselForm& form, const CVessel2& vessel);
// The first value outside its field's range.
std::optional<CFieldRefusal> ValidateVesselForm(const CVesselForm& form, const std::vector<CVesselValue>& values);
// Writes each value that differs from what ReadVesselForm gives; true when
// any did.
bool ApplyVesselForm(const CVesselForm& form, const std::vector<CVesselValue>& values, CVessel2& vessel);

// Every field of every form, for the command line's `vessel set`; nullptr
// for an unknown name.
const CVesselFormField* FindVesselField(std::string_view name);
std::vector<const CVesselFormField*> AllVesselFields();

}  // namespace marigold
