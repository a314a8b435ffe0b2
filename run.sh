#!/bin/bash
# ./run.sh /c, ./run.sh /s or ./run.sh installer: installs what is missing, builds Zorbel.scr
# and its installer, and starts the program (or the installer) under Wine on the current
# display; ./run.sh linux [OPTION]... runs the native Linux saver instead (scripts/run_linux.sh),
# ./run.sh settings the Linux settings program (scripts/run_settings.sh), and ./run.sh web
# builds the page and serves it on localhost (scripts/run_web.sh).
# With no display it starts a virtual one and saves screenshots, each once the screen has settled, printing their paths: for /s (or anything else) one after RUN_SECONDS
# (12 unless set, time for the saver's first joke); for /c the beta notice, the hub and the
# options dialog, opened with the keys a user would press; for installer every page of the
# installer and the uninstaller, driven with the keyboard alone in a Wine prefix made for
# the tour and removed after it (the setup window saves its settings on the way, so the
# uninstaller's last page shows them kept).
set -u
cd "$(dirname "$0")"
source scripts/packages.sh
if [ "${1:-}" = linux ]; then
  shift
  exec scripts/run_linux.sh "$@"
fi
if [ "${1:-}" = settings ]; then
  exec scripts/run_settings.sh
fi
if [ "${1:-}" = web ]; then
  exec scripts/run_web.sh
fi
source scripts/wine_env.sh
source scripts/screenshots.sh
ensure_packages || exit 1
build_preset windows >/dev/null || exit 1
prepare_wine_prefix

cd build/windows
program=(Zorbel.scr "$@")
if [ "$*" = installer ]; then
  program=("$(ls -t Zorbel-*-setup.exe | head -n 1)")
fi
if [ -n "${DISPLAY:-}" ]; then
  exec wine "${program[@]}"
fi

tour_prefix=
start_virtual_display || exit 1
trap 'wineserver --kill 2>/dev/null; wineserver --wait 2>/dev/null; stop_virtual_display; [ -n "$tour_prefix" ] && rm -rf "$tour_prefix"' EXIT

mkdir -p screenshots
before=screenshots/.empty-desktop.png
capture "$before"
# shot NAME [FOLDER]: a settled screenshot that differs from the one before it.
shot() {
  local file="$PWD/${2:-screenshots}/$1.png"
  settled_screenshot "$file" "$before"
  before=$file
}

if [ "$*" = installer ]; then
  hub_title="Welcome to Zorbel Joke Screensaver - Version 4!"
  # A new prefix, so the tour starts from a machine without Zorbel.
  tour_prefix=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-installer-tour.XXXXXX")
  export WINEPREFIX="$tour_prefix/wine"
  prepare_wine_prefix >/dev/null
  mkdir -p installer-screenshots
  rm -f installer-screenshots/*.png installer-screenshots/.*.png
  wine "${program[@]}" >/dev/null 2>&1 &
  shot 1-welcome installer-screenshots
  xdotool key Return && shot 2-components installer-screenshots
  xdotool key Return && shot 3-finish installer-screenshots
  # Finish, with "Open the Zorbel setup window now" ticked: the installed program's /c.
  xdotool key Return && shot 4-setup-opened installer-screenshots
  # Without a window manager nothing hands the keyboard on when the installer's window
  # goes: once the notice stands alone, it gets the focus by hand.
  shot .notice-alone installer-screenshots >/dev/null
  xdotool search --name "Welcome to beta" windowfocus --sync 2>/dev/null
  xdotool key Return && shot 5-setup-hub installer-screenshots
  # OK in the options dialog saves Qorv.ini, which the uninstaller then keeps; Alt+R ends the
  # program, which the uninstaller would otherwise ask to close.
  xdotool search --name "^$hub_title\$" windowfocus --sync 2>/dev/null
  xdotool key alt+c && shot 5-options installer-screenshots
  xdotool search --name "^Screen saver\$" windowfocus --sync 2>/dev/null
  xdotool key alt+o
  sleep 1
  xdotool search --name "^$hub_title\$" windowfocus --sync 2>/dev/null
  xdotool key alt+r
  for tries in $(seq 50); do
    xdotool search --name "^$hub_title\$" >/dev/null 2>&1 || break
    sleep 0.2
  done
  folder=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')\\Programs\\Zorbel")
  wine "$folder/Uninstall.exe" >/dev/null 2>&1 &
  shot 6-uninstall-confirm installer-screenshots
  xdotool key Return && shot 7-uninstall-done installer-screenshots
  xdotool key Return
  sleep 2
  left=$(ls -A "$folder" 2>/dev/null | tr '\n' ' ')
  [ "$left" = "Qorv.ini " ] || echo "The uninstaller left in $folder: ${left:-nothing}, not Qorv.ini alone" >&2
  exit 0
fi

wine "${program[@]}" >/dev/null 2>&1 &
if [ "$*" = "/c" ]; then
  # A short tour: the beta notice, Enter to close it, the hub, Alt+C for the options dialog.
  shot run-beta-notice
  xdotool key Return && shot run-hub
  xdotool key alt+c && shot run-options
else
  sleep "${RUN_SECONDS:-12}"
  settled_screenshot "$PWD/screenshots/run-$(printf '%s' "$*" | tr -c 'A-Za-z0-9' '_').png"
fi
