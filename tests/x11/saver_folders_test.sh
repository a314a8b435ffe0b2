#!/bin/bash
# The Linux saver without options on a virtual display: the settings and the jokes come
# from the user's folders, and a settings file's bad delay reaches stderr escaped.
# Usage: saver_folders_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

echo "Without options: the settings and the jokes from the user's folders"
mkdir -p "$SCRATCH/config/zorbel" "$SCRATCH/data/zorbel"
printf 'clean\r\nmedicalno\r\n 10 \r\n' > "$SCRATCH/config/zorbel/Qorv.ini"
cp "$JOKES" "$SCRATCH/data/zorbel/jokes.txt"
XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data start
window=$(own_window)
# The first item comes a delay after the intro ends: 10 s as the file says, 7 s by default.
# A busy machine can only make it later, so no item in the 9 s after the intro's end as
# seen (itself later than the real one) is the file's delay, however loaded the machine.
shows_intro "$window" || fail "no intro"
intro_ended "$window" || fail "the intro did not end"
within 9 item_in "$window" "0 0 1024 768" && fail "an item within 9 s of the intro's end: the settings file's delay was not read"
shows_tall_joke "$window" || fail "the joke file in XDG_DATA_HOME was not read"
xdotool click 1
ended_with 0 10 || fail "a click did not end it"

echo "A delay that stops the saver is named on stderr escaped and cut short"
{ printf 'clean\r\nmedicalno\r\n\e]0;owned\a\e[2J\x9b'; head -c 4000 /dev/zero | tr '\0' '\a'; printf '\r\n'; } \
  >"$SCRATCH/config/zorbel/Qorv.ini"
XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data start
named() { grep -q "Qorv.ini:3: the delay" "$SCRATCH/err"; }
within 30 named || fail "no line for the settings file's delay"
grep -qF '"\x1b]0;owned\x07\x1b[2J\x9b\x07' "$SCRATCH/err" || fail "the delay not shown escaped"
[ "$(wc -c <"$SCRATCH/err")" -lt 2000 ] || fail "the delay not cut short"
LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' "$SCRATCH/err" && fail "control bytes on stderr"
kill "$PID"
ended_with 1 10 || fail "SIGTERM did not end it with the failure's status"

echo "PASS (screenshots in $ARTIFACTS)"
