#!/bin/bash
# ./run.sh /c or ./run.sh /s: installs what is missing, builds Zorbel.scr and starts it under
# Wine on the current display. With no display it starts a virtual one, lets the program
# run for RUN_SECONDS (12 unless set, time for the saver's first joke), saves a screenshot and prints its path.
set -u
cd "$(dirname "$0")"
source scripts/packages.sh
source scripts/wine_env.sh
ensure_packages || exit 1
build_preset windows >/dev/null || exit 1
prepare_wine_prefix

cd build/windows
if [ -n "${DISPLAY:-}" ]; then
  exec wine Zorbel.scr "$@"
fi

start_virtual_display || exit 1
trap 'wineserver --kill 2>/dev/null; stop_virtual_display' EXIT
wine Zorbel.scr "$@" >/dev/null 2>&1 &
sleep "${RUN_SECONDS:-12}"
mkdir -p screenshots
screenshot="$PWD/screenshots/run-$(printf '%s' "$*" | tr -c 'A-Za-z0-9' '_').png"
import -window root "$screenshot"
echo "Screenshot: $screenshot"
