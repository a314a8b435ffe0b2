#!/bin/bash
# Resident memory of the Linux saver over a long run: each program given (the build's zorbel
# unless named) runs side by side on one virtual display, -window -delay 2, showing the
# jokes of bench/mixed_script_jokes.txt (French, German, Russian, Greek, Japanese, Chinese,
# Korean, Arabic, Hebrew, Hindi, Thai, combining marks), for MEASURE_MINUTES (10 unless
# set). Prints each one's resident memory every minute, and its growth after the first.
# Usage: bench/x11_memory.sh [ZORBEL...] (after cmake --build --preset linux)
set -u
cd "$(dirname "$0")/.."
source scripts/wine_env.sh
programs=("$@")
[ ${#programs[@]} -eq 0 ] && programs=(build/linux/zorbel)
minutes=${MEASURE_MINUTES:-10}
for program in "${programs[@]}"; do
  [ -x "$program" ] || { echo "missing $program: build the linux preset first" >&2; exit 1; }
done
start_virtual_display || exit 1
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; stop_virtual_display' EXIT
for program in "${programs[@]}"; do
  "$program" -window -delay 2 -jokes "$PWD/bench/mixed_script_jokes.txt" 2>/dev/null &
  pids+=($!)
done

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
declare -A at_one_minute
for minute in $(seq 0 "$minutes"); do
  [ "$minute" -gt 0 ] && sleep 60
  line="minute $minute:"
  for i in "${!pids[@]}"; do
    kill -0 "${pids[$i]}" 2>/dev/null || { echo "${programs[$i]} ended during the run" >&2; exit 1; }
    rss=$(rss_kb "${pids[$i]}")
    [ "$minute" -eq 1 ] && at_one_minute[$i]=$rss
    line+=" ${programs[$i]} ${rss} kB;"
  done
  echo "$line"
done
for i in "${!pids[@]}"; do
  echo "${programs[$i]}: $(( $(rss_kb "${pids[$i]}") - ${at_one_minute[$i]} )) kB more at minute $minutes than at minute 1"
done
