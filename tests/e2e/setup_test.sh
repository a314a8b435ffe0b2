#!/bin/bash
# Configuration mode under Wine: the beta notice, the hub, the options dialog with its
# checks and the file it writes, the information window, a web page opened through the
# shell, and the end of the program.
#   setup_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

hub=$E2E_HUB options=$E2E_OPTIONS
e2e_stand_in_browser

# Presses OK in a message box titled $1 and waits until it is gone.
dismiss() {
  e2e_probe click "$1" OK || e2e_fail "no OK in \"$1\""
  e2e_probe gone "$1" 20 || e2e_fail "\"$1\" did not go"
}

# type_delay SHOWN TYPED: in the options dialog's delay box, which holds SHOWN, types TYPED
# in its place.
type_delay() {
  e2e_click_on "$options" "$1"
  xdotool key ctrl+a BackSpace type "$2"
}

folder=$(e2e_workdir)
cp "$(dirname "$1")/jokes.txt" "$folder/"
started=$(date +%s.%N)
e2e_start "$folder" /c

e2e_probe wait "Welcome to beta" 45 >/dev/null || e2e_fail "no beta notice: $(e2e_probe list)"
echo "beta notice after $(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN {printf "%.2f", b - a}') s"
e2e_expect_eq "beta notice" "This is a BETA edition of Version 4 of the Zorbel Joke Screensaver. \r\n\r\nIt is not fully complete, and may have: unimplemented features, bugs and general mistakes. YOU ARE ENCOURGED TO REPORT THESE, through Tarnwick's online Faultwatch service which can be accessed at http://$E2E_HOST/zorbel/" \
  "$(e2e_texts "Welcome to beta" Static | grep -v '^$')"
e2e_probe wait "$hub" 0.2 >/dev/null && e2e_fail "the hub shows before the notice is closed"
dismiss "Welcome to beta"

e2e_probe wait "$hub" 20 >/dev/null || e2e_fail "no hub"
hub_texts=$(e2e_probe texts "$hub")
for text in "W H Y    I S     I T     F R E E ?" "&Configure saver" "Zorbel Joke Screen Saver - Version 4"; do
  grep -qF "$text" <<<"$hub_texts" || e2e_fail "hub text \"$text\" missing"
done
echo "ok: the hub and its texts"
e2e_screenshot setup-hub

# The options dialog: its design values, the medical check, then a save.
e2e_probe click "$hub" "&Configure saver"
e2e_probe wait "$options" 20 >/dev/null || e2e_fail "no options dialog"
e2e_expect_eq "delay box" "30" "$(e2e_texts "$options" Edit)"
e2e_screenshot setup-options

# (The delay message is the keyboard suite's, reached there with Alt+O.)
type_delay 30 12
e2e_click_on "$options" "Show medical?"
e2e_probe click "$options" "&OK"
e2e_probe wait "Zorbel Saver Error" 20 >/dev/null || e2e_fail "no medical message for clean with medical"
echo "ok: the medical message for clean jokes with medical terms"
dismiss "Zorbel Saver Error"

e2e_click_on "$options" "Rude jokes (jokes include sexual references, foul language and other offensive content). If you select rude jokes, you will also be shown clean jokes."
e2e_probe click "$options" "&OK"
e2e_probe gone "$options" 20 || e2e_fail "the dialog stays after a good OK"
e2e_expect_eq "settings file" "$(printf 'rude\r\nmedicalyes\r\n 12 \r\n' | od -c)" "$(od -c <"$folder/Qorv.ini")"

# Opened again it starts from its design; Enter presses nothing, Escape closes it and
# writes nothing.
e2e_probe click "$hub" "&Configure saver"
e2e_probe wait "$options" 20 >/dev/null || e2e_fail "no options dialog the second time"
e2e_expect_eq "delay box after a save" "30" "$(e2e_texts "$options" Edit)"
type_delay 30 20
xdotool key Return
e2e_probe gone "$options" 1 && e2e_fail "Enter in the text box closed the dialog"
echo "ok: Enter in the text box presses nothing"
xdotool key Escape
e2e_probe gone "$options" 20 || e2e_fail "Escape did not close the dialog"
e2e_expect_eq "settings file after Escape" "$(printf 'rude\r\nmedicalyes\r\n 12 \r\n' | od -c)" "$(od -c <"$folder/Qorv.ini")"

# One information window for both topics.
e2e_probe click "$hub" "About the SS"
e2e_probe wait "About the SS" 20 >/dev/null || e2e_fail "no information window"
e2e_probe click "$hub" "About FREE upgrades!"
e2e_probe wait "Free Upgrades" 20 >/dev/null || e2e_fail "the information window did not change"
e2e_probe gone "About the SS" 20 || e2e_fail "a second information window"
grep -qxF "How Free Upgrades work!" <<<"$(e2e_texts "Free Upgrades" Static)" || e2e_fail "no upgrades title"
echo "ok: one information window, now on free upgrades"
e2e_screenshot setup-information

e2e_jokes_page "the hub's jokes link"
e2e_probe click "$hub" "&Return to control panel"
e2e_wait_exit 20 || e2e_fail "still running after Return to control panel"
e2e_expect_eq "exit status after Return to control panel" 0 "$E2E_STATUS"
e2e_pass
