# Shared by the installer's suites, each one journey of a Windows user, on top of lib.sh:
# the built installer, zip and shipped files; a new Wine prefix with the program installed
# silently; reading the registry, folders and the wizard's pages.
#
# A suite sources this file and calls installer_init ZORBEL_SCR WINPROBE_EXE INSTALLER ZIP
# STAGE (STAGE is the build's folder of shipped files, which the zip and the installer
# carry), then usually installer_fresh_install.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

installer_init() {
  e2e_init "$1" "$2"
  installer=$(realpath "$3")
  zip=$(realpath "$4")
  stage=$(realpath "$5")
  version=$(basename "$installer" | sed -n 's/^Zorbel-\(.*\)-setup\.exe$/\1/p')
  shipped=$(files_in "$stage")
  uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorbel'
  desktop_key='HKCU\Control Panel\Desktop'
  notice="Welcome to beta" hub=$E2E_HUB options=$E2E_OPTIONS
  installer_title="Zorbel Joke Screensaver $version Setup"
  uninstaller_title="Zorbel Joke Screensaver $version Uninstall"
  other_saver='C:\windows\system32\other.scr'
}

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
saver_chosen() { reg_value "$desktop_key" SCRNSAVE.EXE || echo "(none)"; }
# A listing of the folder's files with their sizes and times, to see that nothing changed.
snapshot() { find "$1" -printf '%P %s %T@\n' | sort; }

# installer_fresh_prefix: a new Wine prefix, nothing installed; sets environment (the
# prefix's environment variables, which windows_variable reads).
installer_fresh_prefix() {
  local started
  started=$(date +%s.%N)
  export XDG_DATA_HOME="$E2E_SCRATCH/xdg"
  e2e_fresh_prefix
  environment=$(wine cmd /c set | tr -d '\r')
  echo "a new Wine prefix in $(seconds_since "$started") s"
}

# installer_fresh_install: a new Wine prefix with the program installed silently; sets
# folder_win and folder (its folder as Windows and Linux name it), scr_win, and shortcut
# (the Start-menu entry's file).
installer_fresh_install() {
  local started
  installer_fresh_prefix
  started=$(date +%s.%N)
  wine "$installer" /S || e2e_fail "the silent install failed"
  echo "silent install: $(seconds_since "$started") s"
  folder_win="$(windows_variable LOCALAPPDATA)\\Programs\\Zorbel"
  folder=$(unix_path "$folder_win")
  scr_win="$folder_win\\Zorbel.scr"
  shortcut=$(installed_shortcut)
}
# The Start-menu shortcuts named for Zorbel, one a line.
installed_shortcut() {
  find "$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")" -name '*Zorbel*.lnk'
}
windows_variable() { sed -n "s/^$1=//Ip" <<<"$environment"; }

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
  e2e_screenshot "$E2E_NAME-unexpected-page"
  e2e_fail "no page of \"$1\" shows \"$2\"; the pages show: $(e2e_probe texts "$1"; e2e_probe texts "$1 ")"
}
press() { e2e_probe click "$WIZARD" "$1" || e2e_fail "no \"$1\" on the page of $WIZARD"; }
# The text of the control on PAGE that holds TEXT, with its escapes undone.
page_text() { printf '%b' "$(grep -F -- "$1" <<<"$PAGE")" | tr -d '\r'; }

# silent_uninstall FOLDER [SWITCH...]: the uninstaller of FOLDER run silently. It runs from a
# copy of itself in the temporary folder and returns at once, so this waits for its work to
# show: the program gone, then Wine idle; the shortcut and the Apps & features entry gone.
silent_uninstall() {
  local folder=$1 program=$1/Zorbel.scr started
  shift
  started=$(date +%s.%N)
  wine "$folder/Uninstall.exe" /S "$@" || e2e_fail "the silent uninstall did not start"
  e2e_until 20 eval '[ ! -e "$program" ]' || e2e_fail "Zorbel.scr is still there after the uninstall"
  wineserver --wait
  echo "silent uninstall $*: $(seconds_since "$started") s"
  [ -e "$shortcut" ] && e2e_fail "the shortcut is still there"
  reg_value "$uninstall_key" DisplayName >/dev/null && e2e_fail "the Apps & features entry is still there"
  e2e_expect_eq "ScreenSaveActive left alone" "1" "$(reg_value "$desktop_key" ScreenSaveActive)"
}
