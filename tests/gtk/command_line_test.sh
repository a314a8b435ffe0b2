#!/bin/bash
# zorbel-settings' command line without a display: --help and --version that cannot be
# written end with status 1, and a display it cannot open is named on stderr escaped and
# cut short.
#
# command_line_test.sh ZORBEL_SETTINGS
set -u
settings=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-settings.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$("$settings" --version)" = "zorbel-settings 4beta1" ] || fail "--version printed: $("$settings" --version)"
for asked in --help --version; do
  "$settings" $asked >/dev/full 2>"$scratch/err"
  [ $? -eq 1 ] && grep -q "^zorbel-settings: cannot write to standard output" "$scratch/err" ||
    fail "$asked into a full disk: $(cat "$scratch/err")"
done

DISPLAY=$'\e]0;owned\a'$(printf 'y%.0s' $(seq 300)) "$settings" >/dev/null 2>"$scratch/err"
[ $? -eq 1 ] || fail "no display: status not 1"
grep -qF 'zorbel-settings: cannot open the display "\x1b]0;owned\x07yyy' "$scratch/err" ||
  fail "the display's name not escaped: $(cat -v "$scratch/err")"
grep -q "y\{80\}" "$scratch/err" && fail "the display's name not cut short"
LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' "$scratch/err" && fail "control bytes on stderr"
echo PASS
