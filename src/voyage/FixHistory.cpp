#include "voyage/FixHistory.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {

CFixRecord* NewFix(CFixList& fixes, const CClock& clock) {
  auto fix = std::make_unique<CFixRecord>();
  fix->SetName(kNewFixName);
  // Record times are UTC, whatever zone the computer's clock is set to.
  fix->SetTime(DayNumberOf(UtcFieldsOf(clock.Now())));
  if (const CFixRecord* latest = fixes.GetTail()) {
    fix->SetUtcDifferenceDays(latest->GetUtcDifferenceDays());
    fix->SetLatitude(latest->GetLatitude());
    fix->SetLongitude(latest->GetLongitude());
    const double hours = (fix->GetTime() - latest->GetTime()) * 24;
    CNavigation().DeadReckoning(*fix, latest->logSpeed * hours, latest->gyroCourse);
  }
  return fixes.Add(std::move(fix));
}

CFixRecord* NewFixFromVessel(CFixList& fixes, const CVessel2& vessel, const CClock& clock) {
  CFixRecord* fix = NewFix(fixes, clock);
  fix->draft = vessel.MeanDraft();
  fix->gyroCourse = vessel.steeredCourse;
  fix->engineRpm = vessel.engineSetting;
  // A model without a propeller pitch gives no speed; never store NaN.
  const double speed = vessel.TheoreticalSpeed(fix->engineRpm);
  fix->logSpeed = std::isfinite(speed) ? speed : 0.0;
  return fix;
}

namespace {

// The fix before this one in the list; nullptr for the first fix or a fix
// of another list.
const CFixRecord* PreviousFix(const CFixList& fixes, const CFixRecord& fix) {
  if (!fixes.Contains(&fix) || fixes.IndexOf(&fix) == 0) return nullptr;
  return fixes.GetPrev(&fix);
}

}  // namespace

bool GroundTrack(CFixList& fixes, CFixRecord& fix, CPrompter& prompter) {
  if (fixes.GetCount() < 2) return false;
  const CFixRecord* previous = PreviousFix(fixes, fix);
  if (!previous) return false;
  switch (SetMadeGood(*previous, fix)) {
    case EMadeGood::Set: break;
    case EMadeGood::NotLater: prompter.Message(kFixNotLater, EMessageIcon::Exclamation); break;
    case EMadeGood::TooFast: prompter.Message(kGroundspeedTooHigh, EMessageIcon::Exclamation); break;
  }
  return true;
}

EMadeGood SetMadeGood(const CFixRecord& previous, CFixRecord& fix) {
  const double hours = (fix.GetTime() - previous.GetTime()) * 24;
  // A fix at or before the previous one would give an infinite or negative
  // speed made good.
  if (!(hours > 0)) return EMadeGood::NotLater;
  const CNavigation nav;
  const double speed = nav.Distance(previous, fix, false) / hours;
  if (!(speed < kMaxGroundspeed)) return EMadeGood::TooFast;
  fix.groundCourse = nav.Course(previous, fix, false);
  fix.groundspeed = speed;
  return EMadeGood::Set;
}

int MergeTrack(CFixList& fixes, std::vector<CFixRecord> track) {
  constexpr double kSameTime = 0.5 / 86400;  // half a second, in days
  std::stable_sort(track.begin(), track.end(),
                   [](const CFixRecord& a, const CFixRecord& b) { return a.GetTime() < b.GetTime(); });
  const double utcDifference = fixes.IsEmpty() ? 0.0 : fixes.GetTail()->GetUtcDifferenceDays();
  CFixList merged;
  const CFixRecord* previous = nullptr;
  int added = 0;
  const auto add = [&](CFixRecord& point) {
    if (previous && std::fabs(previous->GetTime() - point.GetTime()) < kSameTime) return;
    auto fix = std::make_unique<CFixRecord>(std::move(point));
    fix->SetUtcDifferenceDays(utcDifference);
    fix->SetName(FixName(*fix));
    if (previous) SetMadeGood(*previous, *fix);
    previous = merged.Add(std::move(fix));
    ++added;
  };
  std::size_t next = 0;
  for (const auto& record : fixes) {
    const auto& existing = static_cast<const CFixRecord&>(*record);
    while (next < track.size() && track[next].GetTime() < existing.GetTime() - kSameTime) add(track[next++]);
    while (next < track.size() && std::fabs(track[next].GetTime() - existing.GetTime()) < kSameTime) ++next;
    previous = merged.Add(std::make_unique<CFixRecord>(existing));
  }
  while (next < track.size()) add(track[next++]);
  fixes = std::move(merged);
  return added;
}

double LogDistance(const CFixRecord& a, const CFixRecord& b) {
  const double overGround = CNavigation().Distance(a, b, false);
  double run = b.logReading - a.logReading;
  // Repeated additions would never end on an infinite or huge figure.
  if (!std::isfinite(run) || !std::isfinite(overGround)) return std::nan("");
  run = std::fmod(run, 100.0);
  if (run < 0) run += 100;
  // Only a difference of more than 100 nM means the counter went round
  // more than once.
  if (overGround - run > 100) run += 100 * std::ceil((overGround - run - 100) / 100);
  while (std::fabs(run - overGround) > 100 && run < overGround) run += 100;
  return run;
}

std::string FixName(const CFixRecord& fix) {
  const double local = fix.GetTime() + fix.GetUtcDifferenceDays();
  return std::isfinite(local) ? FormatDayNumber(kFixNameFormat, local) : std::string("PositionFix NA");
}

void ProcessFix(CFixRecord& fix, CFixList& fixes, CVessel2& vessel, CMeteoList& meteo, CPrompter& prompter,
                const CClock& clock) {
  fix.SetName(FixName(fix));
  if (!GroundTrack(fixes, fix, prompter)) return;
  vessel.steeredCourse = fix.gyroCourse;
  vessel.engineSetting = fix.engineRpm;
  if (fix.engineRpm > vessel.faRpm) {
    if (!CNavigation().CurrentFromFixes(*PreviousFix(fixes, fix), fix))
      prompter.Message(kCurrentRefused, EMessageIcon::Information);
  }
  meteo.AddObservation(fix, clock);
}

int RemoveOldFixes(CFixList& fixes, int days) {
  const CFixRecord* latest = fixes.GetTail();
  if (!latest) return 0;
  // A negative setting would otherwise wipe the whole history.
  const double limit = latest->GetTime() - (days > 0 ? days : 0);
  // One pass: a long history loses thousands of fixes at a time.
  return fixes.RemoveIf([&](const CFixRecord& fix) { return &fix != latest && fix.GetTime() < limit; });
}

}  // namespace marigold
