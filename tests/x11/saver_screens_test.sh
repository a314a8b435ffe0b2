#!/bin/bash
# The Linux saver on other screens: on two monitors each item stays on one of them; at
# 3840x2160 with Xft.dpi 192 the design is drawn at twice its size.
# Usage: saver_screens_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

echo "On two monitors side by side each item stays on one of them"
"$PROBE" split-monitors >/dev/null || fail "the screen could not be split into two monitors"
printf '"Short jokes",2,4\r\nclean,0,0\r\nA zorbel on one screen.\r\n</joke>\r\n' > "$SCRATCH/short.txt"
start -window -delay 2 -jokes "$SCRATCH/short.txt"
window=$(own_window)
# Eight looks some 2 s apart, the first once an item shows: items change every 2 s, and
# each is drawn whole, so a look never falls between two.
shows_item "$window" || fail "no item after the intro"
for tick in 1 2 3 4 5 6 7 8; do
  [ "$tick" -gt 1 ] && sleep 2
  sides=0
  look "$window"
  palette_in "0 0 512 768" && sides=$((sides + 1))
  palette_in "512 0 512 768" && sides=$((sides + 1))
  [ "$sides" -eq 1 ] || fail "item $tick shows on $sides monitors"
done
import -window root "$ARTIFACTS/x11-two-monitors.png"
kill -TERM "$PID"
ended_with 0 10 || fail "SIGTERM on two monitors"

echo "On a 3840x2160 screen with Xft.dpi 192 the design is drawn at twice the size of 96 dpi"
stop_virtual_display
VIRTUAL_SCREEN=3840x2160x24 start_virtual_display || fail "no 3840x2160 virtual display"
# Set as xrdb -merge sets it, while a client holds the display (the server forgets its root
# window's properties when the last one leaves).
make_host input-only
xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'Xft.dpi:\t192\n' || fail "cannot set Xft.dpi"
start -window -jokes "$JOKES"
window=$(own_window)
# The panel, 4575 twips square, is 610 pixels at 192 dpi: 372100 of them (93025 at 96).
shows_intro "$window" 300000 || fail "the intro is not drawn at 192 dpi"
import -window root -resize 25% "$ARTIFACTS/x11-intro-3840x2160-192dpi.png"
kill -TERM "$PID"
ended_with 0 10 || fail "SIGTERM at 3840x2160"
end_host

echo "PASS (screenshots in $ARTIFACTS)"
