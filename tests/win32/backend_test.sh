#!/bin/bash
# The Win32 backend's own checks under Wine on the virtual display (see backend_test.cpp),
# then a failure escaping a window procedure: it ends the program through the program's own
# services, with one box and the failed status.
#   backend_test.sh ZORBEL_SCR WINPROBE_EXE BACKEND_TEST_EXE
set -u
source "$(dirname "$0")/../e2e/lib.sh"
e2e_init "$1" "$2"
backend_test=$(realpath "$3")

wine "$backend_test" 2>/dev/null | tr -d '\r'
[ "${PIPESTATUS[0]}" -eq 0 ] || e2e_fail "a check of the backend failed"

timeout 60 wine "$backend_test" net >"$E2E_SCRATCH/net.txt" 2>/dev/null
status=$?
output=$(tr -d '\r' <"$E2E_SCRATCH/net.txt")
echo "$output"
grep -q '^box: ' <<<"$output" || e2e_fail "no box through the program's services"
e2e_expect_eq "boxes shown" 1 "$(grep -c '^box: ' <<<"$output")"
e2e_expect_eq "status of a run ended by the net" 1 "$status"
e2e_pass
