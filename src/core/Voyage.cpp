#include "core/Voyage.h"

#include <cmath>
#include <memory>

#include "core/Clock.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/Prompter.h"
#include "core/TextFormat.h"

namespace marigold {

void CVoyage::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    if (version > 3) ar.WriteInt32(version);
    ar.WriteString(voyageNumber);
    ar.WriteFlag(keepRpmConstant);
    SerializeRecords(ar);
    if (version > 3) ar.WriteString(notes);
    return;
  }
  // Read into a scratch voyage so that a damaged file leaves this one as it was.
  CVoyage loaded;
  loaded.version = version;
  if (loaded.version > 3) loaded.version = ar.ReadInt32();
  loaded.voyageNumber = ar.ReadString();
  loaded.keepRpmConstant = ar.ReadFlag();
  loaded.SerializeRecords(ar);
  if (loaded.version > 3) loaded.notes = ar.ReadString();
  loaded.weatherSource = weatherSource;
  *this = std::move(loaded);
}

CWaypoint* CVoyage::NextWaypoint(const CFixRecord& present) {
  const int index = NextWaypointIndex(present);
  if (index < 0) return nullptr;
  nextWaypointIndex = index;
  return GetAt(index);
}

int CVoyage::NextWaypointIndex(const CFixRecord& present) const {
  const CWaypoint* w = FindNearest(present);
  if (!w) return -1;
  // Behind the ship when the way to it runs against the ship's course. The
  // course is taken from the present position: the waypoint's stored ground
  // course is that of whatever start the schedule last ran from, so the
  // answer would depend on which list was shown before.
  const double d = std::fabs(CNavigation().Course(present, *w, w->greatCircle) - present.groundCourse);
  if (d >= 90 && d <= 270 && w != GetTail()) w = GetNext(w);
  return IndexOf(w);
}

double CVoyage::DistanceToGo(const CFixRecord& present) {
  const CWaypoint* w = NextWaypoint(present);
  if (!w) return 0;
  const CNavigation nav;
  double d = nav.Distance(present, *w, w->greatCircle);
  for (const CWaypoint* next = GetNext(w); next; w = next, next = GetNext(next))
    d += nav.Distance(*w, *next, next->greatCircle);
  return d;
}

double CVoyage::TotalDistance() const {
  const CNavigation nav;
  double d = 0;
  for (int i = 1; i < GetCount(); ++i) {
    const CWaypoint* w = GetAt(i);
    d += nav.Distance(*GetAt(i - 1), *w, w->greatCircle);
  }
  return d;
}

double CVoyage::TotalDuration() const {
  if (GetCount() < 2) return 0;
  return (GetTail()->GetTimeB() - GetHead()->GetTimeA()) * 24;
}

std::time_t CVoyage::GetArrival(const CClock& clock) const {
  const CWaypoint* last = GetTail();
  return last ? last->GetCalendarTimeLocal(ETimeSlot::TimeB) : clock.Now();
}

void CVoyage::SetArrival(std::time_t localTime) {
  if (CWaypoint* last = GetTail()) last->SetFromLocalTime(ETimeSlot::TimeB, localTime);
}

void CopyVoyage(const CVoyage& from, CVoyage& to) {
  if (&from == &to) return;
  to.RemoveAll();
  for (const auto& record : from) to.Add(std::make_unique<CWaypoint>(static_cast<const CWaypoint&>(*record)));
  to.version = from.version;
  to.notes = from.notes;
  to.voyageNumber = from.voyageNumber;
  to.weatherSource = from.weatherSource;
  to.keepRpmConstant = from.keepRpmConstant;
  to.nextWaypointIndex = from.nextWaypointIndex;
}

int ReverseTraject(const CVoyage& inbound, CVoyage& outbound, CPrompter& prompter) {
  if (!outbound.IsEmpty() &&
      !prompter.AskYesNo("There already is an outbound voyage defined\nReversing from inbound will delete this "
                         "route\nAre you sure?"))
    return 0;
  if (inbound.IsEmpty()) return 0;
  // Built aside first, so that reversing a traject into itself works too.
  CVoyage reversed;
  for (int i = inbound.GetCount() - 1; i >= 0; --i) {
    const CWaypoint* from = inbound.GetAt(i);
    CWaypoint* to = reversed.AddNew();
    to->SetLatitude(from->GetLatitude());
    to->SetLongitude(from->GetLongitude());
    to->SetUtcDifference(from->GetUtcDifference());
    to->SetName(from->GetName());
  }
  const int copied = reversed.GetCount();
  outbound.RemoveAll();
  for (const auto& record : reversed) outbound.Add(std::make_unique<CWaypoint>(static_cast<const CWaypoint&>(*record)));
  prompter.Message(Format("%d waypoints copied to outbound voyage", copied), EMessageIcon::Information);
  return copied;
}

}  // namespace marigold
