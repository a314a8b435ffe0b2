#!/bin/bash
# The settings program's figures, measured in one run on a virtual display beside a bare
# GTK program that shows one label in one window: the time from start to the first frame
# on the screen (the settings program's is its beta notice, shown once the hub behind it is
# built), the time from pressing OK in the notice to the hub's first frame, and the memory
# of each once it shows (resident, and its peak). Medians of RUNS starts each (5 unless
# set), alternating.
# Usage: bench/gtk_figures.sh (after cmake --build --preset linux --target zorbel-settings
#        gtk_bare_label x11_probe)
set -u
cd "$(dirname "$0")/.."
source scripts/wine_env.sh
BUILD=build/linux
PROBE=$BUILD/tests/x11_probe
SETTINGS=$(realpath "$BUILD/zorbel-settings")
BARE=$(realpath "$BUILD/bench/gtk_bare_label")
RUNS=${RUNS:-5}
for program in "$SETTINGS" "$BARE" "$PROBE"; do
  [ -x "$program" ] || { echo "missing $program: build the linux preset first" >&2; exit 1; }
done
XDOTOOL=$(command -v xdotool) || { echo "xdotool is needed" >&2; exit 1; }
start_virtual_display || exit 1
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; stop_virtual_display; rm -rf "$work"' EXIT
# The user's files: the package's jokes, no settings yet.
export HOME=$work NO_AT_BRIDGE=1
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME/.local/share/zorbel"
cp data/jokes.txt "$HOME/.local/share/zorbel/"

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
memory_kb() { awk -v field="$2:" '$1 == field { print $2 }' "/proc/$1/status"; }
# The theme's window colour, which the notice and the bare window show first; the hub's
# dark-blue side panel.
theme="246 245 244" panel="0 0 192"
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
# cleared: waits until the windows of the run before have left the screen.
cleared() {
  for _ in $(seq 200); do [ "$("$PROBE" count "$root" $theme)" = 0 ] && return; sleep 0.01; done
}
notice=() hub=() bare=() settings_rss=() settings_peak=() bare_rss=() bare_peak=()
for run in $(seq "$RUNS"); do
  cleared
  notice+=("$("$PROBE" first-frame $theme "$SETTINGS")")
  cleared
  bare+=("$("$PROBE" first-frame $theme "$BARE")")

  cleared
  "$SETTINGS" &
  pid=$! pids+=($!)
  "$XDOTOOL" search --sync --onlyvisible --name '^Welcome to beta$' >/dev/null
  sleep 0.5
  hub+=("$("$PROBE" first-frame $panel "$XDOTOOL" key Return)")
  sleep 0.5
  settings_rss+=("$(memory_kb $pid VmRSS)") settings_peak+=("$(memory_kb $pid VmHWM)")
  # Gone before the next start, which a copy still running would turn away.
  kill $pid
  wait $pid

  "$BARE" &
  pid=$! pids+=($!)
  "$XDOTOOL" search --sync --onlyvisible --name '^Bare label$' >/dev/null
  sleep 0.5
  bare_rss+=("$(memory_kb $pid VmRSS)") bare_peak+=("$(memory_kb $pid VmHWM)")
  kill $pid
done
m() { printf '%s\n' "$@" | median; }
echo "start to first frame (median of $RUNS): zorbel-settings' beta notice $(m "${notice[@]}") ms," \
  "bare GTK label $(m "${bare[@]}") ms (notice: ${notice[*]}; bare: ${bare[*]})"
echo "OK in the beta notice to the hub's first frame (median of $RUNS): $(m "${hub[@]}") ms (${hub[*]})"
echo "start to the hub's first frame, less the time the notice is read:" \
  "$(( $(m "${notice[@]}") + $(m "${hub[@]}") )) ms"
echo "memory with the hub shown (median of $RUNS): resident $(m "${settings_rss[@]}") KiB, peak $(m "${settings_peak[@]}") KiB;" \
  "bare GTK label: resident $(m "${bare_rss[@]}") KiB, peak $(m "${bare_peak[@]}") KiB"
