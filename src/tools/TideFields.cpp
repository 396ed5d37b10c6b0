#include "tools/TideFields.h"

#include <array>
#include <utility>

namespace marigold {
namespace {

using CF = CTideConstantsFields;
using CA = CTidalAnglesFields;
using CT = CTideInfo;

// Each field with the value it edits, so that reading and applying cannot
// pair them differently.
constexpr std::array<std::pair<double CF::*, double CT::*>, 14> kConstants{{
    {&CF::meanLevel, &CT::meanLevel},
    {&CF::timeZone, &CT::timeZone},
    {&CF::gM2, &CT::gM2},
    {&CF::hmM2, &CT::hmM2},
    {&CF::gS2, &CT::gS2},
    {&CF::hmS2, &CT::hmS2},
    {&CF::gK1, &CT::gK1},
    {&CF::hmK1, &CT::hmK1},
    {&CF::gO1, &CT::gO1},
    {&CF::hmO1, &CT::hmO1},
    {&CF::f4, &CT::f4},
    {&CF::F4, &CT::F4},
    {&CF::f6, &CT::f6},
    {&CF::F6, &CT::F6},
}};

constexpr std::array<std::pair<double CA::*, double CT::*>, 8> kAngles{{
    {&CA::aM2, &CT::aM2},
    {&CA::fM2, &CT::fM2},
    {&CA::aS2, &CT::aS2},
    {&CA::fS2, &CT::fS2},
    {&CA::aK1, &CT::aK1},
    {&CA::fK1, &CT::fK1},
    {&CA::aO1, &CT::aO1},
    {&CA::fO1, &CT::fO1},
}};

}  // namespace

CTideConstantsFields ReadTideConstants(const CTideInfo& tide) {
  CTideConstantsFields fields;
  for (const auto& [field, value] : kConstants) fields.*field = tide.*value;
  return fields;
}

void ApplyTideConstants(const CTideConstantsFields& fields, CTideInfo& tide) {
  for (const auto& [field, value] : kConstants) tide.*value = fields.*field;
}

CTidalAnglesFields ReadTidalAngles(const CTideInfo& tide) {
  CTidalAnglesFields fields;
  fields.date = tide.angleDate;
  for (const auto& [field, value] : kAngles) fields.*field = tide.*value;
  return fields;
}

void ApplyTidalAngles(const CTidalAnglesFields& fields, CTideInfo& tide) {
  tide.angleDate = fields.date;
  for (const auto& [field, value] : kAngles) tide.*value = fields.*field;
}

}  // namespace marigold
