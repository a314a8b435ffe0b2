#!/bin/bash
# The Linux saver without options on a virtual display: the settings and the jokes come
# from the user's folders.
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

echo "PASS (screenshots in $ARTIFACTS)"
