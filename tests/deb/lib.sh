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
