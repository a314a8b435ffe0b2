#!/bin/bash
# The Windows user's journey under Wine, in a new Wine prefix: the portable zip; a silent
# install and what it leaves (files, registry values, the Start-menu shortcut); the setup
# window opened through that shortcut, saving Qorv.ini beside the installed program;
# upgrades that keep Qorv.ini and a changed jokes.txt; silent uninstalls, one with the saver
# still chosen and one with another saver chosen and a file of the user's in the folder.
#   installer_test.sh ZORBEL_SCR WINPROBE_EXE INSTALLER ZIP STAGE
# STAGE is the build's folder of shipped files, which both the zip and the installer carry.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
installer=$(realpath "$3")
zip=$(realpath "$4")
stage=$(realpath "$5")
version=$(basename "$installer" | sed -n 's/^Zorbel-\(.*\)-setup\.exe$/\1/p')
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorbel'
desktop_key='HKCU\Control Panel\Desktop'
notice="Welcome to beta"
hub="Welcome to Zorbel Joke Screensaver - Version 4!"
options="Screen saver"

seconds_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN {printf "%.1f", b - a}'; }
# The Unix path of a path on drive C: of the prefix.
unix_path() { local rest=${1#C:\\}; echo "$WINEPREFIX/drive_c/${rest//\\//}"; }
# A folder's files, one name a line, sorted.
files_in() { (cd "$1" && LC_ALL=C ls -A); }
# reg_value KEY NAME: the value's data as "wine reg" shows it (a DWORD as 0x...); fails
# when the value or the key is missing.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -F'    ' -v name="$2" '$2 == name {print $4; found = 1} END {exit !found}'
}
expect_file() { cmp -s "$2" "$3" || e2e_fail "$1: $3 differs from $2"; echo "ok: $1"; }

echo "sizes: $(basename "$installer") $(stat -c %s "$installer") bytes, $(basename "$zip") $(stat -c %s "$zip") bytes"

# --- What both downloads ship: the zip holds exactly the staged files.
shipped=$(files_in "$stage")
for name in Zorbel.scr ZorbelCheck.exe jokes.txt README.txt; do
  grep -qxF "$name" <<<"$shipped" || e2e_fail "$name is not among the shipped files"
done
expect_file "the shipped program" "$E2E_PROGRAM" "$stage/Zorbel.scr"
expect_file "the shipped joke database" "$(dirname "$E2E_PROGRAM")/jokes.txt" "$stage/jokes.txt"
mkdir "$E2E_SCRATCH/zip"
(cd "$E2E_SCRATCH/zip" && cmake -E tar xf "$zip") || e2e_fail "the zip does not unpack"
diff -r "$stage" "$E2E_SCRATCH/zip" >/dev/null || e2e_fail "the zip's files differ from the shipped ones"
echo "ok: the zip holds $(tr '\n' ' ' <<<"$shipped")"
grep -q $'[^\r]$' "$stage/README.txt" && e2e_fail "README.txt has a line without CR LF"
LC_ALL=C grep -q $'[\x80-\xff]' "$stage/README.txt" && e2e_fail "README.txt is not plain ASCII"
grep -qF "my-jokes.txt" "$stage/README.txt" || e2e_fail "README.txt does not name the kept jokes file"
echo "ok: README.txt is ASCII with CR LF lines"

# --- A new prefix; a silent install.
started=$(date +%s.%N)
export XDG_DATA_HOME="$E2E_SCRATCH/xdg"
e2e_fresh_prefix
echo "a new Wine prefix in $(seconds_since "$started") s"
started=$(date +%s.%N)
wine "$installer" /S || e2e_fail "the silent install failed"
echo "silent install: $(seconds_since "$started") s"

environment=$(wine cmd /c set | tr -d '\r')
windows_variable() { sed -n "s/^$1=//Ip" <<<"$environment"; }
folder_win="$(windows_variable LOCALAPPDATA)\\Programs\\Zorbel"
folder=$(unix_path "$folder_win")
scr_win="$folder_win\\Zorbel.scr"
e2e_expect_eq "installed files" "$(sort <<<"$shipped"$'\nUninstall.exe')" "$(files_in "$folder" | sort)"
for name in $shipped; do cmp -s "$stage/$name" "$folder/$name" || e2e_fail "installed $name differs"; done
echo "ok: the installed files are the shipped ones"

e2e_expect_eq "DisplayName" "Zorbel Joke Screensaver" "$(reg_value "$uninstall_key" DisplayName)"
e2e_expect_eq "DisplayVersion" "$version" "$(reg_value "$uninstall_key" DisplayVersion)"
e2e_expect_eq "Publisher" "Tarnwick Entertainment" "$(reg_value "$uninstall_key" Publisher)"
e2e_expect_eq "InstallLocation" "$folder_win" "$(reg_value "$uninstall_key" InstallLocation)"
e2e_expect_eq "UninstallString" "\"$folder_win\\Uninstall.exe\"" "$(reg_value "$uninstall_key" UninstallString)"
e2e_expect_eq "QuietUninstallString" "\"$folder_win\\Uninstall.exe\" /S" \
  "$(reg_value "$uninstall_key" QuietUninstallString)"
e2e_expect_eq "DisplayIcon" "$scr_win" "$(reg_value "$uninstall_key" DisplayIcon)"
e2e_expect_eq "NoModify" "0x1" "$(reg_value "$uninstall_key" NoModify)"
e2e_expect_eq "NoRepair" "0x1" "$(reg_value "$uninstall_key" NoRepair)"
kilobytes=$(( $(cat "$folder"/* | wc -c) / 1024 ))
e2e_expect_eq "EstimatedSize" "$kilobytes" "$(( $(reg_value "$uninstall_key" EstimatedSize) ))"
# Windows' own Install writes the program's short (8.3) path; winepath -s gives Wine's.
e2e_expect_eq "SCRNSAVE.EXE" "$(wine winepath -s "$scr_win" | tr -d '\r')" \
  "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
e2e_expect_eq "ScreenSaveActive" "1" "$(reg_value "$desktop_key" ScreenSaveActive)"

menu=$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
shortcut=$(find "$menu" -name '*Zorbel*.lnk')
e2e_expect_eq "Start-menu shortcuts named for Zorbel" "1" "$(grep -c . <<<"$shortcut")"
link=$(e2e_probe shortcut "Z:${shortcut//\//\\}" | sed 's/\\\\/\\/g') || e2e_fail "no shortcut to read"
e2e_expect_eq "shortcut" "$(printf 'target\t%s\narguments\t/c\nfolder\t%s' "$scr_win" "$folder_win")" "$link"
e2e_expect_eq "Linux menu entries" "" "$(find "$XDG_DATA_HOME" -type f 2>/dev/null)"

# --- The setup window through the shortcut: the beta notice, the hub, the options dialog
# and its settings file beside the installed program.
wine start /unix "$shortcut"
e2e_probe wait "$notice" 20 >/dev/null || e2e_fail "no beta notice through the shortcut"
echo "ok: the shortcut opens the beta notice"
e2e_probe click "$notice" OK && e2e_probe gone "$notice" 5 || e2e_fail "the notice did not go"
e2e_probe wait "$hub" 5 >/dev/null || e2e_fail "no hub"
e2e_probe click "$hub" "&Configure saver"
e2e_probe wait "$options" 5 >/dev/null || e2e_fail "no options dialog"
e2e_screenshot installed-options
e2e_probe click "$options" "&OK"
e2e_probe gone "$options" 5 || e2e_fail "the options dialog stays after OK"
e2e_expect_eq "Qorv.ini in the install folder" "$(printf 'clean\r\nmedicalno\r\n 30 \r\n' | od -c)" \
  "$(od -c <"$folder/Qorv.ini" 2>/dev/null)"
e2e_probe click "$hub" "&Return to control panel"
e2e_probe gone "$hub" 5 || e2e_fail "the hub stays after Return to control panel"
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
printf 'rude,0,0\r\nAnother.\r\n</joke>\r\n' >>"$folder/jokes.txt"
cp "$folder/jokes.txt" "$E2E_SCRATCH/mine-2.txt"
upgrade "a second upgrade over changed jokes" $'\nmy-jokes.txt\nmy-jokes-2.txt'
expect_file "the first kept jokes" "$E2E_SCRATCH/mine-1.txt" "$folder/my-jokes.txt"
expect_file "the second kept jokes" "$E2E_SCRATCH/mine-2.txt" "$folder/my-jokes-2.txt"

# --- A silent uninstall. The uninstaller runs from a copy of itself in the temporary folder
# and returns at once, so the test waits for its work to show.
uninstall() {
  local program=$1/Zorbel.scr
  started=$(date +%s.%N)
  wine "$1/Uninstall.exe" /S || e2e_fail "the silent uninstall did not start"
  for tries in $(seq 200); do [ -e "$program" ] || break; sleep 0.1; done
  [ -e "$program" ] && e2e_fail "Zorbel.scr is still there after the uninstall"
  wineserver --wait
  echo "silent uninstall: $(seconds_since "$started") s"
  [ -e "$shortcut" ] && e2e_fail "the shortcut is still there"
  reg_value "$uninstall_key" DisplayName >/dev/null && e2e_fail "the Apps & features entry is still there"
  e2e_expect_eq "ScreenSaveActive left alone" "1" "$(reg_value "$desktop_key" ScreenSaveActive)"
}
uninstall "$folder"
[ -e "$folder" ] && e2e_fail "the install folder is still there: $(files_in "$folder")"
reg_value "$desktop_key" SCRNSAVE.EXE >/dev/null && e2e_fail "SCRNSAVE.EXE still names the saver"
# Nothing of ours anywhere: neither in the prefix's files (but for the uninstaller's copy of
# itself in the temporary folder, which Windows' own cleaning removes) nor in its registry.
leftovers=$(find "$WINEPREFIX/drive_c" \( -iname '*zorbel*' -o -iname 'qorv.ini*' -o -iname 'my-jokes*' \) \
  -not -path '*/Temp/~nsu*')
e2e_expect_eq "files of ours left anywhere" "" "$leftovers"
e2e_expect_eq "registry lines of ours left" "" "$(grep -i -h zorbel "$WINEPREFIX"/*.reg)"

# --- Into a folder of a long name (its short form differs), another saver chosen later and a
# file of the user's beside ours: the uninstall removes ours and leaves the rest alone.
folder_win="$(windows_variable USERPROFILE)\\ZorbelSaverFolder"
folder=$(unix_path "$folder_win")
wine "$installer" /S "/D=$folder_win" || e2e_fail "the silent install into $folder_win failed"
short=$(wine winepath -s "$folder_win\\Zorbel.scr" | tr -d '\r')
[ "$short" = "$folder_win\\Zorbel.scr" ] && e2e_fail "Wine gives no short path for $folder_win"
e2e_expect_eq "SCRNSAVE.EXE in short form" "$short" "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
e2e_expect_eq "InstallLocation" "$folder_win" "$(reg_value "$uninstall_key" InstallLocation)"
wine reg add "$desktop_key" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\system32\other.scr' /f >/dev/null 2>&1
echo "my notes" >"$folder/notes.txt"
uninstall "$folder"
e2e_expect_eq "the user's file is all that stays" "notes.txt" "$(files_in "$folder")"
e2e_expect_eq "another saver's SCRNSAVE.EXE" 'C:\windows\system32\other.scr' \
  "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
e2e_pass
