#!/usr/bin/env bash
# Every RTZ file the program writes, and every hand-written one in the test
# data, must validate against the published schema of its version:
#   validate_rtz.sh WRITE_RTZ_SAMPLES DATA_FOLDER
set -u
samples=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$samples" "$work" || { echo "FAIL writing the samples"; exit 1; }
failures=0
count=0
for file in "$work"/*.rtz "$data"/route-1_*.rtz; do
  version=${file%.rtz}
  version=${version##*[-.]}
  count=$((count + 1))
  if ! xmllint --noout --schema "$data/rtz/rtz-$version.xsd" "$file" 2>"$work/lint.txt"; then
    echo "FAIL $(basename "$file")"
    cat "$work/lint.txt"
    failures=$((failures + 1))
  fi
done
echo "$count files, $failures invalid"
test "$count" -ge 12 && test "$failures" -eq 0
