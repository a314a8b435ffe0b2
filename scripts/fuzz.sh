#!/bin/bash
# Fuzzes every target for longer than the test command does: builds the fuzz preset, then
# runs each target for FUZZ_SECONDS (600 unless set) after replaying its seeds and
# reproducers, and prints the executions per target. A crash leaves its input beside the
# build as build/linux-sanitize/TARGET-crash-...
#   scripts/fuzz.sh [TARGET...]
set -u
cd "$(dirname "$0")/.."
source scripts/packages.sh
build_preset fuzz >/dev/null || exit 1
seconds=${FUZZ_SECONDS:-600}
summary=build/linux-sanitize/fuzz-long-executions.txt
rm -f "$summary"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets < <(cd tests/fuzz/corpus && ls)
status=0
for target in "${targets[@]}"; do
  bash tests/fuzz/run_fuzz_target.sh "build/linux-sanitize/tests/fuzz/$target" \
    "tests/fuzz/corpus/$target" "$seconds" "$summary" || status=1
done
echo "Executions per target:"
sed 's/^/  /' "$summary"
exit $status
