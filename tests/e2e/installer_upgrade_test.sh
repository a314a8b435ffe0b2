#!/bin/bash
# Upgrades under Wine, over an installed copy with settings saved: they keep Qorv.ini byte
# for byte and a changed jokes.txt beside the new one, and say so on their pages; they never
# take back another saver the user chose.
#   installer_upgrade_test.sh ZORBEL_SCR WINPROBE_EXE INSTALLER ZIP STAGE
set -u
source "$(dirname "$0")/installer_lib.sh"
installer_init "$@"
installer_fresh_install
printf 'clean\r\nmedicalno\r\n 30 \r\n' >"$folder/Qorv.ini"
cp "$folder/Qorv.ini" "$E2E_SCRATCH/Qorv.ini"

# --- Upgrades: the settings stay byte for byte; a changed jokes.txt is kept beside the new.
upgrade() {
  wine "$installer" /S || e2e_fail "the silent upgrade failed"
  expect_file "$1: Qorv.ini" "$E2E_SCRATCH/Qorv.ini" "$folder/Qorv.ini"
  expect_file "$1: jokes.txt" "$stage/jokes.txt" "$folder/jokes.txt"
  e2e_expect_eq "$1: files" "$(sort <<<"$shipped"$'\nUninstall.exe\nQorv.ini'"$2")" \
    "$(files_in "$folder" | sort)"
}
upgrade "upgrade over unchanged jokes" ""
printf 'clean,0,0\r\nA zorbel upgraded his jokes.\r\n</joke>\r\n' >>"$folder/jokes.txt"
cp "$folder/jokes.txt" "$E2E_SCRATCH/mine-1.txt"
upgrade "upgrade over changed jokes" $'\nmy-jokes.txt'
expect_file "the changed jokes kept" "$E2E_SCRATCH/mine-1.txt" "$folder/my-jokes.txt"

# upgrade_through_pages NAME: the installer run over the installed copy through its pages,
# leaving the setup window unopened, each page in a screenshot named after NAME; sets
# WELCOME and FINISH to the first lines of those pages' texts.
upgrade_through_pages() {
  wine "$installer" &
  local pid=$!
  wizard_page "$installer_title" "is installed already"
  WELCOME=$(page_text "is installed already" | head -n 1)
  e2e_screenshot "installer-$1-welcome"
  press "&Next >"
  wizard_page "$installer_title" "Choose which features"
  e2e_screenshot "installer-$1-components"
  press "&Install"
  wizard_page "$installer_title" "Click Finish"
  FINISH=$(page_text "Click Finish" | head -n 1)
  e2e_screenshot "installer-$1-finish"
  press "Open the Zorbel setup window now"
  press "&Finish"
  wait "$pid" || e2e_fail "the upgrade through its pages ($1) failed"
}

# --- An upgrade through its pages over changed jokes: the Welcome page says that it upgrades
# and keeps the settings, the Finish page names the kept file and how to use it again.
printf 'clean,0,0\r\nA third.\r\n</joke>\r\n' >>"$folder/jokes.txt"
cp "$folder/jokes.txt" "$E2E_SCRATCH/mine-2.txt"
chosen=$(saver_chosen)
upgrade_through_pages upgrade-kept-jokes
e2e_expect_eq "the Welcome page of an upgrade" \
  "Zorbel Joke Screensaver $version is installed already. Installing $version upgrades it: your settings are kept, and so are your own jokes." \
  "$WELCOME"
e2e_expect_eq "the Finish page of an upgrade that kept changed jokes" \
  "Your changed jokes.txt is kept as my-jokes-2.txt in the program's folder, and this version's jokes.txt is in its place. To show your jokes again, copy them from my-jokes-2.txt into jokes.txt, or rename my-jokes-2.txt to jokes.txt." \
  "$FINISH"
expect_file "the first kept jokes" "$E2E_SCRATCH/mine-1.txt" "$folder/my-jokes.txt"
expect_file "the second kept jokes, named past the first" "$E2E_SCRATCH/mine-2.txt" "$folder/my-jokes-2.txt"
expect_file "upgrade through the pages: jokes.txt" "$stage/jokes.txt" "$folder/jokes.txt"
e2e_expect_eq "upgrade through the pages: the saver chosen" "$chosen" "$(saver_chosen)"

# --- An upgrade never takes back another saver the user chose, silent or through its pages,
# and "Use as my screen saver" then stays as the user left it.
wine reg add "$desktop_key" /v SCRNSAVE.EXE /t REG_SZ /d "$other_saver" /f >/dev/null 2>&1
wine "$installer" /S || e2e_fail "the silent upgrade over another saver failed"
e2e_expect_eq "a silent upgrade over another saver" "$other_saver" "$(saver_chosen)"
expect_file "a silent upgrade over another saver: jokes.txt" "$stage/jokes.txt" "$folder/jokes.txt"
e2e_expect_eq "a silent upgrade over another saver: files" \
  "$(sort <<<"$shipped"$'\nUninstall.exe\nQorv.ini\nmy-jokes.txt\nmy-jokes-2.txt')" \
  "$(files_in "$folder" | sort)"
upgrade_through_pages upgrade-other-saver
e2e_expect_eq "an upgrade through its pages over another saver" "$other_saver" "$(saver_chosen)"
wine reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
wine "$installer" /S || e2e_fail "the silent upgrade with no saver chosen failed"
e2e_expect_eq "an upgrade after one that did not choose Zorbel" "(none)" "$(saver_chosen)"
e2e_pass
