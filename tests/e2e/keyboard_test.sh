#!/bin/bash
# The setup windows with the keyboard under Wine, read back from the control that holds the
# focus: the Tab cycles of the hub and the options dialog both ways, the option group's
# arrows, typing on after the delay message, Enter after a click on the information
# window's text, and a link pressed but released elsewhere.
#   keyboard_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

host=$E2E_HOST domain=$E2E_DOMAIN hub=$E2E_HUB options=$E2E_OPTIONS
rude="Rude jokes (jokes include sexual references, foul language and other offensive content). If you select rude jokes, you will also be shown clean jokes."

e2e_stand_in_browser

# The caption (or text) of the control holding the focus in window $1.
focused() { e2e_probe focus "$1" | cut -f4; }
# focus_is WINDOW TEXT: the control holding the focus in the window shows TEXT.
focus_is() { [ "$(focused "$1")" = "$2" ]; }

# focus_after WINDOW TEXT: prints the focused caption once it is TEXT, or as it is after 5 s.
focus_after() {
  e2e_until 20 focus_is "$1" "$2"
  focused "$1"
}

# keys_cycle WINDOW KEY COUNT: presses KEY COUNT times, printing the focused caption once the
# focus has moved after each (or as it is when it has not moved in 20 s).
keys_cycle() {
  local i focus
  focus=$(focused "$1")
  for i in $(seq "$3"); do
    xdotool key "$2"
    focus=$(focus_moved_from "$1" "$focus")
    echo "$focus"
  done
}
# focus_moved_from WINDOW TEXT: prints the focused caption once it is not TEXT, or after 20 s.
focus_moved_from() {
  local deadline=$((SECONDS + 20)) now
  while now=$(focused "$1"); [ "$now" = "$2" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
  echo "$now"
}

e2e_open_hub
e2e_expect_eq "the hub's first focus" "Click here to visit $domain" "$(focus_after "$hub" "Click here to visit $domain")"
e2e_expect_eq "the hub's Tab cycle" \
  "$(printf '%s\n' "Click here for Help!" "&Configure saver" "&Return to control panel" \
     "Check $domain for upgrades!" "Visit Zorbel Joke Screensaver homepage!" "About the SS" \
     "About FREE upgrades!" "Zorbel jokes online!" "Click here to visit $domain")" \
  "$(keys_cycle "$hub" Tab 9)"
e2e_expect_eq "the hub's Shift+Tab" \
  "$(printf '%s\n' "Zorbel jokes online!" "About FREE upgrades!")" "$(keys_cycle "$hub" shift+Tab 2)"

# The options dialog, opened from the keyboard; Escape brings the focus back to the hub.
xdotool key alt+c
e2e_probe wait "$options" 20 >/dev/null || e2e_fail "Alt+C opened no options dialog"
e2e_expect_eq "the dialog's first focus" "Clean jokes (suitable for all ages)" \
  "$(focus_after "$options" "Clean jokes (suitable for all ages)")"
e2e_expect_eq "the dialog's Tab cycle" \
  "$(printf '%s\n' 30 "Show medical?" "&OK" "Use &defaults" "&Cancel" "Clean jokes (suitable for all ages)")" \
  "$(keys_cycle "$options" Tab 6)"
e2e_expect_eq "the dialog's Shift+Tab" "$(printf '%s\n' "&Cancel" "Use &defaults")" "$(keys_cycle "$options" shift+Tab 2)"
keys_cycle "$options" Tab 2 >/dev/null
e2e_expect_eq "Down in the option group" "$rude" "$(keys_cycle "$options" Down 1)"
keys_cycle "$options" Tab 1 >/dev/null
e2e_expect_eq "Shift+Tab back to the selected option" "$rude" "$(keys_cycle "$options" shift+Tab 1)"
e2e_screenshot keyboard-options

# Typing goes on in the delay box after its message.
e2e_expect_eq "Tab to the delay box" 30 "$(keys_cycle "$options" Tab 1)"
xdotool key ctrl+a BackSpace type 1
xdotool key alt+o
e2e_probe wait "Zorbel Joke Screensaver Error!" 20 >/dev/null || e2e_fail "no delay message"
xdotool key Return
e2e_probe gone "Zorbel Joke Screensaver Error!" 20 || e2e_fail "Enter left the delay message"
e2e_expect_eq "the focus back in the delay box" 1 "$(focus_after "$options" 1)"
xdotool type 5
e2e_expect_eq "typed after the delay message" 15 "$(focus_after "$options" 15)"
xdotool key Escape
e2e_probe gone "$options" 20 || e2e_fail "Escape left the dialog"
e2e_expect_eq "the hub's focus after the dialog" "About FREE upgrades!" \
  "$(focus_after "$hub" "About FREE upgrades!")"

# Enter after a click on the information window's text presses "OK!".
xdotool key shift+Tab Return
e2e_probe wait "About the SS" 20 >/dev/null || e2e_fail "no information window"
e2e_until 20 focus_is "About the SS" "OK!" || e2e_fail "the information window has no focus on OK!"
e2e_click_on "About the SS" "About the SS!"
xdotool key Return
e2e_probe gone "About the SS" 20 || e2e_fail "Enter after a click on the text left the window open"
echo "ok: Enter after a click on the information window's text"

# A link pressed and released elsewhere opens nothing; pressed and released on it, it opens.
e2e_middle "$hub" "http://$host/zorbel/ - CLICK HERE"
xdotool mousemove "$E2E_X" "$E2E_Y" mousedown 1 mousemove "$E2E_X" $((E2E_Y + 40)) mouseup 1
# Then a whole click: the page opens once. Had the press slid off opened it, a second
# address would be there with it, or within a second after.
xdotool mousemove "$E2E_X" "$E2E_Y" click 1
e2e_expect_eq "the link's whole click" "http://$host/zorbel/bounce.cgi?where=home" "$(e2e_opened)"
opened_twice() { [ "$(wc -l <"$E2E_OPENED")" -ge 2 ]; }
e2e_until 1 opened_twice && e2e_fail "a press slid off the link opened the page too"
echo "ok: a press slid off the link opens nothing"
e2e_pass
