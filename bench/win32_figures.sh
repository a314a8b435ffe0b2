#!/bin/bash
# Zorbel.scr's figures under Wine on a virtual display: the size of each program given, and
# the time from starting it with /c (beside the shipped jokes.txt) to its first window, the
# beta notice, on the screen; the same for a bare program whose only window is a message
# box. Each start is given as the time that passed and as the processor time the program's
# own process used until then (all its threads; Wine's server not counted), which a busy
# machine disturbs less. Runs alternate, RUNS (5 unless set) each; the Wine server is kept up
# throughout, so that each run is a program's start, not Wine's. Prints each run and the
# median.
# Usage: bench/win32_figures.sh [ZORBEL_SCR...]   (after cmake --build --preset windows;
#        the built Zorbel.scr unless programs are named)
set -u
cd "$(dirname "$0")/.."
source scripts/wine_env.sh
BUILD=build/windows
BARE=$BUILD/bench/win32_bare_box.exe
PROBE=$BUILD/tests/e2e/winprobe.exe
RUNS=${RUNS:-5}
programs=("$@")
[ ${#programs[@]} -eq 0 ] && programs=("$BUILD/Zorbel.scr")
for file in "${programs[@]}" "$BARE" "$PROBE" "$BUILD/jokes.txt"; do
  [ -f "$file" ] || { echo "missing $file: build the windows preset first" >&2; exit 1; }
done
scratch=$(mktemp -d)
trap 'wineserver --kill 2>/dev/null; stop_virtual_display; rm -rf "$scratch"' EXIT
[ -n "${DISPLAY:-}" ] || start_virtual_display || exit 1
prepare_wine_prefix
wineserver --persistent=60

for index in "${!programs[@]}"; do
  mkdir -p "$scratch/$index"
  cp "${programs[$index]}" "$scratch/$index/Zorbel.scr"
  cp "$BUILD/jokes.txt" "$scratch/$index/"
  echo "size of ${programs[$index]}: $(stat -c %s "${programs[$index]}") bytes"
done
cp "$BARE" "$scratch/bare.exe"

# cpu_ms PID: the processor time the process's threads have used so far.
cpu_ms() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { print int(ns / 1000000) }'; }

# first_window_ms FOLDER PROGRAM ARGUMENT...: "WALL/CPU", the milliseconds from the start
# of PROGRAM in FOLDER to the first window of any program appearing, and the processor time
# it used until then; the program is then ended.
first_window_ms() {
  local folder=$1 started line pid
  shift
  coproc WATCH { wine "$PROBE" watch 30 2>/dev/null; }
  read -r line <&"${WATCH[0]}"  # "ready"
  started=$(date +%s%N)
  (cd "$folder" && exec wine "$@") >/dev/null 2>&1 &
  pid=$!
  read -r line <&"${WATCH[0]}"
  echo "$(( ($(date +%s%N) - started) / 1000000 ))/$(cpu_ms "$pid")"
  kill "$pid" "$WATCH_PID" 2>/dev/null
  wait "$pid" "$WATCH_PID" 2>/dev/null
}

# median FIELD: the median of the FIELDth (1 wall, 2 processor) of the runs' figures.
median() { tr ' ' '\n' | grep . | cut -d/ -f"$1" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
declare -A times
for run in $(seq "$RUNS"); do
  for index in "${!programs[@]}"; do
    times[$index]+="$(first_window_ms "$scratch/$index" Zorbel.scr /c) "
  done
  times[bare]+="$(first_window_ms "$scratch" bare.exe) "
done
# report WHAT RUNS
report() { echo "$1: median $(median 1 <<<"$2") ms passed, $(median 2 <<<"$2") ms of processor (runs, passed/processor: ${2% })"; }
for index in "${!programs[@]}"; do
  report "/c start to the beta notice, ${programs[$index]}" "${times[$index]}"
done
report "bare program to its message box" "${times[bare]}"
