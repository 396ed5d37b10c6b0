#include "tools/TideFields.h"

#include <array>
#include <utility>

#include "core/LocalClock.h"
#include "core/SheetFields.h"

namespace marigold {
namespace {

using CF = CTideConstantsFields;
using CA = CTidalAnglesFields;
using CT = CTideInfo;

// Each field with the value it edits and the decimals its editor shows, so
// that reading and applying cannot pair them differently.
template <class TFields>
struct CTideField {
  double TFields::*field;
  double CT::*value;
  int decimals;
};

constexpr std::array<CTideField<CF>, 14> kConstants{{
    {&CF::meanLevel, &CT::meanLevel, kTideHeightDecimals},
    {&CF::timeZone, &CT::timeZone, kHoursDecimals},
    {&CF::gM2, &CT::gM2, kDegreesDecimals},
    {&CF::hmM2, &CT::hmM2, kTideHeightDecimals},
    {&CF::gS2, &CT::gS2, kDegreesDecimals},
    {&CF::hmS2, &CT::hmS2, kTideHeightDecimals},
    {&CF::gK1, &CT::gK1, kDegreesDecimals},
    {&CF::hmK1, &CT::hmK1, kTideHeightDecimals},
    {&CF::gO1, &CT::gO1, kDegreesDecimals},
    {&CF::hmO1, &CT::hmO1, kTideHeightDecimals},
    {&CF::f4, &CT::f4, kDegreesDecimals},
    {&CF::F4, &CT::F4, kTideFactorDecimals},
    {&CF::f6, &CT::f6, kDegreesDecimals},
    {&CF::F6, &CT::F6, kTideFactorDecimals},
}};

constexpr std::array<CTideField<CA>, 8> kAngles{{
    {&CA::aM2, &CT::aM2, kTidalAngleDecimals},
    {&CA::fM2, &CT::fM2, kTideFactorDecimals},
    {&CA::aS2, &CT::aS2, kTidalAngleDecimals},
    {&CA::fS2, &CT::fS2, kTideFactorDecimals},
    {&CA::aK1, &CT::aK1, kTidalAngleDecimals},
    {&CA::fK1, &CT::fK1, kTideFactorDecimals},
    {&CA::aO1, &CT::aO1, kTidalAngleDecimals},
    {&CA::fO1, &CT::fO1, kTideFactorDecimals},
}};

}  // namespace

int TideConstantDecimals(double CTideConstantsFields::*field) {
  for (const CTideField<CF>& constant : kConstants)
    if (constant.field == field) return constant.decimals;
  return kTideFactorDecimals;
}

CTideConstantsFields ReadTideConstants(const CTideInfo& tide) {
  CTideConstantsFields fields;
  for (const auto& [field, value, decimals] : kConstants) fields.*field = Shown(tide.*value, decimals);
  return fields;
}

void ApplyTideConstants(const CTideConstantsFields& fields, CTideInfo& tide) {
  const CTideConstantsFields shown = ReadTideConstants(tide);
  for (const auto& [field, value, decimals] : kConstants) SetIfEdited(fields.*field, shown.*field, tide.*value);
}

std::time_t TideDateOnDay(std::time_t date, const CCivilTime& day) {
  CCivilTime fields = LocalFieldsOf(date);
  fields.year = day.year;
  fields.month = day.month;
  fields.day = day.day;
  return CalendarTimeFromLocal(fields);
}

CTidalAnglesFields ReadTidalAngles(const CTideInfo& tide) {
  CTidalAnglesFields fields;
  fields.date = tide.angleDate;
  for (const auto& [field, value, decimals] : kAngles) fields.*field = Shown(tide.*value, decimals);
  return fields;
}

void ApplyTidalAngles(const CTidalAnglesFields& fields, CTideInfo& tide) {
  const CTidalAnglesFields shown = ReadTidalAngles(tide);
  SetIfEdited(fields.date, shown.date, tide.angleDate);
  for (const auto& [field, value, decimals] : kAngles) SetIfEdited(fields.*field, shown.*field, tide.*value);
}

}  // namespace marigold
