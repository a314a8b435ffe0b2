#!/bin/bash
# ./run.sh web: installs what is missing, builds the page into build/web and serves it on
# localhost (WEB_PORT, 8530 unless set), printing the address to open. With a display it
# serves until interrupted; without one it tours the page in headless Chromium and saves
# screenshots, each once the page has drawn it, in build/web-screenshots/: the start page,
# the saver's intro and its first item, the beta notice, the setup window and the options
# dialog, opened with the keys a visitor would press.
set -u
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages || exit 1
build_preset web >/dev/null || exit 1

if [ -n "${DISPLAY:-}" ]; then
  echo "The page: http://127.0.0.1:${WEB_PORT:-8530}/ (Ctrl+C stops serving it)"
  exec /usr/bin/python3 -m http.server "${WEB_PORT:-8530}" --bind 127.0.0.1 --directory build/web
fi
exec /usr/bin/python3 scripts/web_tour.py build/web build/web-screenshots
