#!/bin/bash
# Every caption that shows one of the maker's addresses fits the size its design gives it:
# measured under Wine with the faces the program asks for, at 96 dpi, wrapped as the
# control wraps it. Prints each one's need against its room.
#   captions_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

host=$E2E_HOST domain=$E2E_DOMAIN hub=$E2E_HUB options=$E2E_OPTIONS

# Window, caption, face, points, weight. A push button keeps 2 pixels at each edge for its
# frame, and draws its text wrapped again within the width that the first wrapping took,
# which can make one more line: both must fit.
captions=(
  "$hub|E-mail ss@$domain|Times New Roman|12|bold"
  "$hub|http://$host/zorbel/ - CLICK HERE|Arial|9.75|bold"
  "$hub|Click here to visit $domain|MS Sans Serif|8.25|regular"
  "$hub|Check $domain for upgrades!|MS Sans Serif|8.25|regular"
  "$hub|$host/babes/|Times New Roman|9|bold"
  "$hub|$host/jokes/|Times New Roman|9|bold"
  "$hub|$host/|Times New Roman|9|bold"
  "$hub|$domain|Times New Roman|12|bold"
  "$options|a $domain product|Arial|9.75|bold"
  "$options|Please come to our web site, $host for:|Arial|9.75|bold"
  "$options|$host/velmora.html|Arial|9.75|bold"
  "$options|$host/zorbel/|Arial|9.75|regular"
)

e2e_open_options

failed=0
for entry in "${captions[@]}"; do
  IFS='|' read -r window text face points weight <<<"$entry"
  found=$(e2e_probe texts "$window" | awk -F'\t' -v text="$text" '$4 == text {print $2 "\t" $3; exit}')
  [ -n "$found" ] || e2e_fail "no caption \"$text\" in \"$window\""
  read -r class left top right bottom <<<"$found"
  width=$((right - left))
  height=$((bottom - top))
  if [ "$class" = Button ]; then
    width=$((width - 4))
    height=$((height - 4))
  fi
  read -r line_width _ <<<"$(e2e_probe extent "$face" "$points" "$weight" 0 "$text")"
  read -r wrapped_width wrapped_height <<<"$(e2e_probe extent "$face" "$points" "$weight" "$width" "$text")"
  if [ "$class" = Button ]; then
    read -r _ rewrapped_height <<<"$(e2e_probe extent "$face" "$points" "$weight" "$wrapped_width" "$text")"
    [ "$rewrapped_height" -gt "$wrapped_height" ] && wrapped_height=$rewrapped_height
  fi
  verdict=fits
  if [ "$wrapped_width" -gt "$width" ] || [ "$wrapped_height" -gt "$height" ]; then
    verdict="DOES NOT FIT"
    failed=1
  fi
  printf '%-13s %-7s one line %3d px; wrapped %3d x %2d px in %3d x %2d px: %s  "%s"\n' \
    "${window:0:13}" "$class" "$line_width" "$wrapped_width" "$wrapped_height" "$width" "$height" "$verdict" "$text"
done
e2e_screenshot captions-options
[ "$failed" -eq 0 ] || e2e_fail "a caption does not fit its control"
e2e_pass
