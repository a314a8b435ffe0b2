#!/bin/bash
# The joke-file checker under Wine: the same report and status as the native checker on a
# broken file and on one with the editor's warnings (reading time, a repeated punchline),
# and, started with a console of its own as a file dropped on it is, the report held on
# screen until a key is pressed. (The jokes.txt beside it is paths_test's, in every folder.)
#   checker_test.sh ZORBEL_SCR WINPROBE_EXE ZORBELCHECK_EXE NATIVE_ZORBEL_CHECK
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
checker=$(realpath "$3")
native_checker=$(realpath "$4")

folder=$(e2e_workdir)
cp "$checker" "$folder/ZorbelCheck.exe"
cd "$folder" || e2e_fail "no work folder"
printf '"db",1,4\r\nClean,0,0\r\nDropped.\r\n</joke>\r\nclean,x,0\r\nNo end\r\n</Joke>\r\n' >broken.txt
long_line=$(printf 'a%.0s' $(seq 106))
printf '"db",1,4\r\nclean,0,0\r\n%s\r\n</joke>\r\nrude,0,0\r\nOne\r\nThey keep their seat.\r\n</joke>\r\nmedical,0,0\r\nTwo\r\nthey KEEP their seat!\r\n</joke>\r\n' \
  "$long_line" >editor.txt

# check_both FILE STATUS: ZorbelCheck.exe and the native checker give the same report and
# the status STATUS for FILE; sets windows_report. The checker prints at least its summary
# line on every path, so a run with no output at all did not end as the checker ends (once
# in CI, Wine gave nothing): the log then shows its status and what Wine said.
check_both() {
  wine ZorbelCheck.exe "$1" </dev/null >windows-report.txt 2>wine-errors.txt
  local windows_status=$?
  [ -s windows-report.txt ] ||
    echo "note: no output under Wine for $1 (status $windows_status): $(head -c 500 wine-errors.txt)"
  windows_report=$(tr -d '\r' <windows-report.txt)
  local native_report native_status
  native_report=$("$native_checker" "$1")
  native_status=$?
  e2e_expect_eq "report under Wine for $1" "$native_report" "$windows_report"
  e2e_expect_eq "status under Wine for $1" "$2" "$windows_status"
  e2e_expect_eq "native status for $1" "$2" "$native_status"
}

# expect_in_report TEXT: the last report holds TEXT.
expect_in_report() {
  case "$windows_report" in
    *"$1"*) echo "ok: $1" ;;
    *) e2e_fail "no \"$1\" in: $windows_report" ;;
  esac
}

check_both broken.txt 2
expect_in_report 'broken.txt:5: error: this record has no "</joke>" line'

check_both editor.txt 1
expect_in_report 'editor.txt:2: warning: the text needs 8 seconds to read (106 characters at 15 characters a second) but gets 7'
expect_in_report 'editor.txt:9: warning: the punchline "they KEEP their seat!" is that of the entry on line 5'

# Files that are no joke database as meant: a folder, UTF-16, a header alone, a line too
# long to show.
mkdir folder.txt
check_both folder.txt 2
expect_in_report 'folder.txt: error: cannot read the file: Permission denied (the saver stops with code 70)'
printf '\xff\xfe' >utf16.txt
printf '"db",1,4\r\nclean,0,0\r\nA joke.\r\n</joke>\r\n' | iconv -f ASCII -t UTF-16LE >>utf16.txt
check_both utf16.txt 2
expect_in_report 'utf16.txt:1: error: the file is UTF-16 little-endian text'
e2e_expect_eq "findings for a UTF-16 file" "2" "$(wc -l <<<"$windows_report")"
printf '"db",1,4\r\n' >header.txt
check_both header.txt 1
expect_in_report 'header.txt: warning: no entries: the saver would show only promotional messages'
printf '"db",1,4\r\nclean,200,0\r\n%s\r\n</joke>\r\n' "$(printf 'b%.0s' $(seq 1001))" >long.txt
check_both long.txt 1
expect_in_report 'long.txt:3: warning: a text line of 1001 characters'

# A console of its own: the report stays until a key is pressed.
wine start /wait ZorbelCheck.exe editor.txt >/dev/null 2>&1 &
started=$!
console_shown() { e2e_probe list | cut -f4 | grep -qi 'ZorbelCheck'; }
checker_ended() { ! kill -0 "$started" 2>/dev/null; }
e2e_until 20 console_shown || e2e_fail "no console window: $(e2e_probe list)"
# The report takes a moment to print; a checker that did not wait would end within it.
e2e_until 2 checker_ended && e2e_fail "the console window closed without a key"
e2e_screenshot checker-console
xdotool key space
for tries in $(seq 50); do kill -0 "$started" 2>/dev/null || break; sleep 0.2; done
kill -0 "$started" 2>/dev/null && e2e_fail "still waiting after a key"
echo "ok: waits for a key in a console of its own"

e2e_pass
