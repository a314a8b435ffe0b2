#!/bin/bash
# Memory running out under the real program: a joke database larger than the memory the
# saver may use ends in the start-up report with code 7, not in a silent exit, and the run
# ends with a non-zero exit status.
#   failure_net_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

report_title="D'oh! An error occurred"
folder=$(e2e_workdir)
# Sparse, so it costs no disk; read whole it needs more than the limit below leaves.
truncate -s 1500M "$folder/jokes.txt"
# Wine itself needs about 1.6 GB of address space to start.
(cd "$folder" && ulimit -v 2400000 && exec wine Zorbel.scr /s) >/dev/null 2>&1 &
E2E_PID=$!

e2e_probe wait "$report_title" 60 >/dev/null || e2e_fail "no report: $(e2e_probe list)"
report=$(e2e_texts "$report_title" Static)
grep -qF 'Error code: 7\r\nError description: Out of memory\r\nError source: Zorbel' <<<"$report" ||
  e2e_fail "not the out-of-memory report: $report"
echo "ok: out of memory while loading gives the report with code 7"
e2e_screenshot failure-net-out-of-memory
e2e_probe click "$report_title" OK
e2e_wait_exit 20 || e2e_fail "the program did not end after the report"
echo "ok: the program ends after the report"
[ "$E2E_STATUS" -ne 0 ] || e2e_fail "a failed run ended with exit status 0"
echo "ok: a failed run ends with a non-zero exit status ($E2E_STATUS)"
e2e_pass
