#!/bin/bash
# Folders of any name under Wine: the saver, the setup window (its links included) and the
# checker run from folders named in Cyrillic and in Japanese and from paths near and past
# 260 characters (248, where the settings' temporary file passes 259); a folder or a file
# someone left at Qorv.ini.new neither stops OK from saving nor is touched; a read-only
# Qorv.ini is refused on OK with error 70 and left as it was, mark and all.
#   paths_test.sh ZORBEL_SCR WINPROBE_EXE ZORBELCHECK_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
checker=$(realpath "$3")
shipped_jokes="$(dirname "$E2E_PROGRAM")/jokes.txt"
saver="Zorbel Joke Screensaver"
report="D'oh! An error occurred"

# The length of a folder's Windows path (Z:\...) in UTF-16 letters.
windows_length() { printf 'Z:%s' "$1" | iconv -f UTF-8 -t UTF-16LE | wc -c | awk '{print $1 / 2}'; }

# long_folder LENGTH: a new folder whose Windows path is LENGTH letters, in parts of at
# most 100 letters.
long_folder() {
  local folder=$E2E_SCRATCH/long$1 left part
  while left=$(($1 - $(windows_length "$folder") - 1)); [ "$left" -gt 0 ]; do
    part=$((left > 100 ? 100 : left))
    [ $((left - part)) -eq 1 ] && part=$((part - 2))
    folder="$folder/$(head -c "$part" /dev/zero | tr '\0' d)"
  done
  mkdir -p "$folder" && echo "$folder"
}

# A copy of the program, the shipped jokes and the checker in FOLDER, with a 2-second delay.
install_into() {
  cp "$E2E_PROGRAM" "$1/Zorbel.scr"
  cp "$shipped_jokes" "$1/jokes.txt"
  cp "$checker" "$1/ZorbelCheck.exe"
  printf 'clean\r\nmedicalno\r\n 2 \r\n' >"$1/Qorv.ini"
}

# no_temporary FOLDER NAME: no temporary file of a save stays in FOLDER.
no_temporary() {
  local left
  left=$(cd "$1" && ls -A | grep -E '^Qorv\.ini\..+\.tmp$')
  [ -z "$left" ] || e2e_fail "$2: a temporary file stayed: $left"
}

# past_intro: the saver window shows an item (a joke or a message) and no longer the intro.
past_intro() {
  local texts
  texts=$(e2e_texts "$saver" Static)
  ! grep -qxF "NEW:" <<<"$texts" &&
    grep -vE '^(The following message only appears|This is the BETA edition)' <<<"$texts" | grep -q .
}

# run_saver FOLDER NAME: the saver reads its jokes there and shows them past the intro. The
# suite's first Wine program starts Wine itself too, which a busy machine has seen take over
# 20 s: the waits are those of the hub's first window.
run_saver() {
  e2e_start "$1" /s
  if ! e2e_probe wait "$saver" 45 >/dev/null; then
    e2e_how_it_ended
    e2e_fail "$2: no saver window ($E2E_HOW): $(e2e_probe list)"
  fi
  e2e_until 45 past_intro || e2e_fail "$2: no item past the intro: $(e2e_probe list)"
  e2e_probe wait "$report" 0.1 >/dev/null && e2e_fail "$2: the saver reported: $(e2e_probe texts "$report")"
  e2e_running || e2e_fail "$2: the saver ended"
  [ "$3" = shot ] && e2e_screenshot "paths-saver-$2"
  xdotool key space
  e2e_wait_exit 20 || e2e_fail "$2: the saver did not end on a key"
  echo "ok: $2: the saver shows its jokes"
}

# run_setup FOLDER NAME: the hub opens, OK in the options dialog writes Qorv.ini there, and
# a link opens its page.
run_setup() {
  e2e_open_options "$1"
  [ "$3" = shot ] && e2e_settled_screenshot "paths-setup-$2"
  e2e_probe click "$E2E_OPTIONS" "&OK"
  e2e_probe gone "$E2E_OPTIONS" 15 || e2e_fail "$2: OK failed: $(e2e_probe list)"
  e2e_expect_eq "$2: Qorv.ini written by OK" "$(printf 'clean\r\nmedicalno\r\n 30 \r\n' | od -c)" \
    "$(od -c <"$1/Qorv.ini")"
  no_temporary "$1" "$2"
  e2e_jokes_page "$2"
  e2e_probe click "$E2E_HUB" "&Return to control panel"
  e2e_wait_exit 20 || e2e_fail "$2: still running after Return to control panel"
  printf 'clean\r\nmedicalno\r\n 2 \r\n' >"$1/Qorv.ini"
}

# run_checker FOLDER NAME: the jokes.txt beside the checker, and a file named in the
# folder's own letters given by its whole path.
run_checker() {
  local named="$1/$2 jokes.txt" windows_named
  cp "$shipped_jokes" "$named"
  windows_named="Z:$(tr / '\\' <<<"$named")"
  (cd "$1" && wine ZorbelCheck.exe </dev/null >"$E2E_SCRATCH/beside.txt" 2>/dev/null)
  e2e_expect_eq "$2: checker status for the jokes.txt beside it" 0 "$?"
  (cd "$1" && wine ZorbelCheck.exe "$windows_named" </dev/null >"$E2E_SCRATCH/named.txt" 2>/dev/null)
  e2e_expect_eq "$2: checker status for a file by its whole path" 0 "$?"
  grep -qF "$windows_named: " "$E2E_SCRATCH/named.txt" || e2e_fail "$2: report without the name: $(cat "$E2E_SCRATCH/named.txt")"
  grep -q '\\jokes\.txt: .* 0 errors, 0 warnings' "$E2E_SCRATCH/beside.txt" || e2e_fail "$2: $(cat "$E2E_SCRATCH/beside.txt")"
  rm -f "$named"
}

e2e_stand_in_browser
cyrillic="$E2E_SCRATCH/Шутки Зорбела"
japanese="$E2E_SCRATCH/ゾルベルの冗談"
mkdir -p "$cyrillic" "$japanese"
# What others left at the name a save once wrote through: a folder with a file in it, and a
# file.
mkdir "$cyrillic/Qorv.ini.new" && echo kept >"$cyrillic/Qorv.ini.new/inside.txt"
echo kept >"$japanese/Qorv.ini.new"
for folder in "$cyrillic:cyrillic:shot" "$japanese:japanese:shot" "$(long_folder 240):long-240:-" \
              "$(long_folder 248):long-248:-" "$(long_folder 300):long-300:shot"; do
  IFS=: read -r path name shot <<<"$folder"
  echo "$name: $(windows_length "$path") letters"
  install_into "$path"
  run_saver "$path" "$name" "$shot"
  run_setup "$path" "$name" "$shot"
  run_checker "$path" "$name"
done
e2e_expect_eq "the folder at Qorv.ini.new is left alone" kept "$(cat "$cyrillic/Qorv.ini.new/inside.txt")"
e2e_expect_eq "the file at Qorv.ini.new is left alone" kept "$(cat "$japanese/Qorv.ini.new")"
echo "ok: what was left at Qorv.ini.new neither stops a save nor is touched"

# A read-only Qorv.ini: OK reports error 70, the file and its mark stay, the run fails.
chmod 444 "$cyrillic/Qorv.ini"
e2e_open_options "$cyrillic"
e2e_probe click "$E2E_OPTIONS" "&OK"
e2e_probe wait Zorbel 20 >/dev/null || e2e_fail "read-only: no run-time error box: $(e2e_probe list)"
box=$(e2e_texts Zorbel Static)
grep -qF "Run-time error '70':" <<<"$box" || e2e_fail "read-only: not error 70: $box"
grep -qF "Permission denied" <<<"$box" || e2e_fail "read-only: not permission denied: $box"
e2e_screenshot paths-read-only-settings
e2e_probe click Zorbel OK
e2e_wait_exit 20 || e2e_fail "read-only: still running after the error box"
[ "$E2E_STATUS" -ne 0 ] || e2e_fail "read-only: the failed run ended with exit status 0"
e2e_expect_eq "read-only Qorv.ini unchanged" "$(printf 'clean\r\nmedicalno\r\n 2 \r\n' | od -c)" \
  "$(od -c <"$cyrillic/Qorv.ini")"
e2e_expect_eq "read-only mark kept" 444 "$(stat -c %a "$cyrillic/Qorv.ini")"
no_temporary "$cyrillic" read-only
echo "ok: a read-only Qorv.ini gives error 70 and stays as it was"
e2e_pass
