#!/bin/bash
# The Linux saver on windows the test made, on a virtual display: by -window-id and by -root
# with XSCREENSAVER_WINDOW, a window that does not exist and an InputOnly one refused, the
# whole intro made smaller in a 320x240 one; a failure's report on its own window until a
# key or a click, and on a host's until the host ends it.
# Usage: saver_hosts_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

echo "On a window the test made: -window-id, and -root with XSCREENSAVER_WINDOW"
make_host host 640 480
host=$HOST_WINDOW
start -window-id "$host" -jokes "$JOKES"
shows_intro "$host" 25000 || fail "-window-id: no intro on the host window"
import -window "$host" "$ARTIFACTS/x11-window-id.png"
kill -TERM "$PID"
ended_with 0 10 || fail "SIGTERM with -window-id"
# A new window, on which nothing of the last run shows.
end_host
make_host host 640 480
host=$HOST_WINDOW
XSCREENSAVER_WINDOW=$host start -root -delay 2 -jokes "$JOKES"
shows_intro "$host" 25000 || fail "-root: no intro on XSCREENSAVER_WINDOW"
# The host owns input in -root mode: a key once the saver takes input in its own window
# (past 3.6 s: an item shows) leaves it running, still drawing items after it.
shows_item "$host" 25000 || fail "-root: no item after the intro"
xdotool key a
draws_anew "$host" || fail "-root: no item drawn after the key"
sleep 0.3
running || fail "-root: a key ended it"
kill -TERM "$PID"
ended_with 0 10 || fail "SIGTERM with -root"
"$ZORBEL" -window-id 0x7ffffff >/dev/null 2>"$SCRATCH/err"
[ $? -eq 1 ] && [ "$(wc -l < "$SCRATCH/err")" -eq 1 ] || fail "a window that does not exist: $(cat "$SCRATCH/err")"
end_host
make_host input-only
input_only=$HOST_WINDOW
"$ZORBEL" -window-id "$input_only" >/dev/null 2>"$SCRATCH/err"
[ $? -eq 1 ] && [ "$(wc -l < "$SCRATCH/err")" -eq 1 ] && grep -q "input only" "$SCRATCH/err" ||
  fail "an InputOnly window: $(cat "$SCRATCH/err")"
end_host

echo "In a 320x240 window the whole intro shows, smaller, the notices below it too"
make_host host 320 240
host=$HOST_WINDOW
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
ended_with 0 10 || fail "SIGTERM in the 320x240 window"

echo "A failure is reported on the window too: in its own window until a key or a click, status 1"
white_in() { colour_count "$1" "255 255 255"; }
white_over() { [ "$(white_in "$1")" -gt "$2" ]; }
# A white box with a blue button.
box_drawn() { white_over "$1" 50000 && [ "$(colour_count "$1" "0 120 215")" -gt 500 ]; }
report_window() { xdotool search --sync --onlyvisible --name "^D'oh! An error occurred$" | head -n 1; }
start -window -jokes "$SCRATCH/none.txt"
window=$(report_window)
within 30 box_drawn "$window" || fail "no message box on the saver's window"
import -window root "$ARTIFACTS/x11-report-window.png"
running || fail "the report did not stay"
xdotool key space
ended_with 1 10 || fail "a key did not close the report"
grep -q "^Jokes database could not be found. $" "$SCRATCH/err" || fail "report on stderr: $(cat "$SCRATCH/err")"
start -window -jokes "$SCRATCH/none.txt"
window=$(report_window)
within 30 box_drawn "$window" || fail "no message box on the saver's window, the second time"
xdotool click 1
ended_with 1 10 || fail "a click did not close the report"

echo "Under a host the report stays until the host ends the saver, still with status 1; a delay in the"
echo "settings file that stops it is named with the file and line first"
mkdir -p "$SCRATCH/bad/zorbel"
printf 'clean\r\nmedicalno\r\nabc\r\n' > "$SCRATCH/bad/zorbel/Qorv.ini"
XDG_CONFIG_HOME=$SCRATCH/bad XSCREENSAVER_WINDOW=$host start -root -jokes "$JOKES"
within 30 white_over "$host" 20000 || fail "no message box on the host's window"
import -window "$host" "$ARTIFACTS/x11-report-host.png"
xdotool key space
sleep 0.5
running || fail "under a host, a key ended the report"
kill -TERM "$PID"
ended_with 1 10 || fail "SIGTERM during the report"
head -n 1 "$SCRATCH/err" | grep -qF "zorbel: $SCRATCH/bad/zorbel/Qorv.ini:3: the delay \"abc\" is not a number" ||
  fail "no line naming the settings file: $(cat "$SCRATCH/err")"
grep -q "^Error code: 13$" "$SCRATCH/err" || fail "report: $(cat "$SCRATCH/err")"

echo "PASS (screenshots in $ARTIFACTS)"
