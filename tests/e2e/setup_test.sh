#!/bin/bash
# Configuration mode under Wine: the beta notice, the hub, the options dialog with its
# checks and the file it writes, the information window, a web page opened through the
# shell, and the end of the program.
#   setup_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

host=${ZORBEL_WEB_HOST:-www.tw.example}
hub="Welcome to Zorbel Joke Screensaver - Version 4!"
options="Screen saver"

e2e_stand_in_browser
opened=$E2E_OPENED

# The text of the window's visible children of one class, one per line.
texts_of() { e2e_probe texts "$1" | awk -F'\t' -v class="$2" '$2 == class {print $4}'; }

# Presses OK in a message box titled $1 and waits until it is gone.
dismiss() {
  e2e_probe click "$1" OK || e2e_fail "no OK in \"$1\""
  e2e_probe gone "$1" 5 || e2e_fail "\"$1\" did not go"
}

# Clicks the middle of the visible child of window $1 whose text is $2, with the mouse.
click_on() {
  local rect
  rect=$(e2e_probe texts "$1" | awk -F'\t' -v text="$2" '$4 == text {print $3; exit}')
  [ -n "$rect" ] || e2e_fail "no \"$2\" in \"$1\""
  # shellcheck disable=SC2086
  set -- $rect
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) click 1
}

# Types into the options dialog's text box, replacing what it holds.
type_delay() {
  local rect text=$1
  rect=$(e2e_probe texts "$options" | awk -F'\t' '$2 == "Edit" {print $3; exit}')
  set -- $rect
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) click 1
  xdotool key ctrl+a BackSpace type "$text"
}

folder=$(e2e_workdir)
cp "$(dirname "$1")/jokes.txt" "$folder/"
started=$(date +%s.%N)
e2e_start "$folder" /c

e2e_probe wait "Welcome to beta" 20 >/dev/null || e2e_fail "no beta notice: $(e2e_probe list)"
echo "beta notice after $(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN {printf "%.2f", b - a}') s"
e2e_expect_eq "beta notice" "This is a BETA edition of Version 4 of the Zorbel Joke Screensaver. \r\n\r\nIt is not fully complete, and may have: unimplemented features, bugs and general mistakes. YOU ARE ENCOURGED TO REPORT THESE, through Tarnwick's online Faultwatch service which can be accessed at http://$host/zorbel/" \
  "$(texts_of "Welcome to beta" Static | grep -v '^$')"
e2e_probe wait "$hub" 0.2 >/dev/null && e2e_fail "the hub shows before the notice is closed"
dismiss "Welcome to beta"

e2e_probe wait "$hub" 5 >/dev/null || e2e_fail "no hub"
hub_texts=$(e2e_probe texts "$hub")
for text in "W H Y    I S     I T     F R E E ?" "&Configure saver" "Zorbel Joke Screen Saver - Version 4"; do
  grep -qF "$text" <<<"$hub_texts" || e2e_fail "hub text \"$text\" missing"
done
echo "ok: the hub and its texts"
e2e_screenshot setup-hub

# The options dialog: its design values, the two checks, then a save.
e2e_probe click "$hub" "&Configure saver"
e2e_probe wait "$options" 5 >/dev/null || e2e_fail "no options dialog"
e2e_expect_eq "delay box" "30" "$(texts_of "$options" Edit)"
e2e_screenshot setup-options

type_delay 1.99
e2e_probe click "$options" "&OK"
e2e_probe wait "Zorbel Joke Screensaver Error!" 5 >/dev/null || e2e_fail "no delay message for 1.99"
echo "ok: the delay message for 1.99"
dismiss "Zorbel Joke Screensaver Error!"

type_delay 12
click_on "$options" "Show medical?"
e2e_probe click "$options" "&OK"
e2e_probe wait "Zorbel Saver Error" 5 >/dev/null || e2e_fail "no medical message for clean with medical"
echo "ok: the medical message for clean jokes with medical terms"
dismiss "Zorbel Saver Error"

click_on "$options" "Rude jokes (jokes include sexual references, foul language and other offensive content). If you select rude jokes, you will also be shown clean jokes."
e2e_probe click "$options" "&OK"
e2e_probe gone "$options" 5 || e2e_fail "the dialog stays after a good OK"
e2e_expect_eq "settings file" "$(printf 'rude\r\nmedicalyes\r\n 12 \r\n' | od -c)" "$(od -c <"$folder/Qorv.ini")"

# Opened again it starts from its design; Enter presses nothing, Escape closes it and
# writes nothing.
e2e_probe click "$hub" "&Configure saver"
e2e_probe wait "$options" 5 >/dev/null || e2e_fail "no options dialog the second time"
e2e_expect_eq "delay box after a save" "30" "$(texts_of "$options" Edit)"
type_delay 20
xdotool key Return
sleep 0.5
e2e_probe wait "$options" 0 >/dev/null || e2e_fail "Enter in the text box closed the dialog"
echo "ok: Enter in the text box presses nothing"
xdotool key Escape
e2e_probe gone "$options" 5 || e2e_fail "Escape did not close the dialog"
e2e_expect_eq "settings file after Escape" "$(printf 'rude\r\nmedicalyes\r\n 12 \r\n' | od -c)" "$(od -c <"$folder/Qorv.ini")"

# One information window for both topics.
e2e_probe click "$hub" "About the SS"
e2e_probe wait "About the SS" 5 >/dev/null || e2e_fail "no information window"
e2e_probe click "$hub" "About FREE upgrades!"
e2e_probe wait "Free Upgrades" 5 >/dev/null || e2e_fail "the information window did not change"
e2e_probe gone "About the SS" 1 || e2e_fail "a second information window"
grep -qxF "How Free Upgrades work!" <<<"$(texts_of "Free Upgrades" Static)" || e2e_fail "no upgrades title"
echo "ok: one information window, now on free upgrades"
e2e_screenshot setup-information

# A page through the shell: the jokes page after its message.
e2e_probe click "$hub" "Zorbel jokes online!"
e2e_probe wait "Zorbel Joke SS" 5 >/dev/null || e2e_fail "no jokes-page message"
[ -s "$opened" ] && e2e_fail "the page opened before the message was closed"
dismiss "Zorbel Joke SS"
for tries in $(seq 100); do [ -s "$opened" ] && break; sleep 0.1; done
e2e_expect_eq "address opened" "http://$host/zorbel/bounce.cgi?where=zorbeljokes" "$(head -n 1 "$opened" 2>/dev/null)"

e2e_probe click "$hub" "&Return to control panel"
e2e_wait_exit 5 || e2e_fail "still running after Return to control panel"
e2e_expect_eq "exit status after Return to control panel" 0 "$E2E_STATUS"
e2e_pass
