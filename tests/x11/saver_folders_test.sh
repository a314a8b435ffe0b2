#!/bin/bash
# The Linux saver without options on a virtual display: the settings and the jokes come
# from the user's folders, and a settings file's bad delay reaches stderr escaped.
# Usage: saver_folders_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

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

echo "A delay that stops the saver is named on stderr escaped and cut short"
{ printf 'clean\r\nmedicalno\r\n\e]0;owned\a\e[2J\x9b'; head -c 4000 /dev/zero | tr '\0' '\a'; printf '\r\n'; } \
  >"$SCRATCH/config/zorbel/Qorv.ini"
XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_HOME=$SCRATCH/data start
named() { grep -q "Qorv.ini:3: the delay" "$SCRATCH/err"; }
for tries in $(seq 100); do named && break; sleep 0.05; done
named || fail "no line for the settings file's delay"
grep -qF '"\x1b]0;owned\x07\x1b[2J\x9b\x07' "$SCRATCH/err" || fail "the delay not shown escaped"
[ "$(wc -c <"$SCRATCH/err")" -lt 2000 ] || fail "the delay not cut short"
LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' "$SCRATCH/err" && fail "control bytes on stderr"
kill "$PID"
ended_with 1 2 || fail "SIGTERM did not end it with the failure's status"

echo "PASS (screenshots in $ARTIFACTS)"
