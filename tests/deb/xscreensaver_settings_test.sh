#!/bin/bash
# The saver in XScreenSaver's own settings program, run by an unprivileged user as
# XScreenSaver needs: chosen in the user's ~/.xscreensaver, its preview pane runs the saver,
# whose intro fits the pane, made smaller; its Settings... page (the package's, beside a copy
# of the built program) has the style menu and the delay slider, and what is chosen there
# is written to ~/.xscreensaver as the saver's own options, reaches the preview and is read
# back when the page opens again. Buttons are found by reading the screen with tesseract, in
# the faces the project installs, whatever else the machine has.
# The user, its files and processes, and the copies go at the end. Needs root (status 77,
# skipped, without it).
#
# xscreensaver_settings_test.sh PACKAGE SAVER ARTIFACTS
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/project_fonts.sh"
package=$1 saver=$(realpath "$2") artifacts=$3
deb_init
[ "$(id -u)" -eq 0 ] || { echo "SKIP: making a user for XScreenSaver needs root"; exit 77; }
for tool in xscreensaver xscreensaver-settings xdotool tesseract; do
  command -v "$tool" >/dev/null || deb_fail "$tool is not installed"
done
mkdir -p "$artifacts"
use_project_fonts "$DEB_SCRATCH" || deb_fail "no fonts to read the screen in"
# A display of its own, large enough for the settings window, whatever display there is.
unset DISPLAY
export VIRTUAL_SCREEN=1280x1024x24
deb_display

# The settings program finds a saver's page by the program's name: the built saver and the
# package's page go where XScreenSaver looks, under a name of the test's own.
name="zorbel-test-$$"
installed=/usr/libexec/xscreensaver/$name
page=/usr/share/xscreensaver/config/$name.xml
cp "$saver" "$installed" || deb_fail "cannot copy the saver to $installed"
deb_on_exit rm -f "$installed" "$page"
dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/xscreensaver/config/zorbel.xml |
  sed "s/<screensaver name=\"zorbel\"/<screensaver name=\"$name\"/" >"$page"
grep -q "name=\"$name\"" "$page" || deb_fail "the package holds no settings page named zorbel"

deb_xscreensaver_user "$installed" "A zorbel previewed a screen saver."
as_user xscreensaver-settings >"$DEB_SCRATCH/settings.log" 2>&1 &

# preview_pid [OPTION...]: the saver that runs in the preview pane, its command line holding
# these options too (XScreenSaver may give them with two dashes); waits up to 10 s.
preview_pid() {
  local pid line option found
  for _ in $(seq 100); do
    for pid in $(ps -u "$user" -o pid=); do
      [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$installed" ] || continue
      line=" $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | sed 's/ --/ -/g')"
      found=1
      for option in -root -window-id "$@"; do [[ "$line" == *" $option "* ]] || found=; done
      [ -n "$found" ] && { echo "$pid $line"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
# find_text PICTURE WORD: the middle of the first word read as WORD, or holding it, in the
# picture ("X Y"); each picture is read once.
find_text() {
  local words=$DEB_SCRATCH/$(basename "$1").tsv
  if [ ! -e "$words" ]; then
    # Black and white, so that the pane's pictures and the toolkit's grey shades do not
    # make tesseract take the window's words for parts of a picture.
    convert "$1" -colorspace gray -resize 300% -threshold 70% "$DEB_SCRATCH/read.png"
    OMP_THREAD_LIMIT=1 tesseract "$DEB_SCRATCH/read.png" - tsv >"$words" 2>/dev/null
  fi
  awk -F'\t' -v word="$2" 'index($12, word) { print int(($7 + $9 / 2) / 3), int(($8 + $10 / 2) / 3); found = 1; exit }
                           END { exit !found }' "$words"
}
# click_text PICTURE WORD [LEFT TOP]: a click on that word; the picture's place on the screen
# is LEFT TOP (0 0 unless given).
click_text() {
  local x y
  read -r x y < <(find_text "$1" "$2") || deb_fail "no \"$2\" on the screen (see $1)"
  xdotool mousemove $((x + ${3:-0})) $((y + ${4:-0})) click 1
}

read -r pid line < <(preview_pid) || deb_fail "the settings program runs no preview: $(tail -3 "$DEB_SCRATCH/settings.log")"
pane=${line##*-window-id }
pane=${pane%% *}
echo "ok: the preview pane $pane runs$line"
# The intro (3.5 s from the start) made smaller as the pane is smaller than the screen: its
# panel as many times smaller as the pane's tighter side, whole within the pane, nothing lit
# in the pane's last columns and rows.
for _ in $(seq 30); do
  import -window "$pane" "$artifacts/xscreensaver-settings-preview.png" 2>/dev/null
  read -r width height panel < <(convert "$artifacts/xscreensaver-settings-preview.png" -fill white \
    -opaque "rgb(0,0,192)" -fill black +opaque white -format "%w %h " -write info: -format "%@" info: 2>/dev/null)
  [ "${panel%%x*}" -gt 20 ] 2>/dev/null && break
  sleep 0.1
done
echo "screenshot: $artifacts/xscreensaver-settings-preview.png (a ${width}x${height} pane, the panel $panel)"
expected=$(awk -v w="$width" -v h="$height" 'BEGIN { s = w / 1280 < h / 1024 ? w / 1280 : h / 1024; print int(305 * s + 0.5) }')
IFS='x+' read -r panel_width panel_height panel_x panel_y <<<"$panel"
[ $((panel_width - expected)) -le 2 ] && [ $((expected - panel_width)) -le 2 ] &&
  [ $((panel_height - expected)) -le 2 ] && [ $((expected - panel_height)) -le 2 ] ||
  deb_fail "the intro's panel is $panel in a ${width}x${height} pane, not $expected pixels square"
[ $((panel_x + panel_width)) -lt "$width" ] && [ $((panel_y + panel_height)) -lt "$height" ] ||
  deb_fail "the intro's panel is cut by the pane"
edges=$(convert "$artifacts/xscreensaver-settings-preview.png" -fill black -draw "rectangle 0,0 $((width - 4)),$((height - 4))" png:- |
  deb_lit_pixels png:-)
deb_expect_eq "nothing lit at the pane's right and bottom edges" 0 "$edges"

# capture WINDOW PICTURE: a screenshot of the window, which find_text then reads afresh.
capture() { import -window "$1" "$2" 2>/dev/null && rm -f "$DEB_SCRATCH/$(basename "$2").tsv"; }
# capture_showing WINDOW PICTURE WORD: screenshots of the window until WORD can be read in it;
# false after 15 s.
capture_showing() {
  local give_up=$((SECONDS + 15))
  until capture "$1" "$2" && find_text "$2" "$3" >/dev/null; do
    [ $SECONDS -lt $give_up ] || return 1
    sleep 0.2
  done
}
# capture_changed WINDOW PICTURE: screenshots of the window until one differs from PICTURE
# and the next is the same, which then replaces PICTURE; false after 5 s.
capture_changed() {
  local latest=$DEB_SCRATCH/latest.png previous=$DEB_SCRATCH/previous.png give_up=$((SECONDS + 5))
  cp "$2" "$previous"
  while [ $SECONDS -lt $give_up ]; do
    sleep 0.1
    import -window "$1" "$latest" 2>/dev/null || continue
    if [ "$(compare -metric AE "$previous" "$latest" null: 2>&1 | cut -d' ' -f1)" = 0 ] &&
       [ "$(compare -metric AE "$2" "$latest" null: 2>&1 | cut -d' ' -f1)" != 0 ]; then
      capture "$1" "$2"
      return 0
    fi
    mv "$latest" "$previous"
  done
  return 1
}
# new_window BEFORE SEARCH...: the first window shown that `xdotool search --onlyvisible
# SEARCH...` finds and the list BEFORE, the same search's earlier answer, lacks; waits 5 s.
new_window() {
  local before=$1 found
  shift
  for _ in $(seq 50); do
    found=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible "$@" | sort) | head -n 1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# open_page NAME: Settings... pressed; the page's window, moved onto the screen (there is no
# window manager to place it), in $dialog and a screenshot of it in the artifacts as NAME.
open_page() {
  local before screen=$artifacts/xscreensaver-settings-screen-$1.png shot=$artifacts/xscreensaver-settings-$1.png
  before=$(xdotool search --onlyvisible --name "Zorbel Joke Screensaver" | sort)
  capture_showing root "$screen" "Settings..." || deb_fail "no \"Settings...\" on the screen (see $screen)"
  click_text "$screen" "Settings..."
  dialog=$(new_window "$before" --name "Zorbel Joke Screensaver") || deb_fail "Settings... opened no page"
  xdotool windowmove --sync "$dialog" 100 100
  capture_showing "$dialog" "$shot" Save || deb_fail "the page shows no Save button (see $shot)"
  echo "screenshot: $shot"
}
open_page page
for word in Time seconds 30; do
  find_text "$artifacts/xscreensaver-settings-page.png" "$word" >/dev/null || deb_fail "no \"$word\" on the page"
done
find_text "$artifacts/xscreensaver-settings-page.png" "Qorv.ini" >/dev/null ||
  deb_fail "the style menu does not start at the settings file's choice"
echo "ok: the page shows the style menu at its first choice and the delay slider"
# The menu's third choice, by keys once it is open; the slider's knob, brought to a click on
# the slider, dragged past its right end.
chosen=$artifacts/xscreensaver-settings-chosen.png
windows=$(xdotool search --onlyvisible --classname . | sort)
click_text "$artifacts/xscreensaver-settings-page.png" "Qorv.ini" 100 100
new_window "$windows" --classname . >/dev/null || deb_fail "the style menu did not open"
xdotool key Down Down Return
capture_showing "$dialog" "$chosen" Rude || deb_fail "the style menu shows no rude jokes chosen (see $chosen)"
read -r x y < <(find_text "$artifacts/xscreensaver-settings-page.png" "30") || deb_fail "no slider end"
xdotool mousemove $((x + 100 - 60)) $((y + 100)) click 1 mousedown 1 mousemove $((x + 100 + 300)) $((y + 100)) mouseup 1
capture_changed "$dialog" "$chosen" || deb_fail "the slider did not move (see $chosen)"
echo "screenshot: $chosen"
click_text "$artifacts/xscreensaver-settings-page.png" Save 100 100

for _ in $(seq 50); do grep -q -- "-rude" "$home/.xscreensaver" && break; sleep 0.1; done
# (A long line goes on after a backslash at its end.)
saved=$(sed -e ':a' -e '/\\$/N; s/\\\n//; ta' "$home/.xscreensaver" | grep -o "$installed[^\\]*" |
  sed 's/[[:space:]]\+/ /g; s/ $//; s/ --/ -/g')
deb_expect_eq "the saver's line in ~/.xscreensaver" "$installed -root -rude -delay 30" "$saved"
read -r pid line < <(preview_pid -rude -delay 30) || deb_fail "the preview was not started again with the choices"
echo "ok: the preview runs$line"

# Opened again, the page reads the choices back from the command line.
open_page again
find_text "$artifacts/xscreensaver-settings-again.png" "Rude" >/dev/null || deb_fail "the page shows the style as not chosen"
echo "ok: the page opened again shows the rude jokes chosen"
xdotool key Escape
deb_pass
