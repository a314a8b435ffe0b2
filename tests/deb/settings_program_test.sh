#!/bin/bash
# The package's settings program on a virtual display, as a user works it: the journey by
# keyboard alone and by mouse (the beta notice, the hub, the options dialog set to rude
# with medical terms and a delay, OK), the settings file that journey writes and the
# package's saver showing rude jokes after it; Cancel and Escape keeping the file; the
# information window's two texts; every link handing its address to xdg-open (a stand-in
# on the PATH records them) only after its notice is closed; a read-only settings file
# giving the run-time error box and left as it was; no joke file giving the start-up
# report; the hub at the desktop's scale; no display giving one line and status 1.
# What the windows show is read back with tesseract, in the faces the project installs,
# whatever else the machine has.
#
# settings_program_test.sh PACKAGE WEB_HOST ARTIFACTS
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/project_fonts.sh"
package=$1 host=$2 artifacts=$3
deb_init
mkdir -p "$artifacts"
use_project_fonts "$DEB_SCRATCH" || deb_fail "no fonts to read the screen in"
deb_display

root="$DEB_SCRATCH/root"
dpkg-deb -x "$package" "$root" || deb_fail "dpkg-deb cannot unpack $package"
program="$root/usr/bin/zorbel-settings"
saver="$root/usr/libexec/xscreensaver/zorbel"

# The user's own folders: one joke file with a rude joke alone, which the saver shows only
# when the settings let it; the settings folder made by the program itself.
export HOME="$DEB_SCRATCH/home" NO_AT_BRIDGE=1
unset XDG_CONFIG_HOME XDG_DATA_HOME
settings="$HOME/.config/zorbel/Qorv.ini"
mkdir -p "$HOME/.local/share/zorbel"
printf '"Zorbel Joke Database",2,4\r\nrude,0,0\r\nWIBBLESTICK RUDE\r\n</joke>\r\n' >"$HOME/.local/share/zorbel/jokes.txt"
mkdir -p "$DEB_SCRATCH/bin"
opened="$DEB_SCRATCH/opened"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$opened" >"$DEB_SCRATCH/bin/xdg-open"
chmod +x "$DEB_SCRATCH/bin/xdg-open"
export PATH="$DEB_SCRATCH/bin:$PATH"
: >"$opened"

# The windows by their titles.
hub_title='Welcome to Zorbel Joke Screensaver - Version 4!'
options_title='Screen saver'

# shown TITLE: the visible windows of that exact title.
shown() { xdotool search --onlyvisible --name "^$(sed 's/[][\.*^$?+(){}|]/\\&/g' <<<"$1")\$" 2>/dev/null; }
# window TITLE: the visible window of that title, waited for up to 10 s.
window() {
  local id
  for _ in $(seq 100); do
    id=$(shown "$1" | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  deb_fail "no window \"$1\" showed"
}
# gone TITLE: waits up to 10 s for no window of that title to show.
gone() {
  for _ in $(seq 100); do
    [ -z "$(shown "$1")" ] && return 0
    sleep 0.1
  done
  deb_fail "the window \"$1\" stayed"
}
# read_window ID NAME: what tesseract reads in the window, its screenshot kept as NAME.png.
read_window() {
  sleep 0.3  # the window's first frames drawn
  import -window "$1" "$artifacts/settings-$2.png" || deb_fail "no screenshot of $2"
  convert "$artifacts/settings-$2.png" -resize 300% -colorspace gray "$DEB_SCRATCH/ocr.png"
  tesseract "$DEB_SCRATCH/ocr.png" stdout 2>/dev/null | tr '\n' ' ' | tr -s ' '
}
# expect_text WHAT TEXT PHRASE...: each phrase is in the text read.
expect_text() {
  local what=$1 text=$2 phrase
  shift 2
  for phrase in "$@"; do
    grep -qiF -- "$phrase" <<<"$text" || deb_fail "$what does not read \"$phrase\": $text"
  done
  echo "ok: $what reads $(printf '"%s" ' "$@")"
}
# click ID X Y: a click at a place of the window, in pixels (15 twips each at 96 dpi).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# keys KEY...: presses them in turn on whatever window has the focus.
keys() { xdotool key --delay 80 "$@"; }

# start: the program, past its beta notice (read once), with the hub shown; $hub is its
# window and $running the program's process.
start() {
  "$program" 2>>"$DEB_SCRATCH/program.log" &
  running=$!
  notice=$(window 'Welcome to beta')
  if [ -z "${notice_read:-}" ]; then
    expect_text "the beta notice" "$(read_window "$notice" beta-notice)" "This is a BETA edition of Version 4" \
      "YOU ARE ENCOURGED TO REPORT THESE" "$host/zorbel/"
    notice_read=1
  fi
  [ -n "$(shown "$hub_title")" ] && deb_fail "the hub showed before the beta notice closed"
  "$@"
  hub=$(window "$hub_title")
}
# finish STATUS: the program, ended, ended with that status.
finish() {
  local status
  for _ in $(seq 100); do kill -0 "$running" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$running" 2>/dev/null && deb_fail "the program did not end"
  wait "$running"
  status=$?
  deb_expect_eq "the program's exit status" "$1" "$status"
}
settings_bytes() { od -An -c "$settings" | tr -s ' '; }

# The journey by keyboard: Enter closes the notice, Alt+C opens the options, Down picks
# rude jokes, Tab reaches the delay (its text all selected), Tab and Space tick medical,
# Alt+O saves; Alt+R ends the program.
start keys Return
keys alt+c
options=$(window "$options_title")
read_window "$options" options-opened >/dev/null
keys Down Tab
xdotool type --delay 80 3
keys Tab space
read_window "$options" options-by-keyboard >/dev/null
keys alt+o
gone "$options_title"
deb_expect_eq "the settings after the keyboard's journey" "$(printf 'rude\r\nmedicalyes\r\n 3 \r\n' | od -An -c | tr -s ' ')" \
  "$(settings_bytes)"
keys alt+r
finish 0

# The package's saver then shows the rude joke, the one joke the file has.
"$saver" -window >/dev/null 2>&1 &
saver_pid=$!
deb_on_exit "kill $saver_pid 2>/dev/null"
shown=
for frame in $(seq 24); do
  sleep 0.5
  import -window root "$DEB_SCRATCH/frame.png" || continue
  convert "$DEB_SCRATCH/frame.png" -colorspace gray -threshold 8% -negate "$DEB_SCRATCH/frame-ocr.png"
  if tesseract "$DEB_SCRATCH/frame-ocr.png" stdout 2>/dev/null | grep -q WIBBLESTICK; then
    shown=$frame
    cp "$DEB_SCRATCH/frame.png" "$artifacts/settings-saver-rude-joke.png"
    break
  fi
done
kill "$saver_pid" 2>/dev/null
[ -n "$shown" ] || deb_fail "the saver showed no rude joke in 12 s (last frame: $(cp "$DEB_SCRATCH/frame.png" "$artifacts/settings-saver-last.png"; echo "$artifacts/settings-saver-last.png"))"
echo "ok: the saver started afterwards shows the rude joke"

# The journey by mouse: OK in the notice, Configure saver, the rude option, the delay box
# (all of its text selected by a triple click, then typed over), the medical check box, OK.
rm -f "$settings"
click_notice_ok() {
  local notice
  notice=$(window 'Welcome to beta')
  eval "$(xdotool getwindowgeometry --shell "$notice")"
  click "$notice" $((WIDTH / 2)) $((HEIGHT - 8))
}
start click_notice_ok
click "$hub" 300 336
options=$(window "$options_title")
click "$options" 26 176
xdotool mousemove --window "$options" 44 268 click --repeat 3 --delay 60 1
xdotool type --delay 80 12
click "$options" 23 372
click "$options" 48 412
gone "$options_title"
deb_expect_eq "the settings after the mouse's journey" "$(printf 'rude\r\nmedicalyes\r\n 12 \r\n' | od -An -c | tr -s ' ')" \
  "$(settings_bytes)"

# Cancel and Escape close the dialog and leave the file as it was, its time too.
before=$(stat -c '%Y %s' "$settings")
sleep 1
click "$hub" 300 336
options=$(window "$options_title")
click "$options" 26 176
keys Escape
gone "$options_title"
keys alt+c
options=$(window "$options_title")
keys Down
click "$options" 281 412
gone "$options_title"
deb_expect_eq "the settings file after Escape and Cancel" "$before" "$(stat -c '%Y %s' "$settings")"

# Every link hands its address to xdg-open; a link with a notice only once it is closed.
# link NAME WINDOW X Y NOTICE_TITLE ADDRESS
link() {
  local name=$1 target=$2 x=$3 y=$4 notice_title=$5 address=$6 lines
  lines=$(wc -l <"$opened")
  click "$target" "$x" "$y"
  if [ -n "$notice_title" ]; then
    local notice
    notice=$(window "$notice_title")
    sleep 0.3
    [ "$(wc -l <"$opened")" -eq "$lines" ] || deb_fail "$name opened a page before its notice was closed"
    keys Return
    gone "$notice_title"
  fi
  for _ in $(seq 50); do [ "$(wc -l <"$opened")" -gt "$lines" ] && break; sleep 0.1; done
  deb_expect_eq "$name opens" "http://$host$address" "$(tail -n +$((lines + 1)) "$opened")"
}
link "the upgrade check" "$hub" 460 332 'Upgrade - for *FREE*!' \
  "/zorbel/upgrade.cgi?jokesversion=2&appversion=4beta1&compatible=4"
link "the home-page button" "$hub" 460 376 'VISIT OUR WEB SITE!' "/zorbel/bounce.cgi?where=home"
link "the maker's-site button" "$hub" 284 256 '' "/zorbel/bounce.cgi?where=dotcom"
link "the jokes-page button" "$hub" 172 420 'Zorbel Joke SS' "/zorbel/bounce.cgi?where=zorbeljokes"
link "the product's address" "$hub" 306 216 '' "/zorbel/bounce.cgi?where=home"
click "$hub" 300 336
options=$(window "$options_title")
link "the options' product link" "$options" 360 408 'VISIT OUR WEB SITE!' "/zorbel/bounce.cgi?where=home"
link "the options' sister-product link" "$options" 428 276 'Upgrade - for *FREE*!' "/zorbel/bounce.cgi?where=velmora"
keys Escape
gone "$options_title"

# The information window's two texts, one window for both.
click "$hub" 24 420
about=$(window 'About the SS')
expect_text "About the SS" "$(read_window "$about" about)" "About the SS!" "The screensaver is a FREE product" \
  "Please send comments to" "Tarnwick Entertainment Company"
click "$hub" 96 420
upgrades=$(window 'Free Upgrades')
[ "$upgrades" = "$about" ] || deb_fail "About FREE upgrades opened a second window"
expect_text "Free Upgrades" "$(read_window "$upgrades" free-upgrades)" "How Free Upgrades work!" \
  "Since Version 4, you can UPGRADE FREE" "JOKES upgrade"
keys Return
gone 'Free Upgrades'
keys alt+r
finish 0

# A settings file without write permission: the run-time error box with code 70, the
# program ending with status 1 once it is closed, the file as it was.
chmod 444 "$settings"
before=$(settings_bytes)
start keys Return
keys alt+c
window "$options_title" >/dev/null
keys alt+o
failure=$(window Zorbel)
expect_text "the failure box" "$(read_window "$failure" read-only)" "Run-time error" "70" "Permission denied"
keys Return
finish 1
deb_expect_eq "the read-only settings file" "$before" "$(settings_bytes)"

# Without a joke file (the user's gone, the collection not installed here): the start-up
# report alone, and status 1 once it is closed.
rm "$HOME/.local/share/zorbel/jokes.txt"
"$program" 2>>"$DEB_SCRATCH/program.log" &
running=$!
report=$(window "D'oh! An error occurred")
expect_text "the start-up report" "$(read_window "$report" no-jokes)" "problem accessing the Joke database"
keys Return
finish 1
printf '"Zorbel Joke Database",2,4\r\nrude,0,0\r\nWIBBLESTICK RUDE\r\n</joke>\r\n' >"$HOME/.local/share/zorbel/jokes.txt"

# At the desktop's scale: with Xft.dpi at 144 the hub is half as large again as its design
# at 96 dots per inch (8475 by 6840 twips).
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t144\n')"
deb_on_exit "xprop -root -remove RESOURCE_MANAGER"
start keys Return
eval "$(xdotool getwindowgeometry --shell "$hub")"
deb_expect_eq "the hub's size at 144 dots per inch" 848x684 "${WIDTH}x$HEIGHT"
read_window "$hub" hub-at-144-dpi >/dev/null
keys alt+r
finish 0
xprop -root -remove RESOURCE_MANAGER

# Without a display: one line, status 1, no window.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" 2>&1)
deb_expect_eq "the exit status without a display" 1 $?
deb_expect_eq "the line without a display" 'zorbel-settings: cannot open the display ""' "$message"
deb_pass
