#!/bin/bash
# The saver in MATE's Screensaver Preferences, found through the package's own desktop entry
# (its Exec pointed at a copy of the built program): choosing it starts it on the preview
# pane's window, which shows the whole intro, made smaller, and then items that fit the pane. The pane is resized
# while the saver starts; a saver that kept the size it first read would lay its items out
# for a wider pane and cut nearly every one off at the right edge.
#
# Needs root (status 77, skipped, without it).
#
# mate_preview_test.sh PACKAGE SAVER ARTIFACTS
set -u
source "$(dirname "$0")/lib.sh"
package=$1 saver=$(realpath "$2") artifacts=$3
deb_init
[ "$(id -u)" -eq 0 ] || { echo "SKIP: putting the saver where MATE runs savers from needs root"; exit 77; }
for tool in mate-screensaver-preferences dbus-run-session gsettings; do
  command -v "$tool" >/dev/null || deb_fail "$tool is not installed"
done
mkdir -p "$artifacts"
deb_display

applications="$DEB_SCRATCH/share/applications/screensavers"
# MATE hands its savers only a few variables, HOME among them: the saver's files are the
# user's own, in the default places under the test's home.
home=$DEB_SCRATCH/home
mkdir -p "$applications" "$home/.config/zorbel" "$home/.local/share/zorbel"
# MATE runs only savers in the folder the package puts them in: the built one goes there
# under a name of the test's own while it runs.
installed=/usr/libexec/xscreensaver/zorbel-test-$$
cp "$saver" "$installed" || deb_fail "cannot copy the saver to $installed"
deb_on_exit rm -f "$installed"
dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/applications/screensavers/zorbel.desktop |
  sed "s|/usr/libexec/xscreensaver/zorbel|$installed|g" >"$applications/zorbel.desktop"
grep -q "^Exec=$installed -root$" "$applications/zorbel.desktop" || deb_fail "the package's desktop entry runs no -root saver"
# Items every 2 s, and one joke of a single line wider than the pane at every size the saver
# first tries, so it is always made smaller to fit.
printf 'clean\r\nmedicalno\r\n2\r\n' >"$home/.config/zorbel/Qorv.ini"
printf '"Zorbel Joke Database",2,4\r\nclean,0,0\r\n%s\r\n</joke>\r\n' \
  "A zorbel read the whole instruction leaflet for his new kettle, then boiled the water in a pan." \
  >"$home/.local/share/zorbel/jokes.txt"

export HOME=$home
unset XDG_CONFIG_HOME XDG_DATA_HOME
export XDG_DATA_DIRS=$DEB_SCRATCH/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}
export XDG_CURRENT_DESKTOP=MATE

# In a session bus of its own: the saver chosen, the preferences opened, and the saver it
# starts looked at while it runs.
dbus-run-session -- bash -c '
  source "$0"/lib.sh
  DEB_NAME=mate_preview_test saver=$1 artifacts=$2
  gsettings set org.mate.screensaver mode single
  gsettings set org.mate.screensaver themes "[\"screensavers-zorbel\"]"
  mate-screensaver-preferences >"$HOME/preferences.log" 2>&1 &
  preferences=$!
  trap "kill $preferences 2>/dev/null; pkill -x -f \"$saver -root\"" EXIT
  for _ in $(seq 100); do pid=$(pgrep -x -f "$saver -root" | head -1) && [ -n "$pid" ] && break; sleep 0.2; done
  started=${EPOCHREALTIME/./}
  [ -n "${pid:-}" ] || deb_fail "the preferences started no saver: $(tail -3 "$HOME/preferences.log")"
  window=$(tr "\0" "\n" <"/proc/$pid/environ" | sed -n "s/^XSCREENSAVER_WINDOW=//p")
  [ -n "$window" ] || deb_fail "the saver was given no XSCREENSAVER_WINDOW"
  echo "ok: the preferences list the saver and run it on the preview window $window"
  # Every half second for 16 s: the intro (its panel, drawn at its place for a whole
  # screen, fills much of the pane and may run off it), then items every 2 s, which must fit.
  items=0 cut=0 intro=
  for frame in $(seq -w 32); do
    sleep 0.5
    shot=$HOME/frame.png
    import -window "$window" "$shot" || deb_fail "no screenshot of the preview"
    # The intro, drawn smaller as the pane is smaller than the screen: its square panel whole
    # (as wide as it is high) and within the pane, nothing lit at the pane'"'"'s right edge.
    panel=$(convert "$shot" -fill white -opaque "rgb(0,0,192)" -fill black +opaque white -format "%[fx:mean]" info:)
    if [ -z "$intro" ] && awk -v p="$panel" "BEGIN { exit !(p > 0.03) }"; then
      intro=1
      cp "$shot" "$artifacts/mate-preview-intro.png"
      read -r width height panel_width panel_height panel_x panel_y < <(convert "$shot" -fill white \
        -opaque "rgb(0,0,192)" -fill black +opaque white -format "%w %h " -write info: -trim -format "%w %h %X %Y" info:)
      echo "screenshot: $artifacts/mate-preview-intro.png (a ${width}x${height} pane, the panel ${panel_width}x${panel_height}$panel_x$panel_y)"
      [ $((panel_width - panel_height)) -le 2 ] && [ $((panel_height - panel_width)) -le 2 ] &&
        [ $((panel_x + panel_width)) -lt "$width" ] && [ $((panel_y + panel_height)) -lt "$height" ] ||
        deb_fail "the intro panel is cut by the pane"
      edge=$(convert "$shot" -crop "3x$height+$((width - 3))+0" +repage png:- | deb_lit_pixels png:-)
      [ "$edge" -eq 0 ] || deb_fail "the intro runs off the pane'"'"'s right edge"
    fi
    lit=$(deb_lit_pixels "$shot")
    [ "$lit" -gt 0 ] && [ "$lit" -lt 20000 ] || continue
    items=$((items + 1))
    width=$(identify -format %w "$shot")
    edge=$(convert "$shot" -crop "2x+$((width - 2))+0" +repage png:- | deb_lit_pixels png:-)
    [ "$items" -le 3 ] && cp "$shot" "$artifacts/mate-preview-$items.png" &&
      echo "screenshot: $artifacts/mate-preview-$items.png (${width} px wide, $lit pixels lit)"
    [ "$edge" -eq 0 ] || { cut=$((cut + 1)); cp "$shot" "$artifacts/mate-preview-at-edge.png"; }
  done
  [ -n "$intro" ] || deb_fail "the intro never showed in the preview"
  [ "$items" -ge 6 ] || deb_fail "only $items of 32 looks at the preview showed an item"
  # An item that fits may end at the pane'"'"'s last pixel now and then; one laid out for a
  # wider pane runs off it nearly every time.
  [ $((cut * 2)) -le "$items" ] ||
    deb_fail "$cut of $items items ran into the right edge of the preview (see $artifacts/mate-preview-at-edge.png)"
  echo "ok: $items looks at the preview showed an item; $cut of them reached its right edge"
' "$(dirname "$0")" "$installed" "$artifacts" \
  2> >(grep -v -e '^dbus-daemon\[' -e "bus can't be made" -e '^$' >&2) || exit 1
deb_pass
