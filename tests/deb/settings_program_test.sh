#!/bin/bash
# The package's settings program on a virtual display, as a user works it: the journey by
# keyboard alone and by mouse (the beta notice, the hub, the options dialog set to rude
# with medical terms and a delay, OK; on the mouse's way a delay out of range and medical
# terms with clean jokes refused, each by a box with its icon), the settings file that
# journey writes and the package's saver showing rude jokes after it; Cancel and Escape
# keeping the file; the information window's two texts; every link handing its address to
# xdg-open (a stand-in on the PATH records them) only after its notice is closed; a
# read-only settings file giving the run-time error box (no icon) and left as it was; no
# joke file giving the start-up report (the information icon beside its text); the hub at
# the desktop's scale; no display giving one line and status 1; a second copy ending at
# once and bringing the running one's windows forward; a copy that was killed keeping no
# later one out.
# What the windows show is read back with tesseract, in the faces the project installs,
# whatever else the machine has. Controls are clicked where their designs put them in the
# window as it shows, and every step waits on what can be seen (a window, where the keys
# go, a mark or a text on the screen, a file written), never for a set time.
#
# settings_program_test.sh PACKAGE WEB_HOST ARTIFACTS DESIGN_PLACES
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/project_fonts.sh"
package=$1 host=$2 artifacts=$3 design_places=$4
deb_init
mkdir -p "$artifacts"
use_project_fonts "$DEB_SCRATCH" || deb_fail "no fonts to read the screen in"
deb_display

root="$DEB_SCRATCH/root"
dpkg-deb -x "$package" "$root" || deb_fail "dpkg-deb cannot unpack $package"
program="$root/usr/bin/zorbel-settings"
saver="$root/usr/libexec/xscreensaver/zorbel"

# The user's own folders: one joke file with a rude joke alone, which the saver shows only
# when the settings let it; the settings folder made by the program itself; a runtime
# folder of the login's own.
export HOME="$DEB_SCRATCH/home" NO_AT_BRIDGE=1 XDG_RUNTIME_DIR="$DEB_SCRATCH/runtime"
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -m 700 "$XDG_RUNTIME_DIR"
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

# What a step waits for shows within this many seconds, on a busy machine too.
patience=${patience:-60}
# waited_for WHAT COMMAND...: runs the command until it succeeds; the test fails if it has
# not after $patience seconds.
waited_for() {
  local what=$1 end=$((SECONDS + patience))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || deb_fail "$what: not in $patience s"
    sleep 0.05
  done
}

# shown TITLE: the visible windows of that exact title.
shown() { xdotool search --onlyvisible --name "^$(sed 's/[][\.*^$?+(){}|]/\\&/g' <<<"$1")\$" 2>/dev/null; }
is_shown() { [ -n "$(shown "$1")" ]; }
is_gone() { [ -z "$(shown "$1")" ]; }
# takes_keys ID: whether the keyboard's presses reach the window: the focus is on it or on
# another window of its program, which passes them to the window that blocks it; or on the
# screen's root, where no window manager hands it on, with the pointer over the window.
root_window=$(($(xwininfo -root | awk '/Window id:/ { print $4 }')))
takes_keys() {
  local focus
  focus=$(xdotool getwindowfocus 2>/dev/null) || return 1
  [ "$focus" = "$root_window" ] || [ "$focus" = 1 ] ||
    xdotool search --onlyvisible --pid "$(xdotool getwindowpid "$1")" 2>/dev/null | grep -qx "$focus"
}
# window TITLE: the visible window of that title, once it shows.
window() {
  waited_for "the window \"$1\" showing" is_shown "$1"
  shown "$1" | head -1
}
# gone TITLE: once no window of that title shows.
gone() { waited_for "the window \"$1\" closing" is_gone "$1"; }
# ended PID: once the process has ended.
is_ended() { ! kill -0 "$1" 2>/dev/null; }

# read_text ID NAME PHRASE...: once tesseract reads each phrase in the window, its
# screenshot then kept as settings-NAME.png.
read_text() {
  local id=$1 name=$2 text= phrase missing end=$((SECONDS + patience))
  shift 2
  while :; do
    missing=
    if import -window "$id" "$DEB_SCRATCH/window.png" 2>/dev/null; then
      convert "$DEB_SCRATCH/window.png" -resize 300% -colorspace gray "$DEB_SCRATCH/ocr.png"
      text=$(tesseract "$DEB_SCRATCH/ocr.png" stdout 2>/dev/null | tr '\n' ' ' | tr -s ' ')
      for phrase in "$@"; do grep -qiF -- "$phrase" <<<"$text" || missing=$phrase; done
    else
      missing="its screenshot"
    fi
    [ -z "$missing" ] && break
    [ "$SECONDS" -lt "$end" ] || deb_fail "$name does not read \"$missing\" in $patience s: $text"
  done
  cp "$DEB_SCRATCH/window.png" "$artifacts/settings-$name.png"
  echo "ok: $name reads $(printf '"%s" ' "$@")"
}

# icon_beside_text ID: whether the message box shows a picture left of its text, with a
# band of blank columns between them, in its top 40 pixels (where a box without one starts
# its text at the margin).
icon_beside_text() {
  local width columns
  import -window "$1" "$DEB_SCRATCH/box.png" 2>/dev/null || return 1
  width=$(identify -format %w "$DEB_SCRATCH/box.png")
  columns=$(convert "$DEB_SCRATCH/box.png" -crop "${width}x40+0+0" +repage -fuzz 6% -fill white -opaque '#f6f5f4' \
    -fill black +opaque white -negate -colorspace gray -scale "${width}x1!" -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 { printf "%s", ($4 + 0 > 0 ? "#" : ".") }')
  [[ $columns =~ ^\.*#+\.{20,}# ]]
}

# place ID FORM CONTROL: the left, top, width and height in pixels of what the window shows
# of the control, from the control's design scaled to the window's width.
"$design_places" >"$DEB_SCRATCH/places" || deb_fail "the designs' places could not be listed"
place() {
  local form_width design WIDTH HEIGHT
  form_width=$(awk -v form="$2" '$1 == form && $2 == "-" { print $3 }' "$DEB_SCRATCH/places")
  design=$(awk -v form="$2" -v control="$3" '$1 == form && $2 == control { print $3, $4, $5, $6 }' \
    "$DEB_SCRATCH/places")
  [ -n "$form_width" ] && [ -n "$design" ] || deb_fail "no control $2.$3 in the designs"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  awk -v width="$WIDTH" -v form_width="$form_width" \
    '{ for (i = 1; i <= 4; i++) printf "%d ", $i * width / form_width; print "" }' <<<"$design"
}
# at ID FORM CONTROL: the pixel in the middle of the control.
at() {
  local left top width height
  read -r left top width height <<<"$(place "$@")"
  [ -n "$height" ] || exit 1
  echo $((left + width / 2)) $((top + height / 2))
}
# marked ID FORM CONTROL: whether the option or check box shows its mark, which the theme
# draws in its blue.
marked() {
  local left top width height
  read -r left top width height <<<"$(place "$@")"
  import -window "$1" -crop "${width}x$height+$left+$top" "$DEB_SCRATCH/mark.png" 2>/dev/null &&
    [ "$(convert "$DEB_SCRATCH/mark.png" -fuzz 8% -fill black +opaque '#3584e4' -fill white -opaque '#3584e4' \
      -colorspace gray -format '%[fx:round(mean*w*h)]' info:)" -gt 10 ]
}
# click ID FORM CONTROL [TIMES]: clicks the control in the window, once or that many times.
click() {
  local place
  place=$(at "$1" "$2" "$3") || exit 1
  xdotool mousemove --window "$1" $place click --repeat "${4:-1}" --delay 60 1
}
# keys ID KEY...: presses them in turn once the window takes them, the pointer over its
# corner, where no control is.
keys() {
  xdotool mousemove --window "$1" 1 1
  waited_for "window $1 taking the keys" takes_keys "$1"
  shift
  xdotool key --delay 80 "$@"
}

# start: the program, past its beta notice (read once), with the hub shown; $hub is its
# window and $running the program's process. What closes the notice is given as a command.
start() {
  "$program" 2>>"$DEB_SCRATCH/program.log" &
  running=$!
  notice=$(window 'Welcome to beta') || exit 1
  if [ -z "${notice_read:-}" ]; then
    read_text "$notice" beta-notice "This is a BETA edition of Version 4" "YOU ARE ENCOURGED TO REPORT THESE" \
      "$host/zorbel/"
    notice_read=1
  fi
  is_shown "$hub_title" && deb_fail "the hub showed before the beta notice closed"
  "$@"
  hub=$(window "$hub_title") || exit 1
}
# finish STATUS: the program, once ended, ended with that status.
finish() {
  waited_for "the program ending" is_ended "$running"
  wait "$running"
  deb_expect_eq "the program's exit status" "$1" "$?"
}
settings_bytes() { od -An -c "$settings" | tr -s ' '; }
# The file's identity, size and time to the nanosecond: a file replaced has another.
settings_stamp() { stat -c '%i %s %.9Y' "$settings"; }

# The journey by keyboard: Enter closes the notice, Alt+C opens the options, Down picks
# rude jokes, Tab reaches the delay (its text all selected), Tab and Space tick medical,
# Alt+O saves; Alt+R ends the program.
start eval 'keys "$notice" Return'
keys "$hub" alt+c
options=$(window "$options_title") || exit 1
read_text "$options" options-opened "Type of jokes" "Delay between jokes" "Medical terminology"
clean_alone() { marked "$options" Form2 Option1 && ! marked "$options" Form2 Option2 && ! marked "$options" Form2 Check1; }
waited_for "clean jokes alone showing as chosen" clean_alone

# Started again meanwhile, the program ends at once, showing nothing, and the running copy
# brings its windows forward, the dialog above the hub it blocks, even when the hub had been
# raised over it.
# above ID OTHER: whether the window lies above the other one on the screen (the root's
# children are listed from the top).
above() {
  xwininfo -root -children | awk -v upper="$(printf '0x%x' "$1")" -v lower="$(printf '0x%x' "$2")" \
    '$1 == upper { found = 1; exit } $1 == lower { exit } END { exit !found }'
}
xdotool windowraise "$hub"
waited_for "the hub raised over the dialog" above "$hub" "$options"
second_start=$(date +%s%N)
timeout 10 "$program" 2>>"$DEB_SCRATCH/program.log"
deb_expect_eq "the exit status of a second copy" 0 $?
echo "ok: the second copy ended after $((($(date +%s%N) - second_start) / 1000000)) ms"
is_shown 'Welcome to beta' && deb_fail "the second copy showed its beta notice"
waited_for "the dialog coming back over the hub" above "$options" "$hub"
echo "ok: the dialog is over the hub again"
[ -e "$XDG_RUNTIME_DIR/zorbel/settings-$DISPLAY.lock" ] || deb_fail "no lock in the runtime folder"

keys "$options" Down Tab
xdotool type --delay 80 3
keys "$options" Tab space
rude_and_medical() { marked "$options" Form2 Option2 && marked "$options" Form2 Check1 && ! marked "$options" Form2 Option1; }
waited_for "rude jokes and medical terms showing as chosen" rude_and_medical
read_text "$options" options-by-keyboard "Type of jokes"
keys "$options" alt+o
gone "$options_title"
deb_expect_eq "the settings after the keyboard's journey" "$(printf 'rude\r\nmedicalyes\r\n 3 \r\n' | od -An -c | tr -s ' ')" \
  "$(settings_bytes)"
keys "$hub" alt+r
finish 0

# The package's saver then shows the rude joke, the one joke the file has.
"$saver" -window >/dev/null 2>&1 &
saver_pid=$!
deb_on_exit "kill $saver_pid 2>/dev/null"
shown= end=$((SECONDS + patience))
while [ -z "$shown" ] && [ "$SECONDS" -lt "$end" ]; do
  import -window root "$DEB_SCRATCH/frame.png" || continue
  convert "$DEB_SCRATCH/frame.png" -colorspace gray -threshold 8% -negate "$DEB_SCRATCH/frame-ocr.png"
  if tesseract "$DEB_SCRATCH/frame-ocr.png" stdout 2>/dev/null | grep -q WIBBLESTICK; then
    shown=1
    cp "$DEB_SCRATCH/frame.png" "$artifacts/settings-saver-rude-joke.png"
  fi
done
kill "$saver_pid" 2>/dev/null
[ -n "$shown" ] || deb_fail "the saver showed no rude joke in $patience s (last frame: $(cp "$DEB_SCRATCH/frame.png" "$artifacts/settings-saver-last.png"; echo "$artifacts/settings-saver-last.png"))"
echo "ok: the saver started afterwards shows the rude joke"

# The journey by mouse: OK in the notice, Configure saver, the delay box (all of its text
# selected by a triple click, then typed over), the medical check box, the rude option, OK.
# On the way, a delay out of range and medical terms with clean jokes are refused, each by
# a box with its icon, and the dialog stays open.
rm -f "$settings"
# The notice's OK button spans the foot of its window.
click_notice_ok() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$notice")"
  xdotool mousemove --window "$notice" $((WIDTH / 2)) $((HEIGHT - 8)) click 1
}
start click_notice_ok
click "$hub" Form3 Command1
options=$(window "$options_title") || exit 1
# refused TITLE NAME PHRASE: the box of that title reads the phrase beside its icon, and
# Enter closes it.
refused() {
  local box
  box=$(window "$1") || exit 1
  read_text "$box" "$2" "$3"
  icon_beside_text "$box" || deb_fail "the box \"$1\" shows no icon beside its text"
  keys "$box" Return
  gone "$1"
}
click "$options" Form2 Text1 3
xdotool type --delay 80 99
click "$options" Form2 Command1
refused 'Zorbel Joke Screensaver Error!' invalid-delay "You entered an invalid delay"
click "$options" Form2 Text1 3
xdotool type --delay 80 12
click "$options" Form2 Check1
click "$options" Form2 Command1
refused 'Zorbel Saver Error' medical-needs-rude "if you have selected rude jokes"
[ -e "$settings" ] && deb_fail "a refused choice wrote the settings file"
click "$options" Form2 Option2
waited_for "rude jokes and medical terms showing as chosen" rude_and_medical
click "$options" Form2 Command1
gone "$options_title"
deb_expect_eq "the settings after the mouse's journey" "$(printf 'rude\r\nmedicalyes\r\n 12 \r\n' | od -An -c | tr -s ' ')" \
  "$(settings_bytes)"

# Cancel and Escape close the dialog and leave the file as it was, its time too.
before=$(settings_stamp)
click "$hub" Form3 Command1
options=$(window "$options_title") || exit 1
click "$options" Form2 Option2
keys "$options" Escape
gone "$options_title"
keys "$hub" alt+c
options=$(window "$options_title") || exit 1
keys "$options" Down
click "$options" Form2 Command3
gone "$options_title"
deb_expect_eq "the settings file after Escape and Cancel" "$before" "$(settings_stamp)"

# Every link hands its address to xdg-open; a link with a notice only once it is closed,
# which the notice's text on the screen shows is not yet.
# link NAME WINDOW FORM CONTROL NOTICE_TITLE NOTICE_PHRASE ADDRESS
link() {
  local name=$1 target=$2 form=$3 control=$4 notice_title=$5 phrase=$6 address=$7 lines
  lines=$(wc -l <"$opened")
  click "$target" "$form" "$control"
  if [ -n "$notice_title" ]; then
    local notice
    notice=$(window "$notice_title") || exit 1
    read_text "$notice" "notice-of-$form-$control" "$phrase"
    [ "$(wc -l <"$opened")" -eq "$lines" ] || deb_fail "$name opened a page before its notice was closed"
    keys "$notice" Return
    gone "$notice_title"
  fi
  waited_for "$name handing an address to xdg-open" eval '[ "$(wc -l <"$opened")" -gt "$lines" ]'
  deb_expect_eq "$name opens" "http://$host$address" "$(tail -n +$((lines + 1)) "$opened")"
}
link "the upgrade check" "$hub" Form3 Command3 'Upgrade - for *FREE*!' "CLICK OK TO UPGRADE" \
  "/zorbel/upgrade.cgi?jokesversion=2&appversion=4beta1&compatible=4"
link "the home-page button" "$hub" Form3 Command4 'VISIT OUR WEB SITE!' "Click OK below" "/zorbel/bounce.cgi?where=home"
link "the maker's-site button" "$hub" Form3 Command5 '' '' "/zorbel/bounce.cgi?where=dotcom"
link "the jokes-page button" "$hub" Form3 Command9 'Zorbel Joke SS' "jokes page" "/zorbel/bounce.cgi?where=zorbeljokes"
link "the product's address" "$hub" Form3 Label18 '' '' "/zorbel/bounce.cgi?where=home"
click "$hub" Form3 Command1
options=$(window "$options_title") || exit 1
link "the options' product link" "$options" Form2 Label13 'VISIT OUR WEB SITE!' "Click OK below" "/zorbel/bounce.cgi?where=home"
link "the options' sister-product link" "$options" Form2 Label15 'Upgrade - for *FREE*!' "sister-product" \
  "/zorbel/bounce.cgi?where=velmora"
keys "$options" Escape
gone "$options_title"

# The information window's two texts, one window for both.
click "$hub" Form3 Command6
about=$(window 'About the SS') || exit 1
read_text "$about" about "About the SS!" "The screensaver is a FREE product" "Please send comments to" \
  "Tarnwick Entertainment Company"
click "$hub" Form3 Command7
upgrades=$(window 'Free Upgrades') || exit 1
[ "$upgrades" = "$about" ] || deb_fail "About FREE upgrades opened a second window"
read_text "$upgrades" free-upgrades "How Free Upgrades work!" "Since Version 4, you can UPGRADE FREE" "JOKES upgrade"
keys "$upgrades" Return
gone 'Free Upgrades'
keys "$hub" alt+r
finish 0

# A copy that was killed keeps no later one out: the next one starts and shows its hub.
"$program" 2>>"$DEB_SCRATCH/program.log" &
running=$!
window 'Welcome to beta' >/dev/null || exit 1
kill -KILL "$running"
wait "$running" 2>/dev/null
start eval 'keys "$notice" Return'
keys "$hub" alt+r
finish 0

# A settings file without write permission: the run-time error box with code 70, the
# program ending with status 1 once it is closed, the file as it was.
chmod 444 "$settings"
before=$(settings_bytes)
start eval 'keys "$notice" Return'
keys "$hub" alt+c
options=$(window "$options_title") || exit 1
keys "$options" alt+o
failure=$(window Zorbel) || exit 1
read_text "$failure" read-only "Run-time error" "70" "Permission denied"
icon_beside_text "$failure" && deb_fail "the run-time error box shows an icon"
keys "$failure" Return
finish 1
deb_expect_eq "the read-only settings file" "$before" "$(settings_bytes)"

# Without a joke file (the user's gone, the collection not installed here): the start-up
# report alone, and status 1 once it is closed.
rm "$HOME/.local/share/zorbel/jokes.txt"
"$program" 2>>"$DEB_SCRATCH/program.log" &
running=$!
report=$(window "D'oh! An error occurred") || exit 1
read_text "$report" no-jokes "problem accessing the Joke database"
icon_beside_text "$report" || deb_fail "the start-up report shows no icon beside its text"
echo "ok: the start-up report shows its icon beside its text, the run-time error box none"
keys "$report" Return
finish 1
printf '"Zorbel Joke Database",2,4\r\nrude,0,0\r\nWIBBLESTICK RUDE\r\n</joke>\r\n' >"$HOME/.local/share/zorbel/jokes.txt"

# At the desktop's scale: with Xft.dpi at 144 the hub is half as large again as its design
# at 96 dots per inch (8475 by 6840 twips).
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t144\n')"
deb_on_exit "xprop -root -remove RESOURCE_MANAGER"
start eval 'keys "$notice" Return'
eval "$(xdotool getwindowgeometry --shell "$hub")"
deb_expect_eq "the hub's size at 144 dots per inch" 848x684 "${WIDTH}x$HEIGHT"
read_text "$hub" hub-at-144-dpi "Screensaver setup"
keys "$hub" alt+r
finish 0
xprop -root -remove RESOURCE_MANAGER

# Without a display: one line, status 1, no window.
message=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" 2>&1)
deb_expect_eq "the exit status without a display" 1 $?
deb_expect_eq "the line without a display" 'zorbel-settings: cannot open the display ""' "$message"
deb_pass
