# Shared by the end-to-end tests: a Wine prefix of their own, a virtual display when there
# is none, the program started in a folder of the test's making, the window probe, and the
# steps several tests take: opening the hub and the options dialog, the jokes page, clicks.
#
# A test script sources this file, calls e2e_init with the paths of Zorbel.scr and
# winprobe.exe, and ends with e2e_pass; e2e_fail stops it with a message.

e2e_init() {
  E2E_PROGRAM=$(realpath "$1")
  E2E_WINPROBE=$(realpath "$2")
  E2E_NAME=$(basename "$0" .sh)
  E2E_ARTIFACTS=${E2E_ARTIFACTS:-$PWD/e2e-artifacts}
  mkdir -p "$E2E_ARTIFACTS"
  E2E_SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-e2e.XXXXXX")
  E2E_PID=
  trap e2e_cleanup EXIT
  # Stopped from outside (a time limit), it still cleans up.
  trap 'exit 1' INT TERM HUP

  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine_env.sh"
  if [ -z "${DISPLAY:-}" ]; then
    start_virtual_display || e2e_fail "no virtual display"
  fi
  use_own_wine_prefix "e2e-$E2E_NAME"
}

# e2e_fresh_prefix: from here on the test runs in a new Wine prefix in its scratch folder, a
# copy of the suite's own, which nothing is ever installed into; the cleanup removes it.
e2e_fresh_prefix() {
  wineserver --kill 2>/dev/null
  wineserver --wait 2>/dev/null
  copy_wine_prefix "$WINEPREFIX" "$E2E_SCRATCH/wine" || e2e_fail "cannot copy the Wine prefix"
  export WINEPREFIX="$E2E_SCRATCH/wine"
}

e2e_cleanup() {
  [ -n "$E2E_PID" ] && kill "$E2E_PID" 2>/dev/null
  wineserver --kill 2>/dev/null
  wineserver --wait 2>/dev/null
  stop_virtual_display
  rm -rf "$E2E_SCRATCH"
}

# A fresh folder holding a copy of Zorbel.scr; prints its path.
e2e_workdir() {
  local folder
  folder=$(mktemp -d "$E2E_SCRATCH/run.XXXXXX")
  cp "$E2E_PROGRAM" "$folder/Zorbel.scr"
  echo "$folder"
}

# e2e_start FOLDER ARGUMENT...: starts FOLDER/Zorbel.scr with the arguments; sets E2E_PID.
# What Wine and the program write on stderr is kept for e2e_how_it_ended.
e2e_start() {
  local folder=$1
  shift
  (cd "$folder" && exec wine Zorbel.scr "$@") >/dev/null 2>"$E2E_SCRATCH/stderr.txt" &
  E2E_PID=$!
}

# e2e_how_it_ended: sets E2E_HOW to "still starting" while the started program runs, else to
# its exit status and the last lines of its stderr: what tells a program that never started
# from one that ended. (Not in a subshell, which could not wait for the program.)
e2e_how_it_ended() {
  if e2e_running; then
    E2E_HOW="still starting"
    return
  fi
  e2e_wait_exit 0
  E2E_HOW="it ended with status $E2E_STATUS, its stderr ending: $(tail -n 5 "$E2E_SCRATCH/stderr.txt" | tr '\n' '|')"
}

# e2e_wait_exit SECONDS: true once the started program has ended within the time; its exit
# status is then in E2E_STATUS.
e2e_wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$E2E_PID" 2>/dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
  wait "$E2E_PID" 2>/dev/null
  E2E_STATUS=$?
  E2E_PID=
  return 0
}

# The maker's addresses the program was built with, and the titles of the setup windows.
E2E_HOST=${ZORBEL_WEB_HOST:-www.tw.example}
E2E_DOMAIN=${ZORBEL_WEB_DOMAIN:-tw.example}
E2E_HUB="Welcome to Zorbel Joke Screensaver - Version 4!"
E2E_OPTIONS="Screen saver"

# e2e_open_hub [FOLDER]: starts configuration mode in FOLDER, or in a fresh folder beside the
# shipped jokes.txt, closes the beta notice and waits for the hub. The notice may take Wine
# over 20 s on a busy machine (it was once seen listed just after such a wait ran out).
e2e_open_hub() {
  local folder=${1:-}
  if [ -z "$folder" ]; then
    folder=$(e2e_workdir)
    cp "$(dirname "$E2E_PROGRAM")/jokes.txt" "$folder/"
  fi
  e2e_start "$folder" /c
  e2e_probe wait "Welcome to beta" 45 >/dev/null || e2e_fail "no beta notice: $(e2e_probe list)"
  e2e_probe click "Welcome to beta" OK
  e2e_probe wait "$E2E_HUB" 5 >/dev/null || e2e_fail "no hub: $(e2e_probe list)"
}

# e2e_open_options [FOLDER]: e2e_open_hub, then the options dialog through its button.
e2e_open_options() {
  e2e_open_hub "$@"
  e2e_probe click "$E2E_HUB" "&Configure saver"
  e2e_probe wait "$E2E_OPTIONS" 5 >/dev/null || e2e_fail "no options dialog"
}

# e2e_stand_in_browser: the shell hands web addresses to xdg-open; this one only notes each
# address in the file $E2E_OPENED.
e2e_stand_in_browser() {
  local browser_dir="$E2E_SCRATCH/browser"
  E2E_OPENED="$E2E_SCRATCH/opened.txt"
  mkdir -p "$browser_dir"
  printf '#!/bin/sh\necho "$1" >> "%s"\n' "$E2E_OPENED" >"$browser_dir/xdg-open"
  chmod +x "$browser_dir/xdg-open"
  export PATH="$browser_dir:$PATH"
}

# e2e_opened: waits up to 20 s for the stand-in browser's first address and prints it.
e2e_opened() {
  for _ in $(seq 200); do [ -s "$E2E_OPENED" ] && break; sleep 0.1; done
  head -n 1 "$E2E_OPENED" 2>/dev/null
}

# e2e_jokes_page WHAT: the hub's jokes link shows its message, and only once that is closed
# opens the jokes page.
e2e_jokes_page() {
  rm -f "$E2E_OPENED"
  e2e_probe click "$E2E_HUB" "Zorbel jokes online!"
  e2e_probe wait "Zorbel Joke SS" 5 >/dev/null || e2e_fail "$1: no jokes-page message"
  [ -s "$E2E_OPENED" ] && e2e_fail "$1: the page opened before the message was closed"
  e2e_probe click "Zorbel Joke SS" OK
  e2e_probe gone "Zorbel Joke SS" 10 || e2e_fail "$1: the jokes-page message stays after OK"
  e2e_expect_eq "$1: the jokes page opened" "http://$E2E_HOST/zorbel/bounce.cgi?where=zorbeljokes" "$(e2e_opened)"
}

# Runs the window probe (see winprobe.c) and prints its answer with Unix line ends.
e2e_probe() {
  wine "$E2E_WINPROBE" "$@" 2>/dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# e2e_texts WINDOW CLASS: the texts of the window's visible children of that class, one a line.
e2e_texts() { e2e_probe texts "$1" | awk -F'\t' -v class="$2" '$2 == class {print $4}'; }

# e2e_middle WINDOW TEXT: sets E2E_X and E2E_Y to the middle of the window's visible child
# whose text is TEXT.
e2e_middle() {
  local rect
  rect=$(e2e_probe texts "$1" | awk -F'\t' -v text="$2" '$4 == text {print $3; exit}')
  [ -n "$rect" ] || e2e_fail "no \"$2\" in \"$1\""
  set -- $rect
  E2E_X=$(( ($1 + $3) / 2 )) E2E_Y=$(( ($2 + $4) / 2 ))
}

# e2e_click_on WINDOW TEXT: clicks the middle of that child with the mouse.
e2e_click_on() {
  e2e_middle "$1" "$2"
  xdotool mousemove "$E2E_X" "$E2E_Y" click 1
}

# e2e_screenshot NAME: saves the whole display as NAME.png among the artifacts, at once.
e2e_screenshot() {
  local file="$E2E_ARTIFACTS/$1.png"
  import -window root "$file" && echo "screenshot: $file"
}

# e2e_settled_screenshot NAME: the same once two captures in a row are equal (or after ten),
# so that it shows windows just opened painted.
e2e_settled_screenshot() {
  local file="$E2E_ARTIFACTS/$1.png" tries
  import -window root -define png:exclude-chunks=date,time "png:$file" || return 1
  for tries in $(seq 10); do
    import -window root -define png:exclude-chunks=date,time "png:$file.next" || break
    cmp -s "$file" "$file.next" && break
    mv "$file.next" "$file"
  done
  rm -f "$file.next"
  echo "screenshot: $file"
}

e2e_fail() {
  echo "FAIL [$E2E_NAME]: $*" >&2
  exit 1
}

# e2e_expect_eq WHAT EXPECTED ACTUAL
e2e_expect_eq() {
  if [ "$2" != "$3" ]; then
    e2e_fail "$1: expected [$2], got [$3]"
  fi
  echo "ok: $1"
}

e2e_pass() {
  echo "PASS [$E2E_NAME]"
  exit 0
}

# e2e_until SECONDS COMMAND...: true as soon as COMMAND succeeds, tried every tenth of a
# second; false once SECONDS (whole) have passed without.
e2e_until() {
  local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
  shift
  until "$@"; do
    [ "${EPOCHREALTIME/./}" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

# e2e_mark: remembers now as the moment that e2e_sleep_until counts from.
e2e_mark() { E2E_MARK=$(date +%s.%N); }

# e2e_sleep_until SECONDS: sleeps until SECONDS after the last e2e_mark. Reached more than
# half a second late (a machine too busy for the timing), the test fails saying so.
e2e_sleep_until() {
  local left
  left=$(awk -v mark="$E2E_MARK" -v at="$1" -v now="$(date +%s.%N)" 'BEGIN { printf "%.2f", mark + at - now }')
  awk -v left="$left" 'BEGIN { exit !(left < -0.5) }' &&
    e2e_fail "the step due at $1 s came ${left#-} s late: the machine is too busy for this timing"
  awk -v left="$left" 'BEGIN { exit !(left > 0) }' && sleep "$left"
  return 0
}

# e2e_running: true while the started program runs.
e2e_running() { [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; }
