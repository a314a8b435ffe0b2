#!/bin/bash
# On a 1920x1080 screen at 96 dpi, whether Xft.dpi says so or says nothing, the Linux saver
# draws its intro at the design's size and place, pixel for pixel as on 1024x768, notices
# and all; a joke too wide for 1024 pixels keeps its size, or shrinks only to fit 1920, and
# stays on the screen.
# Usage: full_hd_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

# One joke of one line, some 1300 to 1500 pixels long in the smallest size a joke is drawn
# in (18 points): too wide for 1024 pixels at any size, for 1920 only at the larger ones.
WIDE=$SCRATCH/wide.txt
{
  printf '"Wide",2,4\r\nclean,0,0\r\n'
  for word in 1 2 3 4; do printf 'A zorbel walked the whole way. '; done
  printf '\r\n</joke>\r\n'
} > "$WIDE"
# screen SIZE [DPI]: a virtual display of that size, Xft.dpi set if DPI is given (while a
# client holds the display, as the server forgets its root window's properties when the
# last one leaves), and the saver started on it in its own window.
screen() {
  if [ -n "$PID" ]; then
    kill -TERM "$PID"
    ended_with 0 10 || fail "SIGTERM"
  fi
  [ -n "${HOST_PID:-}" ] && end_host
  stop_virtual_display
  VIRTUAL_SCREEN=$1x24 start_virtual_display || fail "no $1 virtual display"
  make_host input-only
  if [ -n "${2:-}" ]; then
    xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$2"$'\n' || fail "cannot set Xft.dpi"
  fi
  start -window -delay 2 -jokes "$WIDE"
  WINDOW=$(own_window)
}
# intro NAME: the intro's panel as it shows (its pixel count and where its colour lies),
# once it has been drawn; a screenshot in the artifacts.
intro() {
  local count
  shows_intro "$WINDOW" || fail "$1: no intro panel"
  import -window root "$ARTIFACTS/x11-intro-$1.png"
  count=$(convert "$ARTIFACTS/x11-intro-$1.png" -fill black -opaque white -fill white -opaque "rgb(${INTRO_PANEL// /,})" \
    -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:)
  echo "$count $(convert "$ARTIFACTS/x11-intro-$1.png" -fill black +opaque "rgb(${INTRO_PANEL// /,})" -format '%@' info:)"
}

# The panel is 4575 twips square at 3840, 1440 twips: at 96 dpi, 15 twips to a pixel.
PANEL_PLACE=305x305+256+96
screen 1024x768
design=$(intro 1024x768)
echo "1024x768, no Xft.dpi: panel pixels and place $design"
[ "${design#* }" = "$PANEL_PLACE" ] || fail "at 1024x768 without Xft.dpi the panel lies in ${design#* }, not $PANEL_PLACE"
screen 1920x1080
wide=$(intro 1920x1080)
echo "1920x1080, no Xft.dpi: panel pixels and place $wide"
[ "$wide" = "$design" ] || fail "at 1920x1080 the intro's panel is $wide, at 1024x768 $design"
# The notices too: the screen's top left is the 1024x768 screen, pixel for pixel, and the
# rest is black.
differ=$(convert "$ARTIFACTS/x11-intro-1920x1080.png" -crop 1024x768+0+0 +repage "$ARTIFACTS/x11-intro-1024x768.png" \
         -compose difference -composite -colorspace gray -threshold 0 -format '%[fx:round(mean*w*h)]' info:)
lit=$(convert "$ARTIFACTS/x11-intro-1920x1080.png" -fill black -draw "rectangle 0,0 1023,767" -colorspace gray \
      -threshold 0 -format '%[fx:round(mean*w*h)]' info:)
echo "1920x1080: $differ pixels differ from 1024x768 in its top left, $lit lit beyond it"
[ "$differ" -eq 0 ] && [ "$lit" -eq 0 ] || fail "the intro at 1920x1080 is not the one at 1024x768"

# Promotional messages come between the jokes, and those of one line are far shorter than
# 1100 pixels.
marks=()
for colour in "${PALETTE[@]}"; do marks+=(-opaque "rgb(${colour// /,})"); done
joke=
wide_joke_shows() {
  look "$WINDOW"
  box=$(convert "$SCRATCH/look.png" -fill white "${marks[@]}" -fill black +opaque white -format '%@' info: 2>/dev/null)
  IFS='x+' read -r width height left _ <<<"$box"
  [ "$width" -gt 1100 ] && [ "$height" -lt 60 ] && joke=$box
}
intro_ended "$WINDOW" || fail "1920x1080: the intro did not end"
within 60 wide_joke_shows || fail "the wide joke never showed on one line wider than 1100 pixels (last item drawn in $box)"
cp "$SCRATCH/look.png" "$ARTIFACTS/x11-joke-1920x1080.png"
echo "1920x1080: the wide joke drawn in $joke"
[ $((left + width)) -le 1917 ] || fail "the joke ($joke) runs to the right edge of the screen"

screen 1920x1080 96
dpi96=$(intro 1920x1080-96dpi)
echo "1920x1080, Xft.dpi 96: panel pixels and place $dpi96"
[ "$dpi96" = "$design" ] || fail "at 1920x1080 with Xft.dpi 96 the intro's panel is $dpi96, at 1024x768 $design"

echo "PASS (screenshots in $ARTIFACTS)"
