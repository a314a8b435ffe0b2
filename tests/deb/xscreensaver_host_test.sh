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
artifacts=$2
deb_init
[ "$(id -u)" -eq 0 ] || { echo "SKIP: making a user for XScreenSaver needs root"; exit 77; }
# A copy the user may run, wherever the build is (root's own home is closed to other users).
saver="$DEB_SCRATCH/bin/zorbel"
mkdir -p "$DEB_SCRATCH/bin" && cp "$1" "$saver" && chmod 755 "$DEB_SCRATCH/bin" ||
  deb_fail "cannot copy the saver"
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

# The intro panel with the beta notice first; after its 3.5 s the notice alone; then, after
# the delay (7 s unless the settings say otherwise), the first joke: each drawn, and each a
# new picture.
# screen_shows NAME SECONDS TEST: screenshots of the blanked screen until TEST holds of the
# latest and the one before it, for up to SECONDS; the latest in the artifacts as NAME.
screen_shows() {
  local shot="$artifacts/xscreensaver-host-$1.png" previous="$DEB_SCRATCH/previous.png"
  local give_up=$((SECONDS + $2))
  rm -f "$previous"
  while :; do
    kill -0 "$pid" 2>/dev/null || deb_fail "the saver ended while the screen was blanked"
    import -window root "$shot" || deb_fail "no screenshot"
    $3 "$shot" "$previous" && return 0
    [ $SECONDS -lt $give_up ] || return 1
    cp "$shot" "$previous"
    sleep 0.2
  done
}
# differing A B: how many pixels differ between the pictures.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
# A picture drawn whole: lit, and the same as the one before.
settled() {
  lit=$(deb_lit_pixels "$1")
  [ "$lit" -gt 100 ] && [ -e "$2" ] && [ "$(differing "$1" "$2")" = 0 ]
}
screen_shows intro 8 settled || deb_fail "no settled picture 8 s after blanking ($lit pixels lit)"
echo "screenshot: $artifacts/xscreensaver-host-intro.png ($lit pixels not black)"
# new_since NAME PICTURE PREVIOUS: a settled picture that differs from the artifact NAME.
new_since() {
  settled "$2" "$3" && changed=$(differing "$artifacts/xscreensaver-host-$1.png" "$2") &&
    [ "$changed" -gt 1000 ]
}
screen_shows notice 10 "new_since intro" || deb_fail "the intro did not end"
screen_shows joke 15 "new_since notice" || deb_fail "the saver drew no joke in the 15 s after its intro"
echo "screenshot: $artifacts/xscreensaver-host-joke.png ($lit pixels not black)"
echo "ok: $changed pixels changed from the notice alone to the first joke"

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
report_shown() {
  white=$(convert "$1" -fill black +opaque white -fill white -opaque white -format '%[fx:round(mean*w*h)]' info:)
  [ "$white" -gt 20000 ]
}
screen_shows report 10 report_shown || deb_fail "no report on the screen for a broken joke file ($white white pixels)"
echo "screenshot: $artifacts/xscreensaver-host-report.png ($white white pixels)"
# A report that ends the saver at once would not stay: it is still there a second later.
sleep 1
kill -0 "$pid" 2>/dev/null || deb_fail "the saver did not stay with its report"
deactivate
echo "ok: a broken joke file's report showed until -deactivate"
deb_pass
