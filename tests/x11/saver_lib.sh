# Sourced by the Linux saver's suites on a virtual display: the saver, the test's probe and
# the folder for screenshots from the suite's arguments, a scratch folder and a display of
# the suite's own, a home without settings, a joke file of one tall clean joke, and the
# means to start the saver, wait on what it draws, and look at it. A busy machine may keep
# the saver seconds behind the test's clock, so the suites go by what it shows (its intro,
# its first item) rather than by the time since it started.
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
  # Whether a saver still running was stuck waiting, stopped or busy.
  [ -n "$PID" ] && running && echo "The saver's state: $(grep '^State' "/proc/$PID/status")," \
    "waiting in $(cat "/proc/$PID/wchan"), processor time $(cut -d' ' -f14-15 "/proc/$PID/stat") ticks" >&2
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
# within SECONDS COMMAND...: true as soon as the command is, false once SECONDS have passed
# without it; looks again every tenth of a second.
within() {
  local deadline=$(( $(now_ms) + $1 * 1000 ))
  shift
  until "$@"; do
    [ "$(now_ms)" -gt "$deadline" ] && return 1
    sleep 0.1
  done
}
running() { kill -0 "$PID" 2>/dev/null; }
not() { ! "$@"; }
# ended_with STATUS WITHIN: the saver ended within WITHIN seconds, with that status.
ended_with() {
  local status
  within "$2" not running || return 1
  wait "$PID"
  status=$?
  PID=
  [ "$status" -eq "$1" ] || { echo "exit status $status, expected $1" >&2; return 1; }
}
own_window() { xdotool search --sync --onlyvisible --name "^Zorbel Joke Screensaver$" | head -n 1; }
# colour_count WINDOW "R G B" ["X Y WIDTH HEIGHT"]: pixels of exactly that colour.
colour_count() { "$PROBE" count "$1" $2 ${3:-}; }
panel_over() { [ "$(colour_count "$1" "$INTRO_PANEL")" -gt "$2" ]; }
# shows_intro WINDOW [PIXELS]: the intro's panel comes to fill that many of the window's
# pixels (50000 unless given). The intro lasts 3.5 s of the saver's own time from its first
# frame, which a test looking every tenth of a second does not miss however late it comes.
shows_intro() { within 30 panel_over "$1" "${2:-50000}"; }
# intro_ended WINDOW [PIXELS]: the panel has gone (at 3.5 s of the saver's time, when the
# display cycle starts): fewer of its pixels than shows_intro waits for (the edges of blue
# letters have some).
intro_ended() { within 30 not panel_over "$1" "${2:-50000}"; }
# shows_item WINDOW [PIXELS]: after the intro (whose letters' edges may have a colour of the
# jokes), a colour of the jokes shows, so the first item of the display cycle has come (at
# 5.5 s or later): the saver is past the 3.6 s in which it ignores input.
shows_item() { intro_ended "$@" && within 40 item_in "$1" "0 0 $(window_size "$1")"; }
# shows_tall_joke WINDOW: the test's tall joke, which alone reaches both the top and the
# bottom of the screen, comes (one item in six or so is a promotional message instead).
shows_tall_joke() { within 60 item_in "$1" "0 0 1024 40" "0 728 1024 40"; }
window_size() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}'; }
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
# item_in WINDOW AREA...: one look at the window shows a colour of the jokes in every area.
item_in() {
  local window=$1 area
  shift
  look "$window"
  for area in "$@"; do palette_in "$area" || return 1; done
}
# draws_anew WINDOW: the window comes to show something other than it shows now (the next
# item), proof that the saver has gone round its loop, and handled what input it had.
draws_anew() {
  import -window "$1" "$SCRATCH/before.png" || fail "no capture of window $1"
  within 30 differs_from_before "$1"
}
differs_from_before() {
  look "$1"
  [ "$(compare -metric AE "$SCRATCH/before.png" "$SCRATCH/look.png" null: 2>&1)" != 0 ]
}
