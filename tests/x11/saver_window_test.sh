#!/bin/bash
# The Linux saver on a virtual display: bad options; in its own window the intro, then a
# joke of the test's own, input ignored for the first 3.6 s and ending it after (a key, a
# click, a real move, not a motion event under a still pointer), the window closed, SIGTERM;
# the settings and jokes from the user's folders; drawing on a window the test made, by
# -window-id and by -root with XSCREENSAVER_WINDOW, and the whole intro made smaller in a
# 320x240 one; a failure's report on its own window and a host's; on two monitors, each item
# on one; at 3840x2160 with Xft.dpi 192, the design at twice its size.
# Usage: saver_window_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
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

echo "Bad options end it at once with status 2 and one line naming the option"
for bad in "-delay 1" "--delay=31" "-delay soon" "-medical" "-window-id nothing" "-window-id 4294967296" \
           "-window-id 0x10000050d" "-jokes" "-bogus"; do
  set -- $bad
  "$ZORBEL" $bad >/dev/null 2>"$SCRATCH/err"
  status=$?
  [ "$status" -eq 2 ] || fail "$bad: exit status $status"
  name=${1%%=*}
  [ "$(wc -l < "$SCRATCH/err")" -eq 1 ] && grep -q -- "${name/#--/-}" "$SCRATCH/err" || fail "$bad: $(cat "$SCRATCH/err")"
done
for bad in 4294967296 0x10000050d; do
  XSCREENSAVER_WINDOW=$bad "$ZORBEL" -root >/dev/null 2>"$SCRATCH/err"
  [ $? -eq 2 ] && grep -q XSCREENSAVER_WINDOW "$SCRATCH/err" || fail "XSCREENSAVER_WINDOW=$bad: $(cat "$SCRATCH/err")"
done
# A reader that has gone before the refusal is written leaves the status as it is.
( sleep 0.3; exec "$ZORBEL" -bogus ) 2>&1 >/dev/null | true
[ "${PIPESTATUS[0]}" -eq 2 ] || fail "with stderr a closed pipe, -bogus ended with ${PIPESTATUS[0]}"
"$ZORBEL" -rude -medical -delay 2.5 --help >/dev/null || fail "--help"
"$ZORBEL" --version | grep -q '^zorbel 4beta1$' || fail "--version"

echo "In its own window: the intro, input ignored until 3.6 s, then a joke of the test's own"
start -window -delay 2 -jokes "$JOKES"
window=$(own_window)
shows_intro "$window" || fail "no intro panel"
import -window root "$ARTIFACTS/x11-intro.png"
at 2
xdotool key a click 1 mousemove 300 300 mousemove 400 400
sent=$(( $(now_ms) - START ))
at 3.4
running || fail "input before 3.6 s ended it (sent by $sent ms)"
# The first tick of the cycle comes at 3.5 + 2 s; each is the tall joke with chance 5/6.
joke=
for tick in 1 2 3 4 5 6; do
  at $((5 + 2 * tick))
  look "$window"
  if palette_in "0 0 1024 40" && palette_in "0 728 1024 40"; then joke=1; break; fi
done
[ -n "$joke" ] || fail "the test's joke never showed"
import -window root "$ARTIFACTS/x11-joke.png"
# (The edges of blue letters may have the panel's colour too, but never the panel's area.)
[ "$(colour_count "$window" "$INTRO_PANEL")" -lt 20000 ] || fail "the intro is still there"
xdotool key x
ended_with 0 2 || fail "a key did not end it"

echo "Without options: the settings and the jokes from the user's folders"
mkdir -p "$SCRATCH/config/zorbel" "$SCRATCH/data/zorbel"
printf 'clean\r\nmedicalno\r\n 2 \r\n' > "$SCRATCH/config/zorbel/Qorv.ini"
cp "$JOKES" "$SCRATCH/data/zorbel/jokes.txt"
XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data start
window=$(own_window)
# A delay of 2 s shows the first item at 5.5 s; the default of 7 s not before 10.5 s.
at 6.5
look "$window"
palette_in "0 0 1024 768" || fail "no item at 6.5 s: the settings file's delay was not read"
joke=
for tick in 1 2 3 4 5 6; do
  look "$window"
  if palette_in "0 0 1024 40" && palette_in "0 728 1024 40"; then joke=1; break; fi
  at "$((6 + 2 * tick)).5"
done
[ -n "$joke" ] || fail "the joke file in XDG_DATA_HOME was not read"
xdotool click 1
ended_with 0 2 || fail "a click did not end it"

echo "A real move ends it after 3.6 s; a motion event under a still pointer does not"
start -window -jokes "$JOKES"
window=$(own_window)
at 3.8
"$PROBE" still-motion "$window"
sleep 0.3
running || fail "a motion event under a still pointer ended it"
xdotool mousemove_relative 5 5
ended_with 0 2 || fail "a real move did not end it"

echo "Closing the window ends it, armed or not; SIGINT ends it with 0, as SIGTERM does the other runs"
start -window -jokes "$JOKES"
window=$(own_window)
at 1
"$PROBE" close "$window"
ended_with 0 2 || fail "closing the window did not end it"
start -window -jokes "$JOKES"
own_window >/dev/null
kill -INT "$PID"
ended_with 0 1 || fail "SIGINT"

echo "On a window the test made: -window-id, and -root with XSCREENSAVER_WINDOW"
coproc HOST { exec "$PROBE" host 640 480; }
read -r host <&"${HOST[0]}"
start -window-id "$host" -jokes "$JOKES"
shows_intro "$host" 25000 || fail "-window-id: no intro on the host window"
import -window "$host" "$ARTIFACTS/x11-window-id.png"
kill -TERM "$PID"
ended_with 0 1 || fail "SIGTERM with -window-id"
XSCREENSAVER_WINDOW=$host start -root -jokes "$JOKES"
shows_intro "$host" 25000 || fail "-root: no intro on XSCREENSAVER_WINDOW"
# The host owns input in -root mode: a key at 4 s leaves it running.
at 4
xdotool key a
sleep 0.5
running || fail "-root: a key ended it"
kill -TERM "$PID"
ended_with 0 1 || fail "SIGTERM with -root"
"$ZORBEL" -window-id 0x7ffffff >/dev/null 2>"$SCRATCH/err"
[ $? -eq 1 ] && [ "$(wc -l < "$SCRATCH/err")" -eq 1 ] || fail "a window that does not exist: $(cat "$SCRATCH/err")"
# end_host: the window the test made goes, and with it its process.
end_host() { local pid=$HOST_PID; kill "$pid"; wait "$pid" 2>/dev/null; }
end_host
coproc HOST { exec "$PROBE" input-only; }
read -r input_only <&"${HOST[0]}"
"$ZORBEL" -window-id "$input_only" >/dev/null 2>"$SCRATCH/err"
[ $? -eq 1 ] && [ "$(wc -l < "$SCRATCH/err")" -eq 1 ] && grep -q "input only" "$SCRATCH/err" ||
  fail "an InputOnly window: $(cat "$SCRATCH/err")"
end_host

echo "In a 320x240 window the whole intro shows, smaller, the notices below it too"
coproc HOST { exec "$PROBE" host 320 240; }
read -r host <&"${HOST[0]}"
start -window-id "$host" -jokes "$JOKES"
# The panel is 11.8 % of a 1024x768 screen, so about 9000 of the window's 76800 pixels.
shows_intro "$host" 6000 || fail "320x240: too little of the intro panel"
import -window "$host" "$ARTIFACTS/x11-intro-320x240.png"
panel=$(colour_count "$host" "$INTRO_PANEL")
[ "$panel" -lt 12000 ] || fail "320x240: $panel pixels of panel, more than a whole panel made smaller"
# The notices lie below the panel (from 137 px down), their letters too small for a colour
# of their own: lit pixels there, none in the last columns.
lit_in() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 10% -format '%[fx:round(mean*w*h)]' info:; }
notices=$(lit_in "$ARTIFACTS/x11-intro-320x240.png" 320x100+0+132)
[ "$notices" -gt 300 ] || fail "320x240: the notices are not in the window ($notices pixels lit)"
[ "$(lit_in "$ARTIFACTS/x11-intro-320x240.png" 3x240+317+0)" -eq 0 ] || fail "320x240: something runs off the right edge"
kill -TERM "$PID"
ended_with 0 1 || fail "SIGTERM in the 320x240 window"

echo "A failure is reported on the window too: in its own window until a key or a click, status 1"
white_in() { colour_count "$1" "255 255 255"; }
report_window() { xdotool search --sync --onlyvisible --name "^D'oh! An error occurred$" | head -n 1; }
start -window -jokes "$SCRATCH/none.txt"
window=$(report_window)
sleep 1
import -window root "$ARTIFACTS/x11-report-window.png"
[ "$(white_in "$window")" -gt 50000 ] && [ "$(colour_count "$window" "0 120 215")" -gt 500 ] ||
  fail "no message box on the saver's window"
running || fail "the report did not stay"
xdotool key space
ended_with 1 2 || fail "a key did not close the report"
grep -q "^Jokes database could not be found. $" "$SCRATCH/err" || fail "report on stderr: $(cat "$SCRATCH/err")"
start -window -jokes "$SCRATCH/none.txt"
report_window >/dev/null
sleep 0.5
xdotool click 1
ended_with 1 2 || fail "a click did not close the report"

echo "Under a host the report stays until the host ends the saver, still with status 1; a delay in the"
echo "settings file that stops it is named with the file and line first"
mkdir -p "$SCRATCH/bad/zorbel"
printf 'clean\r\nmedicalno\r\nabc\r\n' > "$SCRATCH/bad/zorbel/Qorv.ini"
XDG_CONFIG_HOME=$SCRATCH/bad XSCREENSAVER_WINDOW=$host start -root -jokes "$JOKES"
sleep 1.5
import -window "$host" "$ARTIFACTS/x11-report-host.png"
[ "$(white_in "$host")" -gt 20000 ] || fail "no message box on the host's window"
xdotool key space
sleep 0.5
running || fail "under a host, a key ended the report"
kill -TERM "$PID"
ended_with 1 1 || fail "SIGTERM during the report"
head -n 1 "$SCRATCH/err" | grep -qF "zorbel: $SCRATCH/bad/zorbel/Qorv.ini:3: the delay \"abc\" is not a number" ||
  fail "no line naming the settings file: $(cat "$SCRATCH/err")"
grep -q "^Error code: 13$" "$SCRATCH/err" || fail "report: $(cat "$SCRATCH/err")"

echo "On two monitors side by side each item stays on one of them"
"$PROBE" split-monitors >/dev/null || fail "the screen could not be split into two monitors"
printf '"Short jokes",2,4\r\nclean,0,0\r\nA zorbel on one screen.\r\n</joke>\r\n' > "$SCRATCH/short.txt"
start -window -delay 2 -jokes "$SCRATCH/short.txt"
window=$(own_window)
# Each look in the middle of an item's 2 s (items change at 5.5 s, 7.5 s and so on): a busy
# machine that has fallen behind looks at a later item rather than across a change.
middle_ms=6500
for tick in 1 2 3 4 5 6 7 8; do
  while [ $(( $(now_ms) - START )) -gt $((middle_ms - 500)) ]; do middle_ms=$((middle_ms + 2000)); done
  at "$((middle_ms / 1000)).$((middle_ms % 1000))"
  middle_ms=$((middle_ms + 2000))
  sides=0
  look "$window"
  palette_in "0 0 512 768" && sides=$((sides + 1))
  palette_in "512 0 512 768" && sides=$((sides + 1))
  [ "$sides" -eq 1 ] || fail "item $tick shows on $sides monitors"
done
import -window root "$ARTIFACTS/x11-two-monitors.png"
kill -TERM "$PID"
ended_with 0 1 || fail "SIGTERM on two monitors"

echo "On a 3840x2160 screen with Xft.dpi 192 the design is drawn at twice the size of 96 dpi"
stop_virtual_display
VIRTUAL_SCREEN=3840x2160x24 start_virtual_display || fail "no 3840x2160 virtual display"
# Set as xrdb -merge sets it, while a client holds the display (the server forgets its root
# window's properties when the last one leaves).
coproc HOST { exec "$PROBE" input-only; }
read -r _ <&"${HOST[0]}"
xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'Xft.dpi:\t192\n' || fail "cannot set Xft.dpi"
start -window -jokes "$JOKES"
window=$(own_window)
# The panel, 4575 twips square, is 610 pixels at 192 dpi: 372100 of them (93025 at 96).
shows_intro "$window" 300000 || fail "the intro is not drawn at 192 dpi"
import -window root -resize 25% "$ARTIFACTS/x11-intro-3840x2160-192dpi.png"
kill -TERM "$PID"
ended_with 0 1 || fail "SIGTERM at 3840x2160"
end_host

echo "PASS (screenshots in $ARTIFACTS)"
