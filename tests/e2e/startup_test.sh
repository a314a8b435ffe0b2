#!/bin/bash
# Start-up under Wine: the missing-database report of configuration mode, and the silent
# end for any argument but "/c" and "/s".
#   startup_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

report_title="D'oh! An error occurred"
expected_text="Jokes database could not be found. \r\n\r\nYou may not have installed the screensaver properly. Please review the installation instructions provided, or check out our web site at \r\nhttp://$E2E_HOST/zorbel/"

# Configuration mode without jokes.txt: the code-53 report, gone once OK is pressed.
folder=$(e2e_workdir)
e2e_start "$folder" /c
e2e_probe wait "$report_title" 45 >/dev/null || e2e_fail "no \"$report_title\" box: $(e2e_probe list)"
e2e_expect_eq "report text" "$expected_text" "$(e2e_texts "$report_title" Static | grep -v '^$')"
e2e_expect_eq "report buttons" "OK" "$(e2e_texts "$report_title" Button)"
e2e_screenshot startup-report-53
e2e_probe click "$report_title" OK || e2e_fail "could not press OK"
e2e_wait_exit 20 || e2e_fail "still running 20 s after OK"

# Anything but "/c" and "/s" ends at once without showing a window.
for arguments in "/S" "/p 123"; do
  folder=$(e2e_workdir)
  cp "$(dirname "$1")/jokes.txt" "$folder/" 2>/dev/null
  watch_log="$E2E_SCRATCH/watch.log"
  e2e_probe watch 8 >"$watch_log" &
  watcher=$!
  for tries in $(seq 100); do grep -q ready "$watch_log" && break; sleep 0.1; done
  # shellcheck disable=SC2086
  e2e_start "$folder" $arguments
  e2e_wait_exit 20 || e2e_fail "\"$arguments\" still running after 20 s"
  wait "$watcher"
  e2e_expect_eq "windows shown with \"$arguments\"" "" "$(grep '^new' "$watch_log")"
done

e2e_pass
