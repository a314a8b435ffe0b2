#!/bin/bash
# zorbel-check as a Linux command: --help and --version answer with status 0, -- lets a file
# name begin with a dash, an unknown option is refused with status 2, and a reader of its
# report that has gone, or a disk that is full, leaves it the status of a report not
# written rather than killing it.
#
# command_line_test.sh CHECKER JOKES
set -u
checker=$1 jokes=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-checker.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$checker" --help >"$scratch/out" || fail "--help ended with $?"
grep -q "^Usage: zorbel-check" "$scratch/out" || fail "--help printed: $(head -3 "$scratch/out")"
[ "$("$checker" --version)" = "zorbel-check 4beta1" ] || fail "--version printed: $("$checker" --version)"
"$checker" -x "$jokes" >/dev/null 2>"$scratch/err"
[ $? -eq 2 ] && grep -q '"-x"' "$scratch/err" || fail "an unknown option: $(cat "$scratch/err")"
cp "$jokes" "$scratch/-dash.txt"
(cd "$scratch" && "$checker" -- -dash.txt >"$scratch/out") || fail "-- then a file: status $?"
grep -q "^-dash.txt: " "$scratch/out" || fail "-- then a file: $(tail -1 "$scratch/out")"
# A report to a reader that has gone: SIGPIPE would end it with 141.
( sleep 0.3; exec "$checker" "$jokes" "$jokes" ) | true
[ "${PIPESTATUS[0]}" -eq 3 ] || fail "with stdout a closed pipe, status ${PIPESTATUS[0]}"
( sleep 0.3; exec "$checker" --help ) | true
[ "${PIPESTATUS[0]}" -eq 3 ] || fail "--help into a closed pipe, status ${PIPESTATUS[0]}"
"$checker" "$jokes" >/dev/full
status=$?
[ $status -eq 3 ] || fail "with stdout a full disk, status $status"
echo PASS
