#!/bin/bash
# ./run.sh settings: installs what is missing, builds the settings program
# build/linux/zorbel-settings and runs it on the current display, writing the user's own
# ~/.config/zorbel/Qorv.ini as the packaged one does. With no display it starts a virtual
# one, opens each window with the keys a user would press and saves a settled screenshot of
# each in build/linux/screenshots/ (the beta notice, the hub, the options dialog, the
# information window), its settings in a scratch folder.
set -u
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/wine_env.sh
source scripts/screenshots.sh
ensure_packages || exit 1
cmake --preset linux >/dev/null && cmake --build --preset linux --target zorbel-settings -j "$(nproc)" >/dev/null || exit 1

# Without a joke file of the user's or an installed one, the source tree's.
scratch=$(mktemp -d)
if [ ! -e "${XDG_DATA_HOME:-$HOME/.local/share}/zorbel/jokes.txt" ] && [ ! -e /usr/share/zorbel/jokes.txt ]; then
  mkdir -p "$scratch/data/zorbel"
  cp data/jokes.txt "$scratch/data/zorbel/"
  export XDG_DATA_HOME=$scratch/data
fi
if [ -n "${DISPLAY:-}" ]; then
  build/linux/zorbel-settings
  status=$?
  rm -rf "$scratch"
  exit $status
fi

export XDG_CONFIG_HOME=$scratch/config
start_virtual_display || exit 1
build/linux/zorbel-settings &
program=$!
trap 'kill "$program" 2>/dev/null; stop_virtual_display; rm -rf "$scratch"' EXIT
folder=$PWD/build/linux/screenshots
mkdir -p "$folder"
before=$folder/.empty-desktop.png
capture "$before"
# shot NAME: a settled screenshot that differs from the one before it.
shot() {
  settled_screenshot "$folder/settings-$1.png" "$before"
  before=$folder/settings-$1.png
}
shot 1-beta-notice
xdotool key Return
shot 2-hub
xdotool key alt+c
shot 3-options
xdotool key Escape
xdotool key Tab
xdotool key Return
shot 4-information
