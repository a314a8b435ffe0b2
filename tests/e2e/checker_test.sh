#!/bin/bash
# The joke-file checker under Wine: the same report as the native checker on a broken file,
# the jokes.txt beside it when run without a file, and, started with a console of its own
# as a file dropped on it is, the report held on screen until a key is pressed.
#   checker_test.sh ZORBEL_SCR WINPROBE_EXE ZORBELCHECK_EXE NATIVE_ZORBEL_CHECK
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
checker=$(realpath "$3")
native_checker=$(realpath "$4")
shipped_jokes="$(dirname "$0")/../../data/jokes.txt"

folder=$(e2e_workdir)
cp "$checker" "$folder/ZorbelCheck.exe"
cd "$folder" || e2e_fail "no work folder"
printf '"db",1,4\r\nClean,0,0\r\nDropped.\r\n</joke>\r\nclean,x,0\r\nNo end\r\n</Joke>\r\n' >broken.txt

wine ZorbelCheck.exe broken.txt </dev/null >windows-report.txt 2>/dev/null
windows_status=$?
windows_report=$(tr -d '\r' <windows-report.txt)
native_report=$("$native_checker" broken.txt)
native_status=$?
e2e_expect_eq "report under Wine" "$native_report" "$windows_report"
e2e_expect_eq "status under Wine" "2" "$windows_status"
e2e_expect_eq "native status" "2" "$native_status"
case "$windows_report" in
  *"broken.txt:5: error: this record has no \"</joke>\" line"*) echo "ok: error at the record's first line" ;;
  *) e2e_fail "no error for the record without a terminator: $windows_report" ;;
esac

cp "$shipped_jokes" jokes.txt
wine ZorbelCheck.exe </dev/null >beside-report.txt 2>/dev/null
e2e_expect_eq "status for the shipped jokes.txt beside it" "0" "$?"
beside=$(tr -d '\r' <beside-report.txt)
case "$beside" in
  *'\jokes.txt: '*' clean, '*'; 0 errors, 0 warnings') echo "ok: checks the jokes.txt beside it" ;;
  *) e2e_fail "unexpected report for the jokes.txt beside it: $beside" ;;
esac

# A console of its own: the report stays until a key is pressed.
wine start /wait ZorbelCheck.exe broken.txt >/dev/null 2>&1 &
started=$!
sleep 6
kill -0 "$started" 2>/dev/null || e2e_fail "the console window closed without a key"
e2e_screenshot checker-console
xdotool key space
for tries in $(seq 50); do kill -0 "$started" 2>/dev/null || break; sleep 0.2; done
kill -0 "$started" 2>/dev/null && e2e_fail "still waiting after a key"
echo "ok: waits for a key in a console of its own"

e2e_pass
