#!/bin/bash
# Runs the Wine stage of an already built windows preset RUNS times in a row (5 unless
# given) and prints, for each run, its wall time, the processor time of what it ran, the
# machine's load, the suites that failed and those that passed only on a second attempt;
# then the count of first attempts that failed over all runs.
#   scripts/wine_stage_runs.sh [RUNS]
set -u
cd "$(dirname "$0")/.."
runs=${1:-5}
retries=build/windows/e2e-retries.txt
first_failures=0
for run in $(seq "$runs"); do
  rm -f "$retries"
  load=$(cut -d' ' -f1-3 /proc/loadavg)
  began=$SECONDS
  /usr/bin/time -f '%U %S' -o build/windows/wine-stage-cpu.txt \
    ctest --preset windows >"build/windows/wine-stage-run-$run.log" 2>&1
  status=$?
  failed=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Failed.*/\1/p' "build/windows/wine-stage-run-$run.log" | tr '\n' ' ')
  retried=0
  [ -f "$retries" ] && retried=$(wc -l <"$retries")
  nfailed=$(wc -w <<<"$failed")
  first_failures=$((first_failures + retried + nfailed))
  echo "run $run: status $status, $((SECONDS - began)) s wall," \
    "$(tail -n 1 build/windows/wine-stage-cpu.txt | awk '{print $1 + $2}') s CPU, load before $load;" \
    "failed: ${failed:-none}; passed on a second attempt: $retried"
  [ -s "$retries" ] && sed 's/^/    /' "$retries"
done
echo "first attempts that failed in $runs runs: $first_failures"
