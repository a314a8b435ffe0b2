#!/bin/bash
# The icon of the Linux saver's failure report is round as Windows draws it: a blue disc
# whose corners show the white body round it, with its white mark in the middle; in the
# saver's own window at the design's size and on a small host window made smaller.
# Usage: report_icon_test.sh ZORBEL X11_PROBE ARTIFACT_FOLDER
set -u
source "$(dirname "$0")/saver_lib.sh" "$@"

ICON="0 120 215"
# shows_icon WINDOW: the icon's colour comes on the window.
icon_on() { [ "$(colour_count "$1" "$ICON")" -gt 200 ]; }
shows_icon() { within 30 icon_on "$1"; }

# icon_box PICTURE: where the icon's colour lies in the left half of the picture, which the
# OK button's edge of the same colour keeps out of (WIDTHxHEIGHT+LEFT+TOP).
icon_box() {
  convert "$1" -crop 50%x100%+0+0 +repage -fill black +opaque "rgb(${ICON// /,})" -format '%@' info:
}

# check_icon PICTURE SIZE: the icon in the picture is a disc of about SIZE pixels across:
# the corners of the square its colour spans are the body's white, the middles of its sides
# its blue; the white mark's extent is centred on the disc within a pixel and a half.
check_icon() {
  local box width height left top
  box=$(icon_box "$1")
  IFS='x+' read -r width height left top <<<"$box"
  [ "$width" -ge $(($2 - 2)) ] && [ "$width" -le $(($2 + 1)) ] && [ "$height" -ge $(($2 - 2)) ] &&
    [ "$height" -le $(($2 + 1)) ] || fail "$1: the icon's colour fills $box, not about $2 pixels square"
  convert "$1" -crop "$box" +repage txt:- | awk -v w="$width" -v h="$height" -v icon="$ICON" -v picture="$1" '
    BEGIN { split(icon, c, " ") }
    /^[0-9]/ {
      split($1, at, "[,:]"); x = at[1]; y = at[2]
      colour = $2; gsub(/[()]/, "", colour)
      split(colour, rgb, ","); colour = int(rgb[1]) "," int(rgb[2]) "," int(rgb[3])
      pixel[x "," y] = colour
      # The mark: white well inside the disc, clear of its antialiased rim (where the report
      # is drawn smaller, its strokes may fall between pixels and come out a shade short of white).
      dx = x - (w - 1) / 2; dy = y - (h - 1) / 2
      if (rgb[1] >= 240 && rgb[2] >= 240 && rgb[3] >= 240 && dx * dx + dy * dy < (w / 2 - 4) ^ 2) {
        if (!marked || x < mark_left) mark_left = x
        if (!marked || x > mark_right) mark_right = x
        if (!marked || y < mark_top) mark_top = y
        if (!marked || y > mark_bottom) mark_bottom = y
        marked = 1
      }
    }
    END {
      split("0,0 " (w - 1) ",0 0," (h - 1) " " (w - 1) "," (h - 1), corners, " ")
      for (i in corners) if (pixel[corners[i]] != "255,255,255") {
        print picture ": corner " corners[i] " of the icon is " pixel[corners[i]] ", not the body white" > "/dev/stderr"; exit 1
      }
      split(int(w / 2) ",0 " int(w / 2) "," (h - 1) " 0," int(h / 2) " " (w - 1) "," int(h / 2), sides, " ")
      # (Its edge may be antialiased a little where the disc is drawn smaller.)
      for (i in sides) {
        split(pixel[sides[i]], rgb, ",")
        if ((rgb[1] - c[1]) ^ 2 + (rgb[2] - c[2]) ^ 2 + (rgb[3] - c[3]) ^ 2 > 40 ^ 2) {
          print picture ": the middle of a side, " sides[i] ", is " pixel[sides[i]] ", not the icon blue" > "/dev/stderr"; exit 1
        }
      }
      if (!marked) { print picture ": no mark in the icon" > "/dev/stderr"; exit 1 }
      off_x = (mark_left + mark_right) / 2 - (w - 1) / 2
      off_y = (mark_top + mark_bottom) / 2 - (h - 1) / 2
      if (off_x < -1.5 || off_x > 1.5 || off_y < -1.5 || off_y > 1.5) {
        print picture ": the mark (" mark_left "," mark_top " to " mark_right "," mark_bottom ") is off the middle by " off_x ", " off_y > "/dev/stderr"; exit 1
      }
    }' || fail "the icon is not a disc with its mark in the middle"
}

echo "In its own window at 96 dpi the icon is a disc 32 pixels across"
start -window -jokes "$SCRATCH/none.txt"
window=$(xdotool search --sync --onlyvisible --name "^D'oh! An error occurred$" | head -n 1)
shows_icon "$window" || fail "no icon on the saver's window"
import -window "$window" "$ARTIFACTS/x11-report-icon-window.png"
check_icon "$ARTIFACTS/x11-report-icon-window.png" 32
full=$(icon_box "$ARTIFACTS/x11-report-icon-window.png")
full=${full%%x*}
kill -TERM "$PID"
ended_with 1 10 || fail "SIGTERM during the report"

echo "On a 480x360 host window, the report made smaller, a smaller disc"
make_host host 480 360
host=$HOST_WINDOW
start -window-id "$host" -jokes "$SCRATCH/none.txt"
shows_icon "$host" || fail "no icon on the host's window"
import -window "$host" "$ARTIFACTS/x11-report-icon-host.png"
size=$(icon_box "$ARTIFACTS/x11-report-icon-host.png")
size=${size%%x*}
[ "$size" -lt "$full" ] && [ "$size" -gt 10 ] || fail "on the host window the icon is $size pixels across, $full in its own"
check_icon "$ARTIFACTS/x11-report-icon-host.png" "$size"
kill -TERM "$PID"
ended_with 1 10 || fail "SIGTERM during the report on the host window"
end_host

echo "PASS (screenshots in $ARTIFACTS)"
