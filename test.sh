#!/bin/bash
# Installs what is missing, builds every preset and runs every suite: the native ones on
# the headless platform, the same under AddressSanitizer and UndefinedBehaviorSanitizer
# (built for another maker host, so that no test leans on the default one), the fuzz
# targets briefly, the page in headless Chromium, then the end-to-end ones with the real
# Zorbel.scr under Wine. Ends with
# each stage's time, the fuzzing figures, every Wine suite that passed only on its second
# attempt, and a summary.
set -u
cd "$(dirname "$0")"
started=$SECONDS
source scripts/packages.sh

stage_times=()
times_file=$(mktemp "${TMPDIR:-/tmp}/zorbel-times.XXXXXX")
trap 'rm -f "$times_file"' EXIT
# The processor time, user and system, of every process this shell has waited for: noted
# here, in this shell (a subshell would count only its own children), and read back after.
note_children_cpu() { times >"$times_file"; }
children_cpu_noted() {
  tail -n 1 "$times_file" | tr 'ms' '  ' | awk '{printf "%.1f", $1 * 60 + $2 + $3 * 60 + $4}'
}
# stage NAME COMMAND...: runs the command as a stage of the run and notes its wall time and
# the processor time of what it ran (Wine's server and the virtual displays, which outlive
# their suites, are not counted).
stage() {
  local name=$1 began=$SECONDS cpu status
  shift
  note_children_cpu
  cpu=$(children_cpu_noted)
  "$@"
  status=$?
  note_children_cpu
  stage_times+=("$(printf '  %-30s %5d s wall %7.1f s CPU' "$name" $((SECONDS - began)) \
    "$(awk -v a="$cpu" -v b="$(children_cpu_noted)" 'BEGIN {print b - a}')")")
  return $status
}

stage "installing what is missing" ensure_packages || exit 1
stage "building linux" build_preset linux || exit 1
stage "building linux-sanitize, fuzz" build_preset linux-sanitize || exit 1
stage "building web" build_preset web || exit 1
# The checker's test under Wine compares with the native checker just built.
stage "building windows" build_preset windows -DZORBEL_NATIVE_CHECKER="$PWD/build/linux/zorbel-check" || exit 1

stage "linux suites" ctest --preset linux
native=$?
stage "linux-sanitize suites" ctest --preset linux-sanitize
sanitized=$?
rm -f build/linux-sanitize/fuzz-executions.txt
stage "fuzz targets" ctest --preset fuzz
fuzzed=$?
stage "web suites" ctest --preset web
web=$?
rm -f build/windows/e2e-retries.txt
stage "Wine suites" ctest --preset windows
windows=$?

verdict() { [ "$1" -eq 0 ] && echo passed || echo FAILED; }
echo "Time of each stage:"
printf '%s\n' "${stage_times[@]}"
echo "Fuzzing, executions per target:"
sed 's/^/  /' build/linux-sanitize/fuzz-executions.txt 2>/dev/null
if [ -s build/windows/e2e-retries.txt ]; then
  echo "Wine suites that passed only on their second attempt:"
  sed 's/^/  /' build/windows/e2e-retries.txt
else
  echo "Wine suites that passed only on their second attempt: none"
fi
echo "Summary: native suites $(verdict $native), sanitized native suites $(verdict $sanitized)," \
  "fuzz targets $(verdict $fuzzed), page suites in Chromium $(verdict $web)," \
  "Windows suites under Wine $(verdict $windows)" \
  "($((SECONDS - started)) s)"
[ $native -eq 0 ] && [ $sanitized -eq 0 ] && [ $fuzzed -eq 0 ] && [ $web -eq 0 ] && [ $windows -eq 0 ]
