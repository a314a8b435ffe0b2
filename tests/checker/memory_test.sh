#!/bin/bash
# zorbel-check within bounded memory: a 15 MB file of a million faulty records is checked in
# a small multiple of its size, with a report of a few hundred lines that counts the rest;
# a file larger than the memory left gives one line and the status of its own, never an
# abort and never a verdict on the file.
#
# memory_test.sh CHECKER
set -u
checker=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-checker-memory.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

{ printf '"Zorbel Joke Database",2,4\r\n'; yes $',,\r\n\r\n</joke>\r' | head -n 3000000; } >"$scratch/records.txt"
# Four times the file leaves room for the program and its libraries, not for a finding's
# worth of memory per record.
(ulimit -v $((4 * 15000 + 100000)); exec "$checker" "$scratch/records.txt") >"$scratch/report" 2>"$scratch/err"
status=$?
[ $status -eq 1 ] || fail "a million faulty records: status $status, $(cat "$scratch/err")"
[ "$(wc -l <"$scratch/report")" -lt 500 ] || fail "a report of $(wc -l <"$scratch/report") lines"
grep -q "records.txt: note: 999800 more warnings about records without text, the last on line 2999999, not shown" \
  "$scratch/report" || fail "no count of the warnings left out: $(tail -3 "$scratch/report")"
tail -1 "$scratch/report" | grep -q "; 0 errors, 2000001 warnings$" || fail "summary: $(tail -1 "$scratch/report")"

head -c 100000000 /dev/zero >"$scratch/huge.txt"
(ulimit -v 60000; exec "$checker" "$scratch/huge.txt") >"$scratch/report" 2>"$scratch/err"
status=$?
[ $status -eq 4 ] || fail "out of memory: status $status, $(cat "$scratch/err")"
[ "$(cat "$scratch/err")" = "zorbel-check: out of memory while checking $scratch/huge.txt: no verdict on it" ] ||
  fail "out of memory: $(cat "$scratch/err")"
[ ! -s "$scratch/report" ] || fail "a report for a file not checked: $(cat "$scratch/report")"
echo PASS
