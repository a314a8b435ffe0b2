#!/bin/bash
# The Linux saver in its own window on a virtual display: bad options, refused on stderr
# escaped; --help and --version, which fail when they cannot be written; the intro, then a
# joke of the test's own, input ignored for the first 3.6 s and ending it after (a key, a
# click, a real move, not a motion event under a still pointer), the intro ended even when
# held up past 3.6 s, the window closed, SIGINT.
# Usage: saver_window_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

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
for asked in --help --version; do
  "$ZORBEL" $asked >/dev/full 2>"$SCRATCH/err"
  [ $? -eq 1 ] && grep -q "cannot write to standard output" "$SCRATCH/err" || fail "$asked into a full disk"
done

echo "What it was given reaches stderr escaped"
"$ZORBEL" $'-\e[2J\e]0;owned\a' >/dev/null 2>"$SCRATCH/err"
grep -qF 'unknown option "-\x1b[2J\x1b]0;owned\x07"' "$SCRATCH/err" || fail "an option's escapes"
XSCREENSAVER_WINDOW=$'\xc2\x9b31m\xd8\x9c\xff' "$ZORBEL" -root >/dev/null 2>>"$SCRATCH/err"
grep -qF 'XSCREENSAVER_WINDOW names no window: "\u009b31m\u061c\xff"' "$SCRATCH/err" || fail "the variable's escapes"
DISPLAY=$'\e]0;x\a'$(printf 'y%.0s' $(seq 300)) "$ZORBEL" -window >/dev/null 2>>"$SCRATCH/err"
[ $? -eq 1 ] || fail "no display: status not 1"
grep -qF 'cannot open the display "\x1b]0;x\x07yyy' "$SCRATCH/err" && ! grep -q "y\{80\}" "$SCRATCH/err" ||
  fail "the display's name not escaped and cut short"
LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' "$SCRATCH/err" && fail "control bytes on stderr"

echo "In its own window: the intro, input ignored until 3.6 s, then a joke of the test's own"
start -window -delay 2 -jokes "$JOKES"
window=$(own_window)
shows_intro "$window" || fail "no intro panel"
# Input as soon as the intro shows, seconds inside the 3.6 s in which the saver ignores it.
xdotool key a click 1 mousemove 300 300 mousemove 400 400
sent=$(( $(now_ms) - START ))
import -window root "$ARTIFACTS/x11-intro.png"
intro_ended "$window"
running || fail "input during the intro ended it (sent $sent ms after the start)"
shows_tall_joke "$window" || fail "the test's joke never showed"
import -window root "$ARTIFACTS/x11-joke.png"
# (The edges of blue letters may have the panel's colour too, but never the panel's area.)
[ "$(colour_count "$window" "$INTRO_PANEL")" -lt 20000 ] || fail "the intro is still there"
xdotool key x
ended_with 0 10 || fail "a key did not end it"

echo "Held up past 3.6 s on its intro (stopped, as a busy machine may hold it), it still ends the intro"
start -window -delay 2 -jokes "$JOKES"
window=$(own_window)
shows_intro "$window" || fail "no intro panel"
kill -STOP "$PID"
sleep 4
kill -CONT "$PID"
intro_ended "$window" || fail "held up past 3.6 s, it stayed on its intro"
shows_item "$window" || fail "held up past 3.6 s, it showed no item after its intro"
kill -TERM "$PID"
ended_with 0 10 || fail "SIGTERM after the hold-up"

echo "A real move ends it after 3.6 s; a motion event under a still pointer does not"
start -window -delay 2 -jokes "$JOKES"
window=$(own_window)
shows_item "$window" || fail "no item after the intro"
"$PROBE" still-motion "$window"
draws_anew "$window" || fail "no item drawn after the motion event"
sleep 0.3
running || fail "a motion event under a still pointer ended it"
xdotool mousemove_relative 5 5
ended_with 0 10 || fail "a real move did not end it"

echo "Closing the window ends it, armed or not; SIGINT ends it with 0, as SIGTERM does the other runs"
start -window -jokes "$JOKES"
window=$(own_window)
shows_intro "$window" || fail "no intro panel before the window is closed"
"$PROBE" close "$window"
ended_with 0 10 || fail "closing the window did not end it"
start -window -jokes "$JOKES"
own_window >/dev/null
kill -INT "$PID"
ended_with 0 10 || fail "SIGINT"

echo "With no font at all it ends at once with status 1 and one line naming the fonts to install"
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' > "$SCRATCH/no-fonts.conf"
FONTCONFIG_FILE=$SCRATCH/no-fonts.conf timeout 10 "$ZORBEL" -window -jokes "$JOKES" >/dev/null 2>"$SCRATCH/err"
status=$?
[ "$status" -eq 1 ] || fail "with no fonts: exit status $status"
[ "$(wc -l < "$SCRATCH/err")" -eq 1 ] && grep -q 'fonts-liberation2' "$SCRATCH/err" || fail "with no fonts, on stderr:"

echo "PASS (screenshots in $ARTIFACTS)"
