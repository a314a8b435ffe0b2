#!/bin/bash
# Draws the product's icon, a laughing face on a small blue screen, and writes it as a
# Windows icon file holding 16, 24, 32, 48 and 256 pixel images, or as one PNG file per
# size of a Linux icon theme (16, 22, 24, 32, 48, 64, 128 and 256 pixels), SIZE.png each:
#   draw_icon.sh OUTPUT.ico
#   draw_icon.sh --png FOLDER
# The picture is drawn once at 256 pixels, smoothed, and shrunk to each size. The 16-pixel
# image leaves out the screen's stand, which would be a smudge at that size.
set -eu
if [ "$1" = --png ]; then
  work=$2 output=
  mkdir -p "$work"
else
  output=$1
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

# The screen: a dark frame, a blue glass with a lighter top, and the face on it.
screen='
  fill "#101b4a" roundrectangle 12,20 244,200 28,28
  fill "#2447c8" roundrectangle 28,36 228,184 16,16
  fill "#3b63e6" roundrectangle 28,36 228,96 16,16
  fill "#2447c8" rectangle 28,80 228,110
  fill "#ffd21f" stroke "#7a4b00" stroke-width 6 circle 128,110 128,44
  stroke "#5a3300" stroke-width 9 fill none stroke-linecap round
  path "M 92,98 Q 103,82 114,98"
  path "M 142,98 Q 153,82 164,98"
  stroke none fill "#7a1d12"
  path "M 86,118 L 170,118 Q 168,162 128,164 Q 88,162 86,118 Z"
  fill "#ff7b6b" path "M 104,150 Q 128,136 152,150 Q 140,162 128,162 Q 116,162 104,150 Z"
  fill "#ffffff" rectangle 96,118 160,128
'
stand='
  fill "#101b4a" polygon 106,198 150,198 162,226 94,226
  fill "#101b4a" roundrectangle 60,222 196,242 10,10
'

render() {  # render SIZE WITH_STAND
  local size=$1 picture=$screen
  [ "$2" = yes ] && picture="$stand$screen"
  convert -size 256x256 xc:none -draw "$picture" -filter triangle -resize "${size}x${size}" \
    "PNG32:$work/$size.png"
}
render 16 no
if [ -z "$output" ]; then
  for size in 22 24 32 48 64 128 256; do render "$size" yes; done
  exit 0
fi
for size in 24 32 48 256; do render "$size" yes; done
convert "$work/16.png" "$work/24.png" "$work/32.png" "$work/48.png" "$work/256.png" "$output"
