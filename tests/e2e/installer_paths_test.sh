#!/bin/bash
# An install under Wine into a folder of a long name (its short form differs): the chosen
# saver is written in short form, as Windows' own Install writes it; with another saver
# chosen later and a file of the user's beside ours, the uninstall removes ours and leaves
# the rest alone.
#   installer_paths_test.sh ZORBEL_SCR WINPROBE_EXE INSTALLER ZIP STAGE
set -u
source "$(dirname "$0")/installer_lib.sh"
installer_init "$@"
installer_fresh_prefix

folder_win="$(windows_variable USERPROFILE)\\ZorbelSaverFolder"
folder=$(unix_path "$folder_win")
wine "$installer" /S "/D=$folder_win" || e2e_fail "the silent install into $folder_win failed"
shortcut=$(installed_shortcut)
short=$(wine winepath -s "$folder_win\\Zorbel.scr" | tr -d '\r')
[ "$short" = "$folder_win\\Zorbel.scr" ] && e2e_fail "Wine gives no short path for $folder_win"
e2e_expect_eq "SCRNSAVE.EXE in short form" "$short" "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
e2e_expect_eq "InstallLocation" "$folder_win" "$(reg_value "$uninstall_key" InstallLocation)"
wine reg add "$desktop_key" /v SCRNSAVE.EXE /t REG_SZ /d "$other_saver" /f >/dev/null 2>&1
echo "my notes" >"$folder/notes.txt"
silent_uninstall "$folder"
e2e_expect_eq "the user's file is all that stays" "notes.txt" "$(files_in "$folder")"
e2e_expect_eq "another saver's SCRNSAVE.EXE" "$other_saver" \
  "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
e2e_pass
