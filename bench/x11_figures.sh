#!/bin/bash
# The Linux saver's figures, measured in one run on a virtual display beside a bare Xlib and
# Xft program that draws one line of text: the time from start to the first frame on the
# screen (median of five starts each, alternating), then both running side by side for
# MEASURE_SECONDS (60 unless set), with zorbel -window -delay 2: the CPU each used in that
# time and its resident memory at the start and the end.
# Usage: bench/x11_figures.sh (after cmake --build --preset linux)
set -u
cd "$(dirname "$0")/.."
source scripts/wine_env.sh
BUILD=build/linux
ZORBEL=("$BUILD/zorbel" -window -delay 2 -jokes "$PWD/data/jokes.txt")
BARE=("$BUILD/bench/x11_bare_text")
PROBE=$BUILD/tests/x11_probe
SECONDS_MEASURED=${MEASURE_SECONDS:-60}
for program in "${ZORBEL[0]}" "${BARE[0]}" "$PROBE"; do
  [ -x "$program" ] || { echo "missing $program: build the linux preset first" >&2; exit 1; }
done
start_virtual_display || exit 1
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; stop_virtual_display' EXIT

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
# Both draw yellow text first: the intro's heading, the bare program's one line.
zorbel_first=() bare_first=()
for run in 1 2 3 4 5; do
  zorbel_first+=("$("$PROBE" first-frame 255 255 0 "${ZORBEL[@]}")")
  bare_first+=("$("$PROBE" first-frame 255 255 0 "${BARE[@]}")")
done
echo "Start to first frame (median of 5): zorbel $(printf '%s\n' "${zorbel_first[@]}" | median) ms," \
  "bare Xlib+Xft program $(printf '%s\n' "${bare_first[@]}" | median) ms" \
  "(zorbel: ${zorbel_first[*]}; bare: ${bare_first[*]})"

# cpu_ns PID: the time it has run on a processor so far, in nanoseconds (finer than the
# clock ticks of /proc/PID/stat); rss_kb PID: its resident memory.
cpu_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
"${BARE[@]}" &
pids+=($!)
bare=$!
"${ZORBEL[@]}" &
pids+=($!)
zorbel=$!
sleep 1
zorbel_rss_start=$(rss_kb "$zorbel") bare_rss_start=$(rss_kb "$bare")
zorbel_ns=$(cpu_ns "$zorbel") bare_ns=$(cpu_ns "$bare")
sleep "$SECONDS_MEASURED"
kill -0 "$zorbel" || { echo "zorbel ended during the measurement" >&2; exit 1; }
percent() { awk -v ns="$1" -v s="$SECONDS_MEASURED" 'BEGIN { printf "%.4f", 100 * ns / 1e9 / s }'; }
zorbel_used=$(( $(cpu_ns "$zorbel") - zorbel_ns )) bare_used=$(( $(cpu_ns "$bare") - bare_ns ))
echo "CPU over $SECONDS_MEASURED s: zorbel -window -delay 2 $(percent "$zorbel_used")% of a core" \
  "($((zorbel_used / 1000000)) ms), bare program $(percent "$bare_used")% ($((bare_used / 1000000)) ms)"
echo "Resident memory at 1 s and at $((SECONDS_MEASURED + 1)) s: zorbel ${zorbel_rss_start} kB -> $(rss_kb "$zorbel") kB," \
  "bare program ${bare_rss_start} kB -> $(rss_kb "$bare") kB"
