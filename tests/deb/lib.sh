# Shared by the package's tests: a scratch folder removed at the end, a virtual display
# (the one the end-to-end tests use) when there is none, failing with a message, and
# counting what a screenshot shows.
#
# A test sources this file, calls deb_init, and ends with deb_pass; deb_fail stops it.

deb_init() {
  DEB_NAME=$(basename "$0" .sh)
  DEB_SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-deb.XXXXXX")
  DEB_CLEANUPS=()
  trap deb_cleanup EXIT
}

# deb_on_exit COMMAND...: runs the command when the test ends, the latest first.
deb_on_exit() { DEB_CLEANUPS=("$*" "${DEB_CLEANUPS[@]}"); }

deb_cleanup() {
  local step
  for step in "${DEB_CLEANUPS[@]}"; do eval "$step"; done
  rm -rf "$DEB_SCRATCH"
}

# A virtual display of the test's own, unless there is a display already.
deb_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine_env.sh"
  start_virtual_display || deb_fail "no virtual display"
  deb_on_exit stop_virtual_display
}

# deb_lit_pixels PNG: how many pixels of the picture are not black (any channel above 2 %).
deb_lit_pixels() {
  convert "$1" -channel RGB -separate -evaluate-sequence max -threshold 2% \
    -format '%[fx:round(mean*w*h)]' info:
}

# deb_xscreensaver_user PROGRAM JOKE: XScreenSaver runs display programs only for a user who
# is not root, so the test makes one ($user, its home $home in the scratch folder; it goes
# with its processes when the test ends). Its ~/.xscreensaver lists PROGRAM alone, with -root,
# chosen and blanking after half an hour; its joke file holds the one clean JOKE (lines ended
# by CR LF). The XScreenSaver daemon then runs as it. as_user runs a command as the user.
deb_xscreensaver_user() {
  user="zorbelxss$$"
  home="$DEB_SCRATCH/home"
  useradd --no-create-home --home-dir "$home" --shell /bin/sh "$user" || deb_fail "useradd $user failed"
  deb_on_exit userdel "$user"
  # The user's processes, ended by their ids, and made to end if they linger.
  deb_on_exit 'for pid in $(ps -u "$user" -o pid=); do kill "$pid" 2>/dev/null; done
    for _ in $(seq 30); do [ -z "$(ps -u "$user" -o pid=)" ] && break; sleep 0.1; done
    for pid in $(ps -u "$user" -o pid=); do kill -KILL "$pid" 2>/dev/null; done; sleep 0.2'
  chmod 755 "$DEB_SCRATCH"
  mkdir -p "$home/.local/share/zorbel"
  printf '"Zorbel Joke Database",2,4\r\nclean,0,0\r\n%s\r\n</joke>\r\n' "$2" >"$home/.local/share/zorbel/jokes.txt"
  cat >"$home/.xscreensaver" <<SETTINGS
mode:		one
selected:	0
timeout:	0:30:00
lock:		False
fade:		False
unfade:		False
splash:		False
dpmsEnabled:	False
programs:	"Zorbel Joke Screensaver"  $1 -root  \\n\\

SETTINGS
  chown -R "$user:" "$home"
  as_user xscreensaver --no-splash --verbose >"$DEB_SCRATCH/xscreensaver.log" 2>&1 &
  deb_on_exit 'as_user xscreensaver-command -exit >/dev/null 2>&1'
  for _ in $(seq 150); do as_user xscreensaver-command -time >/dev/null 2>&1 && break; sleep 0.2; done
  as_user xscreensaver-command -time >/dev/null 2>&1 ||
    deb_fail "xscreensaver did not start: $(tail -5 "$DEB_SCRATCH/xscreensaver.log")"
}
as_user() {
  runuser -u "$user" -- env DISPLAY="$DISPLAY" HOME="$home" ${FONTCONFIG_FILE:+FONTCONFIG_FILE="$FONTCONFIG_FILE"} "$@"
}

deb_fail() {
  echo "FAIL [$DEB_NAME]: $*" >&2
  exit 1
}

# deb_expect_eq WHAT EXPECTED ACTUAL
deb_expect_eq() {
  [ "$2" = "$3" ] || deb_fail "$1: expected [$2], got [$3]"
  echo "ok: $1"
}

deb_pass() {
  echo "PASS [$DEB_NAME]"
  exit 0
}
