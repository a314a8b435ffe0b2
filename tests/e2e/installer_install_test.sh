#!/bin/bash
# The Windows user's first install, under Wine: the portable zip holds the shipped files;
# the icon and version records of the built files; a silent install into a new Wine prefix
# and what it leaves (files, registry values, the Start-menu shortcut); the setup window
# opened through that shortcut, saving Qorv.ini beside the installed program.
#   installer_install_test.sh ZORBEL_SCR WINPROBE_EXE INSTALLER ZIP STAGE
set -u
source "$(dirname "$0")/installer_lib.sh"
installer_init "$@"

echo "sizes in bytes: $(cd "$stage" && stat -c '%n %s' * | tr '\n' ' ')$(basename "$installer") $(stat -c %s "$installer"), $(basename "$zip") $(stat -c %s "$zip")"

# --- What both downloads ship: the zip holds exactly the staged files.
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
installer_fresh_install
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
e2e_probe click "$notice" OK && e2e_probe gone "$notice" 20 || e2e_fail "the notice did not go"
e2e_probe wait "$hub" 20 >/dev/null || e2e_fail "no hub"
e2e_probe click "$hub" "&Configure saver"
e2e_probe wait "$options" 20 >/dev/null || e2e_fail "no options dialog"
# The shipped files carry the icon; the windows themselves have none, as designed.
e2e_expect_eq "the hub's icon" "none" "$(e2e_probe windowicon "$hub")"
e2e_expect_eq "the options dialog's icon" "none" "$(e2e_probe windowicon "$options")"
e2e_screenshot installed-options
e2e_probe click "$options" "&OK"
e2e_probe gone "$options" 20 || e2e_fail "the options dialog stays after OK"
e2e_expect_eq "Qorv.ini in the install folder" "$(printf 'clean\r\nmedicalno\r\n 30 \r\n' | od -c)" \
  "$(od -c <"$folder/Qorv.ini" 2>/dev/null)"
e2e_probe click "$hub" "&Return to control panel"
e2e_probe gone "$hub" 20 || e2e_fail "the hub stays after Return to control panel"
e2e_pass
