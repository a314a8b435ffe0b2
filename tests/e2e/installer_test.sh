#!/bin/bash
# The Windows user's journey under Wine, in a new Wine prefix: the portable zip; the icon and
# version records of the built files; a silent install and what it leaves (files, registry
# values, the Start-menu shortcut); the setup window opened through that shortcut, saving
# Qorv.ini beside the installed program; upgrades that keep Qorv.ini and a changed jokes.txt
# and say so, and that leave another chosen saver alone; a running copy, which the installer
# and the uninstaller wait for and never change; uninstalls that keep the user's files or
# delete them on request, driven through the pages and silently; one with the saver still
# chosen and one with another saver chosen and a file of the user's in the folder.
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
notice="Welcome to beta" hub=$E2E_HUB options=$E2E_OPTIONS

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
# The Windows path of a Unix path.
windows_path() { wine winepath -w "$1" 2>/dev/null | tr -d '\r'; }

echo "sizes in bytes: $(cd "$stage" && stat -c '%n %s' * | tr '\n' ' ')$(basename "$installer") $(stat -c %s "$installer"), $(basename "$zip") $(stat -c %s "$zip")"

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
grep -qF "/DELETEMYFILES" "$stage/README.txt" || e2e_fail "README.txt does not name the switch that deletes the user's files"

# --- Icon and version records, as Windows reads them from the files. Every record carries
# the same numbers and texts; only the description names the file's own job.
record_of() { e2e_probe version "$(windows_path "$1")" | grep -v '^FileDescription'; }
expect_record() {
  e2e_expect_eq "$1: version record" "$installer_record" "$(record_of "$2")"
  e2e_expect_eq "$1: icon sizes" "$(printf '16x16 32\n24x24 32\n32x32 32\n48x48 32\n256x256 32')" \
    "$(e2e_probe icons "$(windows_path "$2")")"
}
installer_record=$(record_of "$installer")
numbers=$(sed -n 's/^fixed file version\t//p' <<<"$installer_record")
e2e_expect_eq "the installer's record" "$(printf 'fixed file version\t%s\nfixed product version\t%s\nProductName\tZorbel Joke Screensaver\nProductVersion\t%s\nFileVersion\t%s\nCompanyName\tTarnwick Entertainment' "$numbers" "$numbers" "$version" "$version")" \
  "$(grep -v '^LegalCopyright' <<<"$installer_record")"
grep -qxE 'LegalCopyright	Copyright \(C\) [0-9]{4} Tarnwick Entertainment' <<<"$installer_record" ||
  e2e_fail "no copyright line: $installer_record"
[[ $numbers == "${version%%[!0-9]*}".* ]] || e2e_fail "the version numbers $numbers do not start as $version does"
expect_record "the installer" "$installer"
expect_record "Zorbel.scr" "$stage/Zorbel.scr"
expect_record "ZorbelCheck.exe" "$stage/ZorbelCheck.exe"
for name in Zorbel.scr ZorbelCheck.exe; do
  e2e_probe manifest "$(windows_path "$stage/$name")" | grep -q "version=\"$numbers\"" ||
    e2e_fail "$name has no manifest of version $numbers"
done
echo "ok: both programs carry a manifest of version $numbers"

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
e2e_expect_eq "VersionMajor.VersionMinor" "$(cut -d. -f1-2 <<<"$numbers")" \
  "$(( $(reg_value "$uninstall_key" VersionMajor) )).$(( $(reg_value "$uninstall_key" VersionMinor) ))"
e2e_expect_eq "URLInfoAbout" "http://$E2E_HOST/" "$(reg_value "$uninstall_key" URLInfoAbout)"
help_link=$(reg_value "$uninstall_key" HelpLink) || e2e_fail "no HelpLink"
expect_record "Uninstall.exe" "$folder/Uninstall.exe"
echo "size: Uninstall.exe $(stat -c %s "$folder/Uninstall.exe") bytes"
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
e2e_expect_eq "shortcut" "$(printf 'target\t%s\narguments\t/c\nfolder\t%s\nicon\t%s,0' "$scr_win" "$folder_win" "$scr_win")" "$link"
e2e_expect_eq "Linux menu entries" "" "$(find "$XDG_DATA_HOME" -type f 2>/dev/null)"

# --- The setup window through the shortcut: the beta notice, the hub, the options dialog
# and its settings file beside the installed program.
wine start /unix "$shortcut"
e2e_probe wait "$notice" 20 >/dev/null || e2e_fail "no beta notice through the shortcut"
echo "ok: the shortcut opens the beta notice"
# Apps & features' help link is where the program's own notice sends reports.
e2e_probe texts "$notice" | grep -qF "$help_link" || e2e_fail "the beta notice does not name $help_link"
echo "ok: HelpLink $help_link is the address the beta notice gives"
e2e_probe click "$notice" OK && e2e_probe gone "$notice" 5 || e2e_fail "the notice did not go"
e2e_probe wait "$hub" 5 >/dev/null || e2e_fail "no hub"
e2e_probe click "$hub" "&Configure saver"
e2e_probe wait "$options" 5 >/dev/null || e2e_fail "no options dialog"
# The shipped files carry the icon; the windows themselves have none, as designed.
e2e_expect_eq "the hub's icon" "none" "$(e2e_probe windowicon "$hub")"
e2e_expect_eq "the options dialog's icon" "none" "$(e2e_probe windowicon "$options")"
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

installer_title="Zorbel Joke Screensaver $version Setup"
uninstaller_title="Zorbel Joke Screensaver $version Uninstall"
other_saver='C:\windows\system32\other.scr'
# wizard_page TITLE TEXT: waits up to 20 s for the wizard titled TITLE (NSIS adds a blank to
# the title on most pages) to show TEXT in one of its controls; sets WIZARD to the title
# found and PAGE to the controls' texts, one a line, escaped as the probe prints them.
wizard_page() {
  local tries title
  for tries in $(seq 100); do
    for title in "$1" "$1 "; do
      PAGE=$(e2e_probe texts "$title" 2>/dev/null | cut -f4)
      if grep -qF -- "$2" <<<"$PAGE"; then WIZARD=$title; return 0; fi
    done
    sleep 0.2
  done
  e2e_screenshot installer-unexpected-page
  e2e_fail "no page of \"$1\" shows \"$2\"; the pages show: $(e2e_probe texts "$1"; e2e_probe texts "$1 ")"
}
press() { e2e_probe click "$WIZARD" "$1" || e2e_fail "no \"$1\" on the page of $WIZARD"; }
# The text of the control on PAGE that holds TEXT, with its escapes undone.
page_text() { printf '%b' "$(grep -F -- "$1" <<<"$PAGE")" | tr -d '\r'; }
# A listing of the folder's files with their sizes and times, to see that nothing changed.
snapshot() { find "$1" -printf '%P %s %T@\n' | sort; }
saver_chosen() { reg_value "$desktop_key" SCRNSAVE.EXE || echo "(none)"; }
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

# --- A running copy: the installer and the uninstaller wait for it and change nothing.
printf 'clean,0,0\r\nWhile it ran.\r\n</joke>\r\n' >>"$folder/jokes.txt"
cp "$folder/jokes.txt" "$E2E_SCRATCH/mine-3.txt"
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
press "&Retry"
sleep 1
wizard_page "$uninstaller_title" "is running"
echo "ok: Retry while the program still runs asks again"
e2e_probe click "$notice" OK
e2e_probe wait "$hub" 5 >/dev/null || e2e_fail "no hub"
e2e_probe click "$hub" "&Return to control panel"
e2e_wait_exit 10 || e2e_fail "the program did not end"
press "&Retry"

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
for tries in $(seq 100); do [ -e "$folder/Uninstall.exe" ] || break; sleep 0.1; done
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
for tries in $(seq 100); do [ -e "$folder" ] || break; sleep 0.1; done
[ -e "$folder" ] && e2e_fail "the folder stays after deleting on request: $(files_in "$folder")"
echo "ok: the uninstall that deletes on request leaves no folder"

# --- Silent uninstalls: they keep the user's files too, unless given /DELETEMYFILES. The
# uninstaller runs from a copy of itself in the temporary folder and returns at once, so the
# test waits for its work to show.
uninstall() {
  local folder=$1 program=$1/Zorbel.scr
  shift
  started=$(date +%s.%N)
  wine "$folder/Uninstall.exe" /S "$@" || e2e_fail "the silent uninstall did not start"
  for tries in $(seq 200); do [ -e "$program" ] || break; sleep 0.1; done
  [ -e "$program" ] && e2e_fail "Zorbel.scr is still there after the uninstall"
  wineserver --wait
  echo "silent uninstall $*: $(seconds_since "$started") s"
  [ -e "$shortcut" ] && e2e_fail "the shortcut is still there"
  reg_value "$uninstall_key" DisplayName >/dev/null && e2e_fail "the Apps & features entry is still there"
  e2e_expect_eq "ScreenSaveActive left alone" "1" "$(reg_value "$desktop_key" ScreenSaveActive)"
}
wine "$installer" /S || e2e_fail "the silent install failed"
cp "$E2E_SCRATCH/Qorv.ini" "$folder/Qorv.ini"
cp "$E2E_SCRATCH/mine-1.txt" "$folder/my-jokes.txt"
cp "$E2E_SCRATCH/mine-2.txt" "$folder/jokes.txt"
uninstall "$folder"
e2e_expect_eq "what a silent uninstall keeps" "$(printf '%s\n' Qorv.ini jokes.txt my-jokes.txt)" "$(files_in "$folder")"
expect_file "silently kept: jokes.txt" "$E2E_SCRATCH/mine-2.txt" "$folder/jokes.txt"
wine "$installer" /S || e2e_fail "the silent install over the kept files failed"
e2e_expect_eq "SCRNSAVE.EXE" "$(wine winepath -s "$scr_win" | tr -d '\r')" "$(saver_chosen)"
uninstall "$folder" /DELETEMYFILES
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
wine reg add "$desktop_key" /v SCRNSAVE.EXE /t REG_SZ /d "$other_saver" /f >/dev/null 2>&1
echo "my notes" >"$folder/notes.txt"
uninstall "$folder"
e2e_expect_eq "the user's file is all that stays" "notes.txt" "$(files_in "$folder")"
e2e_expect_eq "another saver's SCRNSAVE.EXE" "$other_saver" \
  "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
e2e_pass
