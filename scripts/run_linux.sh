#!/bin/bash
# ./run.sh linux [OPTION]...: installs what is missing, builds the native saver
# build/linux/zorbel and runs it in a window of its own (-window) with the options given
# (say -delay 2 -rude) on the current display. With no display it starts a virtual one and
# saves two screenshots in build/linux/screenshots/, each once the screen has settled: the
# intro, and the screen after RUN_SECONDS (12 unless set: time for the first item).
set -u
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/wine_env.sh
source scripts/screenshots.sh
ensure_packages || exit 1
cmake --preset linux >/dev/null && cmake --build --preset linux --target zorbel -j "$(nproc)" >/dev/null || exit 1

# Without -jokes, the joke file of the source tree, where an installed one would be.
jokes=(-jokes "$PWD/data/jokes.txt")
for option in "$@"; do
  [ "$option" = -jokes ] || [ "$option" = --jokes ] && jokes=()
done
if [ -n "${DISPLAY:-}" ]; then
  exec build/linux/zorbel -window "${jokes[@]}" "$@"
fi

start_virtual_display || exit 1
build/linux/zorbel -window "${jokes[@]}" "$@" &
saver=$!
trap 'kill "$saver" 2>/dev/null; stop_virtual_display' EXIT
folder=$PWD/build/linux/screenshots
mkdir -p "$folder"
capture "$folder/.empty-desktop.png"
settled_screenshot "$folder/linux-intro.png" "$folder/.empty-desktop.png"
sleep "${RUN_SECONDS:-12}"
kill -0 "$saver" 2>/dev/null || { echo "The saver ended early" >&2; exit 1; }
settled_screenshot "$folder/linux-after-${RUN_SECONDS:-12}s.png"
