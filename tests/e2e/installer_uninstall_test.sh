#!/bin/bash
# Uninstalls under Wine: through the pages with the box left cleared, the user's settings and
# jokes stay and the last page lists them with their folder; with it ticked nothing stays;
# silently they stay too, unless given /DELETEMYFILES, and then nothing of ours is left
# anywhere in the prefix's files or registry.
#   installer_uninstall_test.sh ZORBEL_SCR WINPROBE_EXE INSTALLER ZIP STAGE
set -u
source "$(dirname "$0")/installer_lib.sh"
installer_init "$@"
installer_fresh_install
# What a user leaves in the folder: settings, changed jokes and two kept by upgrades.
printf 'clean\r\nmedicalno\r\n 30 \r\n' >"$E2E_SCRATCH/Qorv.ini"
for number in 1 2 3; do
  { cat "$stage/jokes.txt"; printf 'clean,0,0\r\nMine, number %s.\r\n</joke>\r\n' "$number"; } >"$E2E_SCRATCH/mine-$number.txt"
done
cp "$E2E_SCRATCH/Qorv.ini" "$folder/Qorv.ini"
cp "$E2E_SCRATCH/mine-1.txt" "$folder/my-jokes.txt"
cp "$E2E_SCRATCH/mine-2.txt" "$folder/my-jokes-2.txt"
cp "$E2E_SCRATCH/mine-3.txt" "$folder/jokes.txt"
# A save cut off before its rename leaves its temporary, which goes with the program.
printf 'clean\r\n' >"$folder/Qorv.ini.k3v9x0qa.tmp"
wine "$folder/Uninstall.exe" &

# --- The uninstall through its pages, the tick box left cleared: what the user made stays,
# and the last page lists it with its folder.
wizard_page "$uninstaller_title" "Also delete my settings and my own jokes"
e2e_screenshot uninstall-confirm
press "&Uninstall"
wizard_page "$uninstaller_title" "Click Finish"
e2e_screenshot uninstall-finish-kept
kept_page=$(page_text "were kept")
e2e_expect_eq "the last page names the folder" \
  "Zorbel Joke Screensaver is removed. These files of yours were kept, in the folder \"$folder_win\":" \
  "$(head -n 1 <<<"$kept_page")"
e2e_expect_eq "the last page lists the kept files" \
  "$(printf '    %s\n' Qorv.ini jokes.txt my-jokes-2.txt my-jokes.txt)" \
  "$(grep '^    ' <<<"$kept_page" | LC_ALL=C sort)"
grep -qxF "A later install uses them again. To delete them, delete the folder." <<<"$kept_page" ||
  e2e_fail "the last page does not say how to delete them: $kept_page"
press "&Finish"
e2e_until 10 eval '[ ! -e "$folder/Uninstall.exe" ]'
e2e_expect_eq "what an uninstall keeps" "$(printf '%s\n' Qorv.ini jokes.txt my-jokes-2.txt my-jokes.txt)" \
  "$(files_in "$folder")"
expect_file "kept: Qorv.ini" "$E2E_SCRATCH/Qorv.ini" "$folder/Qorv.ini"
expect_file "kept: the changed jokes.txt" "$E2E_SCRATCH/mine-3.txt" "$folder/jokes.txt"
expect_file "kept: my-jokes.txt" "$E2E_SCRATCH/mine-1.txt" "$folder/my-jokes.txt"
[ -e "$shortcut" ] && e2e_fail "the shortcut is still there"
reg_value "$uninstall_key" DisplayName >/dev/null && e2e_fail "the Apps & features entry is still there"

# --- Installed again over what was kept, then uninstalled through its pages with the box
# ticked: nothing stays.
wine "$installer" /S || e2e_fail "the install over the kept files failed"
expect_file "the kept settings used again" "$E2E_SCRATCH/Qorv.ini" "$folder/Qorv.ini"
wine "$folder/Uninstall.exe" &
wizard_page "$uninstaller_title" "Also delete my settings and my own jokes"
press "Also delete my settings and my own jokes"
press "&Uninstall"
wizard_page "$uninstaller_title" "Click Finish"
e2e_expect_eq "the last page when nothing was kept" \
  "Zorbel Joke Screensaver is removed from your computer." "$(page_text "Click Finish" | head -n 1)"
e2e_screenshot uninstall-finish-deleted
press "&Finish"
e2e_until 10 eval '[ ! -e "$folder" ]'
[ -e "$folder" ] && e2e_fail "the folder stays after deleting on request: $(files_in "$folder")"
echo "ok: the uninstall that deletes on request leaves no folder"

# --- Silent uninstalls: they keep the user's files too, unless given /DELETEMYFILES.
wine "$installer" /S || e2e_fail "the silent install failed"
cp "$E2E_SCRATCH/Qorv.ini" "$folder/Qorv.ini"
cp "$E2E_SCRATCH/mine-1.txt" "$folder/my-jokes.txt"
cp "$E2E_SCRATCH/mine-2.txt" "$folder/jokes.txt"
silent_uninstall "$folder"
e2e_expect_eq "what a silent uninstall keeps" "$(printf '%s\n' Qorv.ini jokes.txt my-jokes.txt)" "$(files_in "$folder")"
expect_file "silently kept: jokes.txt" "$E2E_SCRATCH/mine-2.txt" "$folder/jokes.txt"
wine "$installer" /S || e2e_fail "the silent install over the kept files failed"
e2e_expect_eq "SCRNSAVE.EXE" "$(wine winepath -s "$scr_win" | tr -d '\r')" "$(saver_chosen)"
silent_uninstall "$folder" /DELETEMYFILES
[ -e "$folder" ] && e2e_fail "the install folder is still there: $(files_in "$folder")"
reg_value "$desktop_key" SCRNSAVE.EXE >/dev/null && e2e_fail "SCRNSAVE.EXE still names the saver"
# Nothing of ours anywhere: neither in the prefix's files (but for the uninstaller's copy of
# itself in the temporary folder, which Windows' own cleaning removes) nor in its registry.
leftovers=$(find "$WINEPREFIX/drive_c" \( -iname '*zorbel*' -o -iname 'qorv.ini*' -o -iname 'my-jokes*' \) \
  -not -path '*/Temp/~nsu*')
e2e_expect_eq "files of ours left anywhere" "" "$leftovers"
e2e_expect_eq "registry lines of ours left" "" "$(grep -i -h zorbel "$WINEPREFIX"/*.reg)"
e2e_pass
