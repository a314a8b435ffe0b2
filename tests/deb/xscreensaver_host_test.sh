#!/bin/bash
# The saver under the real XScreenSaver 6, which starts display programs only for an
# unprivileged user: the test makes one, gives it a ~/.xscreensaver whose list holds the
# saver with -root alone, and a joke file of its own; -activate blanks the screen and the
# saver draws on XScreenSaver's window; -deactivate ends the saver. Then with the joke file
# cut short, the saver's report shows on the blanked screen until -deactivate. The user, its files and
# its processes go at the end. Needs root (status 77, skipped, without it).
#
# xscreensaver_host_test.sh SAVER ARTIFACTS
set -u
source "$(dirname "$0")/lib.sh"
saver=$(realpath "$1") artifacts=$2
deb_init
[ "$(id -u)" -eq 0 ] || { echo "SKIP: making a user for XScreenSaver needs root"; exit 77; }
command -v xscreensaver >/dev/null || deb_fail "xscreensaver is not installed"
mkdir -p "$artifacts"
deb_display

deb_xscreensaver_user "$saver" "A zorbel asked the screen saver what it was saving."$'\r\n'"The screen saver said: the day."
echo "ok: xscreensaver runs as $user"

# saver_pid: the saver's process, started by XScreenSaver for the user.
saver_pid() {
  local pid
  for pid in $(ps -u "$user" -o pid=); do
    [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$saver" ] && echo "$pid" && return 0
  done
  return 1
}
as_user xscreensaver-command -activate >/dev/null || deb_fail "xscreensaver-command -activate failed"
for _ in $(seq 50); do pid=$(saver_pid) && break; sleep 0.2; done
[ -n "${pid:-}" ] || deb_fail "XScreenSaver started no saver: $(grep -i zorbel "$DEB_SCRATCH/xscreensaver.log")"
grep -a "forked .*zorbel" "$DEB_SCRATCH/xscreensaver.log" | sed 's/^/  /'
# XScreenSaver 6 may rewrite the options with two dashes, which the saver takes as well.
deb_expect_eq "its command line" "$saver -root" "$(tr '\0' ' ' <"/proc/$pid/cmdline" | sed 's/ $//; s/ --/ -/g')"
window=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
[ -n "$window" ] || deb_fail "the saver was given no XSCREENSAVER_WINDOW"
echo "ok: saver $pid draws on XScreenSaver's window $window"

# At 2 s the intro panel; at 13 s the first joke, which follows the intro's 3.5 s after the
# delay, 7 s unless the settings say otherwise. Both drawn, and not the same picture.
for moment in 2 13; do
  sleep $((moment - ${previous:-0}))
  previous=$moment
  shot="$artifacts/xscreensaver-host-${moment}s.png"
  import -window root "$shot" || deb_fail "no screenshot"
  lit=$(deb_lit_pixels "$shot")
  echo "screenshot: $shot ($lit pixels not black)"
  [ "$lit" -gt 100 ] || deb_fail "the screen is black ${moment} s after blanking"
  kill -0 "$pid" 2>/dev/null || deb_fail "the saver ended while the screen was blanked"
done
changed=$(compare -metric AE "$artifacts"/xscreensaver-host-{2,13}s.png null: 2>&1)
[ "${changed%% *}" -gt 1000 ] || deb_fail "the saver drew nothing new after its intro ($changed pixels changed)"
echo "ok: $changed pixels changed from the intro to the first joke"

# running PID: the process is there and has not ended (one that has ended but that its host
# has not yet waited for, a zombie, counts as ended).
running() { ps -p "$1" -o stat= | grep -qv '^Z'; }
# deactivate: XScreenSaver unblanks the screen and the saver $pid has ended within 5 s.
deactivate() {
  as_user xscreensaver-command -deactivate >/dev/null || deb_fail "xscreensaver-command -deactivate failed"
  for _ in $(seq 50); do running "$pid" || break; sleep 0.1; done
  ! running "$pid" || deb_fail "the saver still runs 5 s after -deactivate ($(ps -p "$pid" -o stat=,args=))"
}
deactivate
echo "ok: -deactivate ended the saver"

# A joke file cut short: the saver's report is on the screen, not only in a log, and stays
# while the screen is blanked.
printf '"Zorbel Joke Database",2\r\n' >"$home/.local/share/zorbel/jokes.txt"
as_user xscreensaver-command -activate >/dev/null || deb_fail "xscreensaver-command -activate failed"
pid=
for _ in $(seq 50); do pid=$(saver_pid) && break; sleep 0.2; done
[ -n "$pid" ] || deb_fail "XScreenSaver started no saver for the broken joke file"
sleep 3
shot="$artifacts/xscreensaver-host-report.png"
import -window root "$shot" || deb_fail "no screenshot"
white=$(convert "$shot" -fill black +opaque white -fill white -opaque white -format '%[fx:round(mean*w*h)]' info:)
echo "screenshot: $shot ($white white pixels)"
[ "$white" -gt 20000 ] || deb_fail "no report on the screen for a broken joke file"
kill -0 "$pid" 2>/dev/null || deb_fail "the saver did not stay with its report"
deactivate
echo "ok: a broken joke file's report showed until -deactivate"
deb_pass
