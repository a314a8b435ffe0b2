#!/bin/bash
# The Linux saver's figures, measured in one run on a virtual display beside a bare program
# that draws one line of text with the same library: the time from start to the first frame
# on the screen (median of five starts each, alternating), then all running side by side
# for two spans of MEASURE_SECONDS (60 unless set) each, zorbel -window -delay 2 on the jokes
# of MEASURE_JOKES (the mixed-script bench/mixed_script_jokes.txt unless set): the CPU each
# used in each span and its resident memory at the start and the end of it. Then the
# package's size and the installed size of the fonts it recommends. A folder holding
# zorbel, x11_bare_text and the .deb of an earlier build is measured in the same run, beside
# this one.
# Usage: bench/x11_figures.sh [EARLIER_BUILD_FOLDER] (after cmake --build --preset linux
#        --target zorbel x11_bare_text x11_probe package)
set -u
cd "$(dirname "$0")/.."
source scripts/wine_env.sh
BUILD=build/linux
PROBE=$BUILD/tests/x11_probe
JOKES=$(realpath "${MEASURE_JOKES:-bench/mixed_script_jokes.txt}")
SECONDS_MEASURED=${MEASURE_SECONDS:-60}
# Each measured build: a name, its saver and its bare program.
names=(now) savers=("$BUILD/zorbel") bares=("$BUILD/bench/x11_bare_text") packages=("$BUILD")
if [ $# -gt 0 ]; then
  names+=(earlier) savers+=("$1/zorbel") bares+=("$1/x11_bare_text") packages+=("$1")
fi
for program in "${savers[@]}" "${bares[@]}" "$PROBE"; do
  [ -x "$program" ] || { echo "missing $program: build the linux preset first" >&2; exit 1; }
done
start_virtual_display || exit 1
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; stop_virtual_display' EXIT

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
# Both draw yellow text first: the intro's heading, the bare program's one line.
declare -A first
for run in 1 2 3 4 5; do
  for i in "${!names[@]}"; do
    first[saver$i]+="$("$PROBE" first-frame 255 255 0 "${savers[$i]}" -window -delay 2 -jokes "$JOKES") "
    first[bare$i]+="$("$PROBE" first-frame 255 255 0 "${bares[$i]}") "
  done
done
for i in "${!names[@]}"; do
  echo "${names[$i]}: start to first frame (median of 5): zorbel $(printf '%s\n' ${first[saver$i]} | median) ms," \
    "bare program $(printf '%s\n' ${first[bare$i]} | median) ms (zorbel: ${first[saver$i]}; bare: ${first[bare$i]})"
done

# cpu_ns PID: the time its main thread has run on a processor so far, in nanoseconds (finer
# than the clock ticks of /proc/PID/stat); all_ms PID: the time all its threads have run,
# those that have ended too (Pango asks fontconfig for fonts in threads of their own), in
# milliseconds, to the clock tick; rss_kb PID: its resident memory.
cpu_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }
all_ms() { awk -v hz="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); print ($12 + $13) * 1000 / hz }' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
measured=() labels=()
for i in "${!names[@]}"; do
  "${bares[$i]}" &
  pids+=($!) measured+=($!) labels+=("${names[$i]} bare program")
  "${savers[$i]}" -window -delay 2 -jokes "$JOKES" &
  pids+=($!) measured+=($!) labels+=("${names[$i]} zorbel -window -delay 2")
done
sleep 1
# Two spans one after the other: the first, in which each script's fonts are loaded the
# first time they are needed, and the next, once most are.
declare -A rss_start ns_start all_start
percent() { awk -v ns="$1" -v s="$SECONDS_MEASURED" 'BEGIN { printf "%.4f", 100 * ns / 1e9 / s }'; }
for span in 1 2; do
  from=$((1 + (span - 1) * SECONDS_MEASURED))
  for pid in "${measured[@]}"; do
    rss_start[$pid]=$(rss_kb "$pid") ns_start[$pid]=$(cpu_ns "$pid") all_start[$pid]=$(all_ms "$pid")
  done
  sleep "$SECONDS_MEASURED"
  for i in "${!measured[@]}"; do
    pid=${measured[$i]}
    kill -0 "$pid" || { echo "${labels[$i]} ended during the measurement" >&2; exit 1; }
    used=$(( $(cpu_ns "$pid") - ns_start[$pid] ))
    all=$(( $(all_ms "$pid") - all_start[$pid] ))
    echo "${labels[$i]}: CPU from $from s to $((from + SECONDS_MEASURED)) s $(percent "$used")% of a core" \
      "($((used / 1000000)) ms; all threads $(percent "$((all * 1000000))")%, $all ms)," \
      "resident memory at $from s ${rss_start[$pid]} kB, at $((from + SECONDS_MEASURED)) s $(rss_kb "$pid") kB"
  done
done

# The package: its file, what it says it takes installed, and the fonts it recommends.
for i in "${!names[@]}"; do
  deb=$(ls "${packages[$i]}"/zorbel_*.deb 2>/dev/null | head -n 1)
  [ -n "$deb" ] || { echo "${names[$i]}: no package in ${packages[$i]}"; continue; }
  recommended=$(dpkg-deb -f "$deb" Recommends | tr ',|' '\n\n' | awk '/^ *fonts-/ { print $1 }')
  fonts_kb=0
  for font in $recommended; do
    size=$(apt-cache show --no-all-versions "$font" | awk '/^Installed-Size:/ { print $2 }')
    fonts_kb=$((fonts_kb + size))
  done
  echo "${names[$i]}: package $(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) kB;" \
    "depends: $(dpkg-deb -f "$deb" Depends);" \
    "recommended fonts: $(echo ${recommended:-none}), ${fonts_kb} kB installed together"
done
