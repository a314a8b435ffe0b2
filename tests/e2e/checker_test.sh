#!/bin/bash
# The joke-file checker under Wine: the same report and status as the native checker on a
# broken file, on one with the editor's warnings (reading time, a repeated punchline), on
# French, Russian and Greek jokes in every encoding an editor saves, and on hostile files;
# a report that cannot be written ends with status 3; and, started with a console of its
# own as a file dropped on it is, the report held on screen until a key is pressed. (The
# jokes.txt beside it is paths_test's, in every folder.) Its command line is the Linux
# checker's: --help (or /?), --version, -- and unknown options.
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
# in CI, Wine gave nothing): the log then shows its status and what Wine said. The reports
# are compared in their ASCII characters: how letters of other scripts reach a file or a
# console is the Windows program's own matter.
check_both() {
  wine ZorbelCheck.exe "$1" </dev/null >windows-report.txt 2>wine-errors.txt
  local windows_status=$?
  [ -s windows-report.txt ] ||
    echo "note: no output under Wine for $1 (status $windows_status): $(head -c 500 wine-errors.txt)"
  windows_report=$(tr -d '\r' <windows-report.txt)
  local native_report native_status
  native_report=$("$native_checker" "$1")
  native_status=$?
  e2e_expect_eq "report under Wine for $1" "$(ascii_of "$native_report")" "$(ascii_of "$windows_report")"
  e2e_expect_eq "status under Wine for $1" "$2" "$windows_status"
  e2e_expect_eq "native status for $1" "$2" "$native_status"
}

# ascii_of TEXT: the text's printable ASCII characters and line ends.
ascii_of() {
  LC_ALL=C tr -cd '\n\40-\176' <<<"$1"
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
printf '"db",1,4\r\nclean,0,0\r\nA joke.\r\n</joke>\r\n' | iconv -f ASCII -t UTF-16LE >utf16-no-mark.txt
check_both utf16-no-mark.txt 2
expect_in_report 'utf16-no-mark.txt:1: error: the file looks like UTF-16 little-endian text saved without its byte-order mark'
e2e_expect_eq "findings for UTF-16 without its mark" "2" "$(wc -l <<<"$windows_report")"
printf '"db",1,4\r\n' >header.txt
check_both header.txt 1
expect_in_report 'header.txt: warning: no entries: the saver would show only promotional messages'
printf '"db",1,4\r\nclean,200,0\r\n%s\r\n</joke>\r\n' "$(printf 'b%.0s' $(seq 1001))" >long.txt
check_both long.txt 1
expect_in_report 'long.txt:3: warning: a text line of 1001 characters'

# Jokes in French, Russian and Greek as editors save them: nothing to warn about, and the
# summary names what each was read as.
french='"Blagues",1,4\r\nclean,0,0\r\nUn caf\u00e9 cr\u00e8me, na\u00efvement \u00ab\u00a0d\u00e9j\u00e0 vu\u00a0\u00bb.\r\n</joke>\r\n'
printf "$french" >french-utf8.txt
{ printf '\xef\xbb\xbf'; printf "$french"; } >french-utf8-mark.txt
{ printf '\xff\xfe'; printf "$french" | iconv -f UTF-8 -t UTF-16LE; } >french-utf16.txt
{ printf '\xfe\xff'; printf "$french" | iconv -f UTF-8 -t UTF-16BE; } >french-utf16be.txt
printf "$french" | iconv -f UTF-8 -t CP1252 >french-ansi.txt
printf '"db",1,4\r\nrude,0,0\r\n\u0417\u043e\u0440\u0431\u0435\u043b\u044c \u0448\u0443\u0442\u0438\u0442.\r\n</joke>\r\n' >russian.txt
printf '"db",1,4\r\nmedical,0,0\r\n\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1!\r\n</joke>\r\n' >greek.txt
for each in "french-utf8.txt:UTF-8" "french-utf8-mark.txt:UTF-8 with a byte-order mark" \
            "french-utf16.txt:UTF-16 little-endian" "french-utf16be.txt:UTF-16 big-endian" \
            "french-ansi.txt:ANSI (code page 1252)" "russian.txt:UTF-8" "greek.txt:UTF-8"; do
  file=${each%%:*}
  check_both "$file" 0
  expect_in_report "$file: "
  expect_in_report "; read as ${each#*:}; 0 errors, 0 warnings"
done

# Greek punchlines that differ only in capitals meet (Wine's case tables leave out the
# final sigma, which the native checker's test covers); a UTF-8 file
# with one letter from another code page gets one warning where UTF-8 breaks.
printf '"db",1,4\r\nclean,0,0\r\n\u039a\u0391\u039b\u0397 \u039d\u03a5\u03a7\u03a4\u0391\r\n</joke>\r\nrude,0,0\r\n\u03ba\u03b1\u03bb\u03b7 \u03bd\u03c5\u03c7\u03c4\u03b1!\r\n</joke>\r\n' >greek-twice.txt
check_both greek-twice.txt 1
expect_in_report 'greek-twice.txt:5: warning: the punchline "'
expect_in_report '" is that of the entry on line 2'
{ printf "$french"; printf 'clean,0,0\r\nna\xefve\r\n</joke>\r\n'; } >mixed.txt
check_both mixed.txt 1
expect_in_report 'mixed.txt:6: warning: bytes on this line are not UTF-8, though the file'"'"'s other letters beyond ASCII are: the saver reads the whole file as ANSI (code page 1252)'

# Hostile files: what they say reaches the terminal escaped, and a binary file gets one line.
printf '"\e]0;owned\a",1,4\r\n\e[31mclean,\e[2J,0\r\nA joke.\r\n</joke>\r\n' >hostile.txt
check_both hostile.txt 1
expect_in_report 'hostile.txt:2: warning: the kind "\x1b[31mclean" is not clean, rude or medical'
expect_in_report 'the extra seconds "\x1b[2J" are not a number'
if LC_ALL=C grep -q $'[\x01-\x08\x0b\x0c\x0e-\x1f\x7f]' windows-report.txt; then
  e2e_fail "control bytes in the report: $(od -c windows-report.txt | head)"
fi
{ printf '"db",1,4\r\nclean,0,0\r\n'; head -c 20000 /dev/urandom; } >binary.txt
check_both binary.txt 2
expect_in_report 'error: the file holds '
e2e_expect_eq "lines for a binary file" "2" "$(wc -l <<<"$windows_report")"

# The command line as on Linux: --help and /? print the usage, --version the version, and
# after -- a name that looks like an option is a file's.
for asked in --help /?; do
  wine ZorbelCheck.exe "$asked" </dev/null >windows-report.txt 2>/dev/null
  e2e_expect_eq "status of $asked under Wine" "0" "$?"
  usage=$(tr -d '\r' <windows-report.txt)
  e2e_expect_eq "first line of $asked under Wine" "Usage: ZorbelCheck [FILE]..." "$(head -1 <<<"$usage")"
done
expect_usage_line() {
  grep -qxF "$1" <<<"$usage" || e2e_fail "no \"$1\" in: $usage"
}
expect_usage_line "Named no file, it checks the jokes.txt beside it."
expect_usage_line "memory. README.txt beside it tells more."
e2e_expect_eq "--version under Wine" "ZorbelCheck 4beta1" "$(wine ZorbelCheck.exe --version </dev/null 2>/dev/null | tr -d '\r')"
wine ZorbelCheck.exe -- --help </dev/null >windows-report.txt 2>/dev/null
e2e_expect_eq "status for a file named --help" "2" "$?"
grep -q "^--help: error: cannot read the file: File not found" windows-report.txt ||
  e2e_fail "-- --help: $(cat windows-report.txt)"
wine ZorbelCheck.exe -x greek.txt </dev/null >/dev/null 2>wine-errors.txt
e2e_expect_eq "status for an unknown option" "2" "$?"
grep -qF 'ZorbelCheck: unknown option "-x"; ZorbelCheck --help lists the options' wine-errors.txt ||
  e2e_fail "an unknown option: $(cat wine-errors.txt)"
wine ZorbelCheck.exe --help </dev/null >/dev/full 2>/dev/null
e2e_expect_eq "status of --help to a full disk" "3" "$?"

# A report that cannot be written: status 3, not the verdict.
wine ZorbelCheck.exe greek.txt </dev/null >/dev/full 2>/dev/null
e2e_expect_eq "status under Wine with the report to a full disk" "3" "$?"
"$native_checker" greek.txt >/dev/full
e2e_expect_eq "native status with the report to a full disk" "3" "$?"

# A console of its own: the report stays until a key is pressed.
wine start /wait ZorbelCheck.exe editor.txt >/dev/null 2>&1 &
started=$!
console_shown() { xdotool search --name ZorbelCheck >/dev/null 2>&1; }
checker_ended() { ! kill -0 "$started" 2>/dev/null; }
e2e_until 60 console_shown || e2e_fail "no console window in 60 s"
# The report takes a moment to print; a checker that did not wait would end within it.
e2e_until 2 checker_ended && e2e_fail "the console window closed without a key"
e2e_screenshot checker-console
xdotool key space
for tries in $(seq 50); do kill -0 "$started" 2>/dev/null || break; sleep 0.2; done
kill -0 "$started" 2>/dev/null && e2e_fail "still waiting after a key"
echo "ok: waits for a key in a console of its own"

e2e_pass
