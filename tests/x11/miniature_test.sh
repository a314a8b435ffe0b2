#!/bin/bash
# On a host's window smaller than the screen, as a settings program's preview pane is, the
# Linux saver draws a miniature of what the screen would show: its intro on a 320x240
# window is the 1024x768 screen's intro made smaller, every label's text wrapped into the
# same lines (laid out again at the smaller size, lines wrap otherwise and their last words
# fall below the labels).
# Usage: miniature_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

start -window -jokes "$JOKES"
window=$(own_window)
shows_intro "$window" || fail "no intro in the saver's own window"
import -window root "$ARTIFACTS/x11-miniature-screen.png"
kill -TERM "$PID"
ended_with 0 10 || fail "SIGTERM in its own window"

make_host host 320 240
host=$HOST_WINDOW
start -window-id "$host" -jokes "$JOKES"
shows_intro "$host" 6000 || fail "no intro on the 320x240 window"
import -window "$host" "$ARTIFACTS/x11-miniature-320x240.png"
kill -TERM "$PID"
ended_with 0 10 || fail "SIGTERM on the host's window"
end_host

# difference AREA: how far the window's picture is from the screen's made as small, there
# (root mean square over the channels, 0 to 1).
convert "$ARTIFACTS/x11-miniature-screen.png" -resize 320x240 "$SCRATCH/screen-small.png"
difference() {
  convert "$SCRATCH/screen-small.png" -crop "$1" +repage "$SCRATCH/expected.png"
  convert "$ARTIFACTS/x11-miniature-320x240.png" -crop "$1" +repage "$SCRATCH/drawn.png"
  compare -metric RMSE "$SCRATCH/expected.png" "$SCRATCH/drawn.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
# The whole window, and the panel's text "Version 4 has fewer bugs, MORE jokes, / and more
# fun! And, it's still FREE!" (a miniature differs from the screen's by some 0.01 and 0.03;
# text laid out anew at the smaller size by 0.08 and 0.16).
for area in 320x240+0+0 100x20+80+70; do
  off=$(difference "$area")
  echo "$area: $off from the screen's intro made smaller"
  awk -v off="$off" 'BEGIN { exit !(off < 0.06) }' || fail "in $area the window's intro is not the screen's made smaller"
done

echo "PASS (screenshots in $ARTIFACTS)"
