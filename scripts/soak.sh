#!/bin/bash
# A long run, not part of the test command: the screen saver under Wine at a 2 s delay for
# ten minutes (SOAK_SECONDS), with its private memory and GDI and USER object counts printed
# at the start and at the end, so that a leak per joke shows as growth.
set -u
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages || exit 1
build_preset windows || exit 1
export E2E_ARTIFACTS=${E2E_ARTIFACTS:-$PWD/build/windows/soak-artifacts}
source tests/e2e/lib.sh
e2e_init build/windows/Zorbel.scr build/windows/tests/e2e/winprobe.exe

soak_seconds=${SOAK_SECONDS:-600}
folder=$(e2e_workdir)
cp data/jokes.txt "$folder/jokes.txt"
printf 'rude\r\nmedicalyes\r\n 2 \r\n' >"$folder/Qorv.ini"
e2e_start "$folder" /s
e2e_probe wait "Zorbel Joke Screensaver" 20 >/dev/null || e2e_fail "no saver window"
sleep 6  # past the intro, with the first items shown

# What Windows reports of the process, and what Linux sees of the process Wine runs it in
# (Wine leaves some of the Windows counters at 0).
measure() {
  local windows_view linux_pid linux_view
  windows_view=$(e2e_probe resources Zorbel.scr) || e2e_fail "cannot read the saver's resources"
  linux_pid=$(pgrep -n -f 'Zorbel\.scr /s')
  linux_view=$(awk '/^(VmRSS|RssAnon):/ {printf "%s %s kB ", $1, $2}' "/proc/$linux_pid/status")
  echo "$windows_view; linux: $linux_view"
}

echo "start ($(date -u +%T)): $(measure)"
sleep "$soak_seconds"
e2e_running || e2e_fail "the saver ended during the soak"
echo "end after $soak_seconds s ($(date -u +%T)): $(measure)"
e2e_screenshot soak-end
e2e_pass
