#!/bin/bash
# A running copy under Wine: the silent installer and uninstaller wait 10 seconds for it,
# then give up with a failure and change nothing; the installer through its pages asks to
# close the program and its Cancel changes nothing; the uninstaller's Retry asks again while
# the program runs and goes on once it has ended.
#   installer_running_copy_test.sh ZORBEL_SCR WINPROBE_EXE INSTALLER ZIP STAGE
set -u
source "$(dirname "$0")/installer_lib.sh"
installer_init "$@"
installer_fresh_install
printf 'clean\r\nmedicalno\r\n 30 \r\n' >"$folder/Qorv.ini"

# --- A running copy: the installer and the uninstaller wait for it and change nothing.
printf 'clean,0,0\r\nWhile it ran.\r\n</joke>\r\n' >>"$folder/jokes.txt"
files_before=$(snapshot "$folder")
registry_before=$(wine reg query "$uninstall_key" | tr -d '\r')
unchanged() {
  e2e_expect_eq "$1: the folder unchanged" "$files_before" "$(snapshot "$folder")"
  e2e_expect_eq "$1: the Apps & features entry unchanged" "$registry_before" "$(wine reg query "$uninstall_key" | tr -d '\r')"
}
e2e_start "$folder" /c
e2e_probe wait "$notice" 20 >/dev/null || e2e_fail "the installed program did not start"
started=$(date +%s.%N)
wine "$installer" /S && e2e_fail "a silent install beside a running copy ended with status 0"
took=$(seconds_since "$started")
awk -v t="$took" 'BEGIN {exit !(t >= 9.5 && t < 20)}' || e2e_fail "it gave up after $took s, not 10"
echo "ok: a silent install beside a running copy gave up after $took s"
unchanged "a silent install beside a running copy"
# Run in place (_?=) the uninstaller waits for its own work, so its exit status is its own.
wine "$folder/Uninstall.exe" /S "_?=$folder_win" && e2e_fail "a silent uninstall beside a running copy ended with status 0"
unchanged "a silent uninstall beside a running copy"
wine "$installer" &
installer_pid=$!
wizard_page "$installer_title" "is running"
e2e_expect_eq "the installer's request to close the program" \
  "$(printf 'Zorbel Joke Screensaver is running: its setup window or the screen saver is open.\n\nClose it, then click Retry. Cancel stops here and changes nothing.')" \
  "$(page_text "is running")"
e2e_screenshot installer-running-copy
press "Cancel"
wait "$installer_pid" && e2e_fail "the installer cancelled beside a running copy ended with status 0"
unchanged "an install cancelled beside a running copy"
wine "$folder/Uninstall.exe" &
wizard_page "$uninstaller_title" "is running"
asked=$(e2e_probe wait "$WIZARD" 0)
press "&Retry"
# The question goes and comes back: another window of that title.
asked_again() { local now; now=$(e2e_probe wait "$WIZARD" 0) && [ "$now" != "$asked" ]; }
e2e_until 20 asked_again || e2e_fail "Retry while the program runs did not ask again"
wizard_page "$uninstaller_title" "is running"
echo "ok: Retry while the program still runs asks again"
e2e_probe click "$notice" OK
e2e_probe wait "$hub" 20 >/dev/null || e2e_fail "no hub"
e2e_probe click "$hub" "&Return to control panel"
e2e_wait_exit 20 || e2e_fail "the program did not end"
press "&Retry"
wizard_page "$uninstaller_title" "Also delete my settings and my own jokes"
echo "ok: Retry once the program has ended goes on with the uninstall"
press "&Uninstall"
wizard_page "$uninstaller_title" "Click Finish"
press "&Finish"
e2e_until 20 eval '[ ! -e "$folder/Uninstall.exe" ]' || e2e_fail "the uninstall after Retry removed nothing"
e2e_pass
