# Sourced by the Linux saver's suites on a virtual display: the saver, the test's probe and
# the folder for screenshots from the suite's arguments, a scratch folder and a display of
# the suite's own, a home without settings, a joke file of one tall clean joke, and the
# means to start the saver, wait, and look at what it drew.
# Usage (from a suite): source saver_lib.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
ZORBEL=$(realpath "$1")
PROBE=$(realpath "$2")
ARTIFACTS=$3
mkdir -p "$ARTIFACTS"
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-x11.XXXXXX")
PID=
HOST_PID=
START=
source "$(dirname "$0")/../../scripts/wine_env.sh"
cleanup() {
  [ -n "$PID" ] && kill "$PID" 2>/dev/null
  [ -n "${HOST_PID:-}" ] && kill "$HOST_PID" 2>/dev/null
  stop_virtual_display
  rm -rf "$SCRATCH"
}
trap cleanup EXIT
# Stopped from outside (a time limit), it still cleans up.
trap 'exit 1' INT TERM HUP
fail() {
  echo "FAIL${START:+ at $(( $(now_ms) - START )) ms of the last run}: $*" >&2
  cat "$SCRATCH/err" >&2
  exit 1
}
start_virtual_display || fail "no virtual display"

# A home without settings, and a joke file of one clean joke taller than the screen: no
# promotional message is, so colour at both the top and the bottom of the screen can only
# be this joke.
export HOME=$SCRATCH/home XDG_CONFIG_HOME= XDG_DATA_HOME=
mkdir -p "$HOME"
JOKES=$SCRATCH/jokes.txt
{
  printf '"Test jokes",2,4\r\nclean,0,0\r\n'
  for line in $(seq 40); do printf 'Zorbel line %d of the tall test joke\r\n' "$line"; done
  printf '</joke>\r\n'
} > "$JOKES"
PALETTE=("192 192 192" "128 128 128" "0 0 255" "0 255 0" "0 255 255" "255 0 0" "255 0 255")
INTRO_PANEL="0 0 192"

now_ms() { local now=${EPOCHREALTIME/./}; echo $((now / 1000)); }
# start ARGUMENT...: the saver in the background; PID and START (milliseconds) set.
start() {
  "$ZORBEL" "$@" >"$SCRATCH/out" 2>"$SCRATCH/err" &
  PID=$!
  START=$(now_ms)
}
# at SECONDS: sleeps until that long after the start.
at() {
  local wait_ms=$(( START + $(awk "BEGIN { print int($1 * 1000) }") - $(now_ms) ))
  [ "$wait_ms" -gt 0 ] && sleep "$(printf '%d.%03d' $((wait_ms / 1000)) $((wait_ms % 1000)))"
  return 0
}
# ended_with STATUS WITHIN: the saver ended within WITHIN seconds, with that status.
ended_with() {
  local deadline=$(( $(now_ms) + $2 * 1000 )) status
  while kill -0 "$PID" 2>/dev/null; do
    [ "$(now_ms)" -gt "$deadline" ] && return 1
    sleep 0.05
  done
  wait "$PID"
  status=$?
  PID=
  [ "$status" -eq "$1" ] || { echo "exit status $status, expected $1" >&2; return 1; }
}
running() { kill -0 "$PID" 2>/dev/null; }
own_window() { xdotool search --sync --onlyvisible --name "^Zorbel Joke Screensaver$" | head -n 1; }
# colour_count WINDOW "R G B" ["X Y WIDTH HEIGHT"]: pixels of exactly that colour.
colour_count() { "$PROBE" count "$1" $2 ${3:-}; }
# shows_intro WINDOW [PIXELS]: the intro's panel fills that many of the window's pixels (50000
# unless given) before the intro ends at 3.5 s (a busy machine may take a while for the first
# frame).
shows_intro() {
  while [ $(( $(now_ms) - START )) -lt 3300 ]; do
    [ "$(colour_count "$1" "$INTRO_PANEL")" -gt "${2:-50000}" ] && return 0
    sleep 0.1
  done
  return 1
}
# look WINDOW: one capture of the window, which palette_in then examines, so that what it
# finds in two places was on the screen at the same moment.
look() { import -window "$1" "$SCRATCH/look.png" || fail "no capture of window $1"; }
# palette_in "X Y WIDTH HEIGHT": true when a colour of the jokes shows there in the last look.
palette_in() {
  local x y width height colour marks=()
  read -r x y width height <<<"$1"
  for colour in "${PALETTE[@]}"; do marks+=(-opaque "rgb(${colour// /,})"); done
  [ "$(convert "$SCRATCH/look.png" -crop "${width}x${height}+${x}+${y}" +repage \
    -fill "rgb(1,2,3)" "${marks[@]}" -fill black +opaque "rgb(1,2,3)" \
    -format '%[fx:maxima.r > 0]' info:)" = 1 ]
}
# make_host PROBE_ARGUMENT...: a window the probe makes and holds ("host WIDTH HEIGHT" or
# "input-only") until end_host; its id in HOST_WINDOW.
make_host() {
  coproc HOST { exec "$PROBE" "$@"; }
  read -r HOST_WINDOW <&"${HOST[0]}"
}
# end_host: the window the test made goes, and with it its process.
end_host() { local pid=$HOST_PID; kill "$pid"; wait "$pid" 2>/dev/null; }
