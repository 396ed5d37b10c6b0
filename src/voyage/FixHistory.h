#pragma once
// The history of position fixes, oldest first: making a new fix, the course
// and speed made good, the log distance between two fixes, processing an
// entered fix and clearing out old ones.
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/Prompter.h"
#include "lists/MeteoList.h"
#include "vessel/Vessel2.h"

namespace marigold {

using CFixList = CRecordList<CFixRecord>;

inline constexpr const char* kNewFixName = "Latest Position Fix";
inline constexpr const char* kFixNameFormat = "PositionFix %d %b %H:%M LT";
// A groundspeed made good from this on is taken for an entry error.
inline constexpr double kMaxGroundspeed = 40.0;  // knots
inline constexpr const char* kGroundspeedTooHigh = "Groundspeed exceeding 40 kts\nCourse and speed not updated";
inline constexpr const char* kFixNotLater =
    "The time of this fix is not later than the previous fix\nCourse and speed not updated";
inline constexpr const char* kCurrentRefused =
    "Time interval too short\nor calculated current too high\nAverage data will not be updated";

// Appends a fix named "Latest Position Fix" at the present UTC time. After
// an earlier fix it takes that fix's UTC difference and position,
// dead-reckoned along its gyro course at its log speed.
CFixRecord* NewFix(CFixList& fixes, const CClock& clock);
// A new fix carrying the vessel's draft, course and engine; the log speed is
// the engine's theoretical speed (0 when the model cannot give one).
CFixRecord* NewFixFromVessel(CFixList& fixes, const CVessel2& vessel, const CClock& clock);

// Course and speed made good from the fix before this one. False (nothing
// done) when there is no fix before it. A speed of 40 knots or more, or a
// time not later than the previous fix, leaves both as they were, with a
// warning.
bool GroundTrack(CFixList& fixes, CFixRecord& fix, CPrompter& prompter);

// Course and speed made good from `previous` to `fix`, set when the time
// runs forward and the speed stays under 40 knots.
enum class EMadeGood { Set, NotLater, TooFast };
EMadeGood SetMadeGood(const CFixRecord& previous, CFixRecord& fix);

// Adds the points of a recorded track (position and UTC time each) to the
// history in time order. A point at the time of a fix already there, to the
// second, is left out, so that a track imported twice does not double. Each
// added fix takes the UTC difference of the latest fix, is named by its
// time and gets the course and speed made good from the fix before it.
// Returns the number added.
int MergeTrack(CFixList& fixes, std::vector<CFixRecord> track);

// Distance run through the water by the log counter, which counts modulo
// 100: the reading difference, plus the hundreds that bring it within 100 nM
// of the distance over the ground. NaN when a reading or position is not a
// finite number.
double LogDistance(const CFixRecord& a, const CFixRecord& b);

// "PositionFix 05 Mar 14:30 LT", in the fix's local time.
std::string FixName(const CFixRecord& fix);

// After a fix has been entered or edited: names it, updates its course and
// speed made good and, when it has a fix before it, the vessel's course and
// engine settings, the current since that fix (engine above manoeuvring
// rpm) and the meteo observations.
void ProcessFix(CFixRecord& fix, CFixList& fixes, CVessel2& vessel, CMeteoList& meteo, CPrompter& prompter,
                const CClock& clock);

// Removes the fixes more than `days` days older than the latest fix (a
// negative count counts as 0). The latest fix, and any fix at its time or
// later, stays. Returns the number removed.
int RemoveOldFixes(CFixList& fixes, int days);

}  // namespace marigold
