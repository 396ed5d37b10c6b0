#!/usr/bin/env bash
# End-to-end checks of the marigold command on the example voyage:
#   cli_test.sh MARIGOLD MAKE_EXAMPLE
set -u
marigold=$1
make_example=$2
data=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The user's settings store of this run (QSettings on Linux), never the tester's own.
export XDG_CONFIG_HOME="$work/config"
failures=0
checks=0
check() {  # check NAME CONDITION...
  local name=$1
  shift
  checks=$((checks + 1))
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}

"$make_example" "$work/ex" >/dev/null || { echo "FAIL make-example"; exit 1; }
route="$work/ex/rotterdam-newyork.rtp"
m() { "$marigold" --data "$work/ex" "$@"; }
checksum() { sha256sum "$work"/ex/*.dat "$route" | sha256sum; }
before=$(checksum)

# The schedule lists every waypoint after the start row and ends at the pilot.
m schedule "$route" >"$work/schedule.txt" 2>"$work/schedule.err"
check "schedule exits 0" test $? -eq 0
check "schedule has the start row, eight waypoints and a title line" test "$(wc -l <"$work/schedule.txt")" -eq 10
check "schedule ends at Ambrose" grep -q $'^Ambrose Pilot\tFri 11 Dec 08:00 LT' "$work/schedule.txt"
m schedule "$route" --json >"$work/schedule.json"
check "schedule json has totals" grep -q '"totals":{"logDistance":' "$work/schedule.json"

# Looking never writes.
m status "$route" >/dev/null 2>&1
m list warnings "$route" >/dev/null 2>&1
m dump "$work/ex/vessel.dat" --as vessel >"$work/vessel.json"
check "read-only commands leave every file alone" test "$before" = "$(checksum)"
check "vessel dump names the ship" grep -q '"name":"mv Marigold Trader"' "$work/vessel.json"
check "vessel dump shows the hydrostatic table's rows" \
  grep -q '"hydroTable":\[{"draft":10,"displacement":58000,"mk":14.2,' "$work/vessel.json"

# vessel set checks every value first: one refusal, exit 1, nothing written.
m vessel show >"$work/vessel.txt"
check "vessel show gives each field with its unit" grep -q '^lengthPP  *247.00 m$' "$work/vessel.txt"
vessel_before=$(sha256sum "$work/ex/vessel.dat" "$work/ex/settings.ini")
for bad in "lengthPP=180 faRpm=-3" "breadth=wide" "tonnage=5" "callSign"; do
  # shellcheck disable=SC2086
  m vessel set $bad >/dev/null 2>"$work/vessel-set.err"
  check "vessel set $bad is refused with one message" test $? -eq 1 -a "$(wc -l <"$work/vessel-set.err")" -eq 1
done
check "refused vessel sets write nothing" test "$vessel_before" = "$(sha256sum "$work/ex/vessel.dat" "$work/ex/settings.ini")"
m vessel set callSign=PDKM lengthPP=199.5 distanceFaToStop=4.7
check "vessel set writes vessel.dat" grep -q '"lengthPP":199.5,' <(m dump "$work/ex/vessel.dat" --as vessel)
check "vessel set keeps whole miles FA-Stop" grep -q '"distanceFaToStop":4,' <(m dump "$work/ex/vessel.dat" --as vessel)
check "vessel set puts the call sign into the data folder's settings" grep -q '^CallSign=PDKM' "$work/ex/settings.ini"
m vessel set callSign=PDMT lengthPP=247 distanceFaToStop=3  # the ship the later checks expect
check "vessel set back restores vessel.dat byte for byte" test "$vessel_before" = "$(sha256sum "$work/ex/vessel.dat" "$work/ex/settings.ini")"

# The warning south of the Nantucket scheme is passed on the leg west of
# Nantucket, 40-45 nM off, on 10 or 11 December.
m list warnings "$route" >"$work/warnings.txt" 2>/dev/null
nantucket=$(grep '^NAVAREA IV 1033/26' "$work/warnings.txt" | cut -f4,5)
check "Nantucket warning passed at 40-45 nM on 10 or 11 Dec ($nantucket)" \
  awk -F'\t' '{ exit !($1 + 0 >= 40 && $1 + 0 <= 45 && $2 ~ /^1[01] Dec/) }' <<<"$nantucket"

# A position report from the latest fix of the first day, byte for byte.
m report amver-pr "$route" -o "$work/amver.txt" 2>/dev/null
check "report matches the expected bytes" cmp -s "$work/amver.txt" "$data/cli_amver_pr.txt"

# A fix takes the fix sheet's ranges: a refused value is named with the
# sheet's message, the command fails and no file changes.
fix() { m fix "$route" --time "2026-12-01 22:00" --lat 50:20.0N --lon 000:40.0W --utc 1 --gyro 245 --log 14.5 \
  --rpm 88 "$@"; }
before=$(checksum)
while IFS='|' read -r option value message; do
  fix "$option" "$value" >/dev/null 2>"$work/refused.err"
  check "fix $option $value exits 1" test $? -eq 1
  check "fix $option $value says why" grep -qxF -- "$option: $message" "$work/refused.err"
done <<'CASES'
--gyro|400|Please enter a number between 0.0 and 360.0.
--log|99|Please enter a number between 0.0 and 55.0.
--rpm|-5|Please enter a number between 0.0 and 9999.0.
--wind-speed|-40|Please enter a number between 0.0 and 300.0.
--pressure|5000|Please enter a number between 900.0 and 1100.0.
--utc|15|Please enter a number between -14.0 and 14.0.
--sea-temp|91|Please enter a number between -15.0 and 90.0.
--lat|95N|Please enter an integer between 0 and 90.
CASES
check "refused fixes leave every file alone" test "$before" = "$(checksum)"

# A fix is processed and kept in the history; the vessel keeps its engine
# and course, and a UTC difference of the wrong sign is warned about.
fix >"$work/fix.txt" 2>"$work/fix.err"
check "fix exits 0" test $? -eq 0
check "fix is named by its local time" grep -qx 'PositionFix 01 Dec 22:00 LT' "$work/fix.txt"
contains() { [[ "$(<"$1")" == *"$2"* ]]; }  # contains FILE TEXT
check "fix warns of the UTC difference's sign" contains "$work/fix.err" \
  $'On western longitudes UTC Difference\nshould normally be entered as negative value!!'
m dump "$work/ex/vessel.dat" --as vessel >"$work/vessel-after.json"
check "fix keeps the engine setting and steered course" grep -q '"steeredCourse":245,.*"engineSetting":88,' "$work/vessel-after.json"
m dump "$work/ex/voyage.dat" --as history >"$work/history.json"
check "history holds five fixes" test "$(grep -o '"name":"PositionFix' "$work/history.json" | wc -l)" -eq 5
check "the new fix has its course made good" grep -q '"groundCourse":2[0-9][0-9]\.' "$work/history.json"

# Export and import of the warnings round-trips every exchanged column.
m export warnings -o "$work/warnings.csv" 2>/dev/null
check "warnings export has two lines" test "$(wc -l <"$work/warnings.csv")" -eq 2
m import warnings "$work/warnings.csv" 2>/dev/null
m export warnings -o "$work/again.csv" 2>/dev/null
check "imported warnings export the same lines" test "$(sort "$work/again.csv" | uniq -c | awk '{print $1}' | sort -u)" = "2"

# The route for ECDIS in both RTZ versions, valid against the published
# schemas, and back into a new route document with the same waypoints.
m export rtz "$route" -o "$work/route.rtz" 2>/dev/null
check "rtz export exits 0" test $? -eq 0
check "rtz 1.1 by default, valid" xmllint --noout --schema "$data/rtz/rtz-1_1.xsd" "$work/route.rtz"
m export rtz "$route" -o "$work/route10.rtz" --rtz-version 1.0 2>/dev/null
check "rtz 1.0 on request, valid" xmllint --noout --schema "$data/rtz/rtz-1_0.xsd" "$work/route10.rtz"
m export rtz "$route" -o "$work/route12.rtz" --rtz-version 1.2 >/dev/null 2>&1
check "an rtz version not written is a usage error" test $? -eq 2
m import rtz "$work/copy.rtp" "$work/route.rtz" 2>"$work/import.err"
check "rtz import makes the missing route document" test -s "$work/copy.rtp"
names() { m dump "$1" --as route | grep -o '"waypoints":.*"publications"' | grep -o '"name":"[^"]*"'; }
check "the imported route has the same waypoints" test "$(names "$route")" = "$(names "$work/copy.rtp")"
m export gpx "$route" -o "$work/route.gpx" 2>/dev/null
check "gpx export names the route" grep -q '<name>rotterdam-newyork</name>' "$work/route.gpx"
check "gpx export is well-formed" xmllint --noout "$work/route.gpx"
m import gpx "$work/copy.rtp" "$data/route.gpx" 2>/dev/null
check "gpx import replaces the waypoints" test "$(names "$work/copy.rtp" | wc -l)" -eq 4
copy=$(sha256sum "$work/copy.rtp")
m import rtz "$work/copy.rtp" "$data/route.gpx" 2>"$work/refused.err"
check "a refused file fails" test $? -eq 1
check "the refusal names the line" grep -q '^line 5: not an RTZ route' "$work/refused.err"
check "a refused file changes nothing" test "$copy" = "$(sha256sum "$work/copy.rtp")"
m import gpx "$work/copy.rtp" "$data/track.gpx" >/dev/null 2>&1
check "a track is no route" test $? -eq 1
m import gpx "$data/track.gpx" --as history 2>"$work/track.err"
check "a track goes into the history when asked" grep -q '^3 position fixes added' "$work/track.err"

# Printed pages as a reader sees them: the whole plan in one PDF, cover
# first, page numbers running through; Letter paper on request.
m print plan "$route" -o "$work/plan.pdf" 2>"$work/plan.err"
check "print plan exits 0" test $? -eq 0
pdftotext -layout "$work/plan.pdf" "$work/plan.txt"
check "the plan has fifteen pages" grep -q '^Pages: *15$' <(pdfinfo "$work/plan.pdf")
check "the plan opens with its cover" grep -q 'VOYAGE PLAN' <(pdftotext -f 1 -l 1 "$work/plan.pdf" -)
check "the cover names ship and voyage" grep -q 'mv Marigold Trader' <(pdftotext -f 1 -l 1 "$work/plan.pdf" -)
check "the waypoint list ends at the pilot" grep -q 'Ambrose Pilot' <(pdftotext -f 2 -l 2 "$work/plan.pdf" -)
check "the last page is numbered through" grep -q 'rotterdam-newyork.rtp, page 15 of 15' "$work/plan.txt"
check "every page has its signature lines" test "$(grep -c 'Approved by:' "$work/plan.txt")" -eq 15
check "the tide curve of the arrival port" grep -q 'Tide New York' "$work/plan.txt"
m print waypoints "$route" -o "$work/letter.pdf" --paper letter 2>/dev/null
check "letter paper on request" grep -q 'letter' <(pdfinfo "$work/letter.pdf")
m print port "$route" -o "$work/port.pdf" 2>"$work/port.err"
check "port information without a port fails" test $? -eq 1
check "and says why" grep -q '^or no port selected' "$work/port.err"
check "and leaves no file" test ! -e "$work/port.pdf"
m print plotting-sheet "$route" -o "$work/sheet.pdf" --center 50N 2W --scale 4000000 2>/dev/null
check "a plotting sheet has its title block" grep -q 'Center at' <(pdftotext "$work/sheet.pdf" -)
check "and its grid" grep -q 'Lat 50.00 deg Lon -[0-9].00 deg' <(pdftotext "$work/sheet.pdf" -)
m print plotting-sheet "$route" -o "$work/bad.pdf" --scale 1:50000 2>"$work/scale.err"
check "a scale that is no number is refused" grep -q '^The scale of the chart must be a number above 0' "$work/scale.err"
m print speed-graph "$route" -o "$work/graph.pdf" 2>/dev/null
check "the speed graph has its title" grep -q 'Speed versus Time' <(pdftotext "$work/graph.pdf" -)
m print speed-graph "$route" -o "$work/back.pdf" --from 3 --to 2 2>"$work/graph.err"
check "a graph running backwards is refused" grep -q '^The graph spans no time' "$work/graph.err"
m print status "$route" -o "$work/status.pdf" 2>/dev/null
check "the status report has its sections" test "$(pdftotext "$work/status.pdf" - | grep -c -E 'Present Position|Performance past 24 hours|Remaining voyage|Expected weather')" -eq 4
m print storm-advisory "$route" -o "$work/storm.pdf" --keep-course 2>/dev/null
check "the storm advisory dead-reckons the ship" grep -q 'DR Tue 01 Dec' <(pdftotext "$work/storm.pdf" -)
m print 21 "$route" -o "$work/none.pdf" >/dev/null 2>&1
check "an unknown print mode is a usage error" test $? -eq 2

# Settings: the data folder's settings.ini (make-example writes the call sign
# there, as the report above shows) with its separator; without it the
# user's store, read and never written.
printf '[Path]\nConvChar=";"\n' >>"$work/ex/settings.ini"
m export warnings -o "$work/semicolon.csv" 2>/dev/null
check "the separator of settings.ini" test "$(head -1 "$work/semicolon.csv" | tr -cd ';' | wc -c)" -eq 10
mkdir -p "$XDG_CONFIG_HOME/Lanternfish Works"
user="$XDG_CONFIG_HOME/Lanternfish Works/Marigold Route.conf"
printf '[Path]\nConvChar="|"\n\n[Vessel]\nCallSign=USER1\n' >"$user"
cp "$user" "$work/user.conf"
rm "$work/ex/settings.ini"
m export warnings -o "$work/bar.csv" 2>/dev/null
check "without settings.ini the user's separator" test "$(head -1 "$work/bar.csv" | tr -cd '|' | wc -c)" -eq 10
m report amver-pr "$route" -o "$work/user.txt" 2>/dev/null
check "without settings.ini the user's call sign" grep -q '^A/mv Marigold Trader/USER1//' "$work/user.txt"
check "the user's store is never written" cmp -s "$user" "$work/user.conf"
check "reading makes no settings.ini" test ! -e "$work/ex/settings.ini"

# Without settings the data files are the per-user data folder's, as for the
# desktop program, whatever folder the command starts in; looking makes
# nothing, not even the folder.
home="$work/home"
mkdir -p "$home/elsewhere"
userdata="$home/share/Lanternfish Works/Marigold Route"
alone() { (cd "$home/elsewhere" && HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/share" \
  "$marigold" "$@"); }
alone list fixes "$route" >"$work/nofolder.txt" 2>&1
check "without settings or data folder nothing is made" test -z "$(find "$home" -mindepth 1 ! -path "$home/elsewhere")"
mkdir -p "$userdata"
cp "$work"/ex/*.dat "$userdata/"
cp "$work/ex/voyage.dat" "$home/elsewhere/voyage.dat.keep"
m list fixes "$route" >"$work/fixes-data.txt" 2>/dev/null
alone list fixes "$route" >"$work/fixes-user.txt" 2>"$work/fixes-user.err"
check "without settings the fixes of the per-user data folder" cmp -s "$work/fixes-data.txt" "$work/fixes-user.txt"
check "and nothing written beside them" test "$(ls "$userdata" | wc -l)" -eq "$(ls "$work"/ex/*.dat | wc -l)"
check "nor in the folder it started in" test "$(ls "$home/elsewhere")" = "voyage.dat.keep"
check "nor any settings" test ! -e "$home/config"

# Usage errors exit with 2, failures with 1.
m schedule >/dev/null 2>&1
check "missing route is a usage error" test $? -eq 2
m schedule "$work/none.rtp" >/dev/null 2>&1
check "a missing route document fails" test $? -eq 1
# The bridge tools on typed data. 350° to 010° is a 20° turn, a minute at
# 20 deg/min; no rate of turn gives no figure that divides by it.
squat() { m squat "$@" | awk '/^Squat:/ { print $2 }'; }
check "squat at rest is nothing" test "$(squat --speed 0)" = "0.00"
ocean=$(squat --speed 12)
shallow=$(squat --speed 12 --shallow)
check "shallow water doubles the squat ($ocean, $shallow)" awk -v o="$ocean" -v s="$shallow" \
  'BEGIN { exit !(o > 0.1 && s - 2 * o < 0.011 && 2 * o - s < 0.011) }'
m squat --speed 31 >/dev/null 2>"$work/squat.err"
check "squat refuses 31 knots with the range message" test $? -eq 1 -a "$(cat "$work/squat.err")" = \
  "marigold: --speed: Please enter a number between 0.0 and 30.0."
m wheel-over --course 350 --speed 10 --intended 10 >"$work/wheel.txt"
check "wheel-over: 20 degrees at 20 deg/min take a minute" grep -q '^Duration of change: *1.0 min$' "$work/wheel.txt"
m wheel-over --course 350 --speed 10 --intended 10 --rate 0 >"$work/wheel0.txt"
check "wheel-over without a rate of turn shows NA" grep -q '^Wheel over point distance: *NA$' "$work/wheel0.txt"
# Speed and fuel on a copy of the ship (MCR 106 rpm at 150 mT/day, FA 63):
# stopping from MCR takes 43 rpm × 2 minutes, 30 at FA and 15 to stop.
held=$(checksum)
m speed-fuel --rpm 106 >"$work/speed.txt"
check "speed-fuel at MCR burns the MCR fuel" grep -q '^Engine Setting *106 rpm  150.0 mT/day$' "$work/speed.txt"
check "speed-fuel stops from MCR in 2 h 11 min" grep -q '^Stop Time *2 : 11 hrs$' "$work/speed.txt"
m speed-fuel --rpm 63 --json >"$work/speed.json"
check "speed-fuel json: 45 minutes to stop from FA" grep -q '"rpm":63,.*"stopMinutes":45}' "$work/speed.json"
ground() { m speed-fuel --rpm 80 --json "$@" | sed 's/.*"groundSpeed":\([^,]*\),.*/\1/'; }
still=$(ground)
astern=$(ground --current 1.5 --current-on stern)
check "a current of 1.5 knots astern adds 1.5 knots ($still, $astern)" awk -v a="$still" -v b="$astern" \
  'BEGIN { d = b - a - 1.5; exit !(d < 1e-9 && d > -1e-9) }'
m speed-fuel --rpm 107 >/dev/null 2>"$work/speed.err"
check "speed-fuel refuses 107 rpm with the range message" test $? -eq 1 -a "$(cat "$work/speed.err")" = \
  "marigold: --rpm: Please enter an integer between 0 and 106."
m speed-fuel --wind 61 >/dev/null 2>"$work/speed.err"
check "speed-fuel refuses 61 knots of wind" test $? -eq 1 -a "$(cat "$work/speed.err")" = \
  "marigold: --wind: Please enter an integer between 0 and 60."
m speed-fuel --rpm 20 >"$work/low.txt" 2>"$work/low.err"
check "speed-fuel warns below half FA and still answers" grep -q 'Low rpm settings' "$work/low.err"
# 30 minutes at 13.4 knots (FA through the water) and 3 nM from FA to stop.
check "below FA the stop is the one from FA, never negative" grep -q '^Stop dist *9\.7 nM$' "$work/low.txt"
check "speed-fuel leaves every file alone" test "$held" = "$(checksum)"

m convert "Fathom to meters" 10 >"$work/convert.txt"
check "conversion by name" grep -q '= 18.288 m' "$work/convert.txt"

# The voyage dialogs' figures. Fixes 1 and 2 of the example lie 25.5' of
# latitude and 72' of longitude apart at about 51.8 N: 25.5 nM north and
# 72 x cos 51.8 = 44.5 nM west, 51.3 nM in the 4 hours from 06:00 UTC.
before=$(checksum)
m status "$route" --history 1 2 >"$work/status.txt" 2>/dev/null
check "status shows the scheduled ETA" grep -q '^Scheduled ETA : *Friday 11 Dec 2026 08:00 LT$' "$work/status.txt"
check "status --history names the two fixes" grep -q '^Till: *Tuesday 01 Dec 11:00 LT$' "$work/status.txt"
made=$(awk '/^Total distance made:/ { print $4 }' "$work/status.txt")
speed=$(awk '/^Average ground speed:/ { print $4 }' "$work/status.txt")
check "status --history: 51.3 nM in 4 hours ($made nM, $speed kts)" awk -v d="$made" -v v="$speed" \
  'BEGIN { exit !(d > 51.2 && d < 51.4 && v > 12.8 && v < 12.85) }'
m status "$route" --history 2 2 --json >"$work/status.json" 2>/dev/null
check "status --history of one fix has no speed" \
  grep -q '"history":{"distanceMade":" 0.00","groundSpeed":"NA","waterSpeed":"NA"}' "$work/status.json"
# Every fix reported the same weather (250 deg 18 kts, 1012 mb); three of
# them after the first went into December's (autumn) slot at Maas Center.
m average-weather "$route" --date 2026-12-15 >"$work/weather.txt"
check "average-weather starts at the first waypoint" grep -q '^Waypoint: *Maas Center$' "$work/weather.txt"
check "average-weather shows the season's figures" test "$(grep -c -E '^(Wind direction +250 deg|Speed +18.0 kts|Air pressure +1012.0 mb|Nr observations +3)$' "$work/weather.txt")" -eq 4
m average-weather "$route" --position 45:30S 10W --latest --json >"$work/weather.json"
check "average-weather at a position" grep -q '"waypoint":"","latitude":-45.5,"longitude":-10,"data":"Latest observation"' "$work/weather.json"
for bad in "--waypoint 0" "--waypoint 99" "--date 2026-02-30" "--position 95 10" "--waypoint 1 --position 1 1" \
  "--date 2026-12-15 --latest"; do
  # shellcheck disable=SC2086
  m average-weather "$route" $bad >/dev/null 2>"$work/weather.err"
  check "average-weather $bad is refused with one message" \
    test $? -eq 2 -a "$(grep -c '^marigold: ' "$work/weather.err")" -eq 1
done
m status "$route" --history 1 99 >/dev/null 2>"$work/status.err"
check "status --history past the last fix is refused" test $? -eq 2 -a "$(grep -c '^marigold: ' "$work/status.err")" -eq 1
check "the refusal says how many fixes there are" grep -q '^marigold: --history TILL takes a number from 1 to [0-9]*: 99$' \
  "$work/status.err"
# As opened from its file the route starts at the departure, as the dialogs
# preselect; --from fix starts at the latest fix.
check "eta starts at the departure" test "$(m eta "$route" --rpm 70)" = "$(m eta "$route" --rpm 70 --from departure)"
check "eta --from fix differs" test "$(m eta "$route" --rpm 70)" != "$(m eta "$route" --rpm 70 --from fix)"
check "cpa starts at the departure" grep -q '"from":"departure"' <(m cpa "$route" --json)
check "cpa --from fix" grep -q '"from":"fix"' <(m cpa "$route" --json --from fix)
m eta "$route" --rpm 70 --from somewhere >/dev/null 2>&1
check "eta refuses an unknown start" test $? -eq 2
check "the voyage figures write nothing" test "$before" = "$(checksum)"
printf '<?xml version="1.0"?>\n<gpx version="1.1" creator="t" xmlns="http://www.topografix.com/GPX/1/1"><rte><rtept lat="50" lon="-4"><name>Lizard</name></rtept></rte></gpx>\n' >"$work/one.gpx"
m import gpx "$work/one.rtp" "$work/one.gpx" >/dev/null 2>&1
one_before=$(sha256sum "$work/one.rtp")
m cpa "$work/one.rtp" >/dev/null 2>"$work/cpa.err"
check "cpa refuses a route of one waypoint with the dialog's message" test $? -eq 1 -a \
  "$(cat "$work/cpa.err")" = $'No voyage loaded\nor no active storms'
check "the refused cpa writes nothing" test "$one_before" = "$(sha256sum "$work/one.rtp")"

echo "$((checks - failures)) passed, $failures failed"
test "$failures" -eq 0
