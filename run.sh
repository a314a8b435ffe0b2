#!/bin/bash
# ./run.sh /c or ./run.sh /s: installs what is missing, builds Zorbel.scr and starts it under
# Wine on the current display. With no display it starts a virtual one and saves
# screenshots, printing their paths: for /s (or anything else) one after RUN_SECONDS (12
# unless set, time for the saver's first joke); for /c the beta notice, the hub and the
# options dialog, opened with the keys a user would press.
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
mkdir -p screenshots
screenshot() {
  local file="$PWD/screenshots/run-$1.png"
  import -window root "$file" && echo "Screenshot: $file"
}
if [ "$*" = "/c" ]; then
  # A short tour: the beta notice, Enter to close it, the hub, Alt+C for the options dialog.
  sleep 4 && screenshot beta-notice
  xdotool key Return && sleep 2 && screenshot hub
  xdotool key alt+c && sleep 2 && screenshot options
else
  sleep "${RUN_SECONDS:-12}"
  screenshot "$(printf '%s' "$*" | tr -c 'A-Za-z0-9' '_')"
fi
