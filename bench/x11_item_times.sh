#!/bin/bash
# How long each item of the Linux saver stays on screen: zorbel -window -delay DELAY (2 unless
# set) on the shipped jokes, on a virtual display, for MEASURE_SECONDS (60 unless set). The
# window is looked at about every 100 ms and each change of what it shows ends an item; the
# seconds each whole item stayed are printed in order, then the longest.
# Usage: bench/x11_item_times.sh [ZORBEL] (build/linux/zorbel unless given)
set -u
cd "$(dirname "$0")/.."
source scripts/wine_env.sh
DELAY=${DELAY:-2}
SECONDS_MEASURED=${MEASURE_SECONDS:-60}
ZORBEL=$(realpath "${1:-build/linux/zorbel}")
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-items.XXXXXX")
trap 'stop_virtual_display; rm -rf "$SCRATCH"' EXIT
start_virtual_display || exit 1
# Bounded by its own time limit, the saver needs no ending of ours.
HOME=$SCRATCH timeout $((SECONDS_MEASURED + 10)) "$ZORBEL" -window -delay "$DELAY" -jokes data/jokes.txt 2>/dev/null &
window=$(xdotool search --sync --onlyvisible --name "^Zorbel Joke Screensaver$" | head -n 1)
now_ms() { local now=${EPOCHREALTIME/./}; echo $((now / 1000)); }
end=$(( $(now_ms) + SECONDS_MEASURED * 1000 ))
last= changed= longest=0
while [ "$(now_ms)" -lt "$end" ]; do
  picture=$(import -window "$window" -depth 8 rgb:- 2>/dev/null | md5sum)
  if [ "$picture" != "$last" ]; then
    at=$(now_ms)
    if [ -n "$changed" ]; then
      stayed=$((at - changed))
      printf '%d.%01d\n' $((stayed / 1000)) $((stayed % 1000 / 100))
      [ "$stayed" -gt "$longest" ] && longest=$stayed
    fi
    [ -n "$last" ] && changed=$at
    last=$picture
  fi
  sleep 0.05
done
printf 'longest: %d.%01d s (delay %s s)\n' $((longest / 1000)) $((longest % 1000 / 100)) "$DELAY"
