#!/bin/bash
# Runs an end-to-end suite, and once more if it fails: Wine now and then loses a click or
# stalls for seconds. Each attempt has a time limit of its own. A suite that passes only on
# its second attempt is noted in RETRIES_FILE with its first attempt's failure, and
# ./test.sh names it at its end; the log holds the output of both attempts.
#   run_with_one_retry.sh RETRIES_FILE ATTEMPT_SECONDS SCRIPT ARGUMENT...
set -u
retries=$1 limit=$2 script=$3
shift 3
name=$(basename "$script" .sh)
first=$(mktemp "${TMPDIR:-/tmp}/zorbel-attempt.XXXXXX")
trap 'rm -f "$first"' EXIT

# attempt: the suite within its time limit, its output also kept in $first.
attempt() {
  timeout -k 15 "$limit" bash "$script" "$@" 2>&1 | tee "$first"
  local status=${PIPESTATUS[0]}
  [ "$status" -eq 124 ] && echo "FAIL [$name]: no end within $limit s" | tee -a "$first"
  return "$status"
}

attempt "$@" && exit 0
failure=$(grep '^FAIL' "$first" | tail -n 2 | tr '\n' ' ')
[ -n "$failure" ] || failure=$(tail -n 2 "$first" | tr '\n' ' ')
echo "RETRY [$name]: the first attempt failed; running it once more"
attempt "$@" || exit 1
echo "$name passed on its second attempt; the first failed: $failure" | tee -a "$retries"
