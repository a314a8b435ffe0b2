#!/bin/bash
# Hostile joke databases under the real program: one far larger than any collection is
# refused as a file that cannot be read (code 70) before a byte of it is read, and one within
# the bound that needs more memory than the saver may use ends in the start-up report with
# code 7, not in a silent exit. Both runs end with a non-zero exit status.
#   failure_net_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

report_title="D'oh! An error occurred"

# expect_report WHAT CODE DESCRIPTION SCREENSHOT: the started program's report names the code
# and its description, and the program ends with a failed status once it is closed.
expect_report() {
  local what=$1 code=$2 description=$3 report
  e2e_probe wait "$report_title" 60 >/dev/null || e2e_fail "$what: no report: $(e2e_probe list)"
  report=$(e2e_texts "$report_title" Static)
  grep -qF "Error code: $code\r\nError description: $description\r\nError source: Zorbel" <<<"$report" ||
    e2e_fail "$what: not the report with code $code: $report"
  echo "ok: $what gives the report with code $code"
  e2e_screenshot "$4"
  e2e_probe click "$report_title" OK
  e2e_wait_exit 20 || e2e_fail "$what: the program did not end after the report"
  [ "$E2E_STATUS" -ne 0 ] || e2e_fail "$what: a failed run ended with exit status 0"
  echo "ok: $what: the run ends with a non-zero exit status ($E2E_STATUS)"
}

# Sparse files, so they cost no disk.
folder=$(e2e_workdir)
truncate -s 1500M "$folder/jokes.txt"
e2e_start "$folder" /s
expect_report "a 1500 MB database" 70 "Permission denied" failure-net-too-large

folder=$(e2e_workdir)
truncate -s 250M "$folder/jokes.txt"
# Read whole and taken apart, it needs twice its size; Wine itself starts within 200 MB.
(cd "$folder" && ulimit -d 300000 && exec wine Zorbel.scr /s) >/dev/null 2>&1 &
E2E_PID=$!
expect_report "memory running out while loading" 7 "Out of memory" failure-net-out-of-memory
e2e_pass
