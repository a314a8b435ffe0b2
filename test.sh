#!/bin/bash
# Installs what is missing (what the linux tree needs first, the rest while it builds),
# builds every preset and runs every suite: the native ones on the headless platform, the
# same under AddressSanitizer and UndefinedBehaviorSanitizer (built for another maker host,
# so that no test leans on the default one), the fuzz targets briefly, the page in headless
# Chromium (beside the sanitized ones), and beside them all the end-to-end ones with the
# real Zorbel.scr under Wine. Ends with each stage's time, the fuzzing figures, every
# Wine suite that passed only on its second attempt, and a summary.
set -u
cd "$(dirname "$0")"
started=$SECONDS
source scripts/packages.sh

stage_times=()
times_file=$(mktemp "${TMPDIR:-/tmp}/zorbel-times.XXXXXX")
windows_pid= installing_pid=
# A run that is stopped stops the Windows stages too, and lets the package manager finish
# what it is installing rather than leave the system half set up.
trap 'rm -f "$times_file"; [ -n "$windows_pid" ] && kill -TERM -- -"$windows_pid" 2>/dev/null
  [ -n "$installing_pid" ] && wait "$installing_pid"' EXIT
trap 'exit 130' INT TERM HUP
# stage NAME COMMAND...: runs the command as a stage of the run and notes its wall time and
# the processor time, user and system, of what it ran. The command runs in a subshell that
# notes the time of its own children alone: this shell's would also take in, whenever they
# end, the stages that run beside. (Wine's server and the virtual displays, which outlive
# their suites, are not counted.)
stage() {
  local name=$1 began=$SECONDS status
  shift
  (
    "$@"
    status=$?
    times >"$times_file"
    exit $status
  )
  status=$?
  stage_times+=("$(printf '  %-32s %5d s wall %7.1f s CPU' "$name" $((SECONDS - began)) \
    "$(tail -n 1 "$times_file" | tr 'ms' '  ' | awk '{print $1 * 60 + $2 + $3 * 60 + $4}')")")
  return $status
}

# beside LOG COMMAND...: runs the command, which runs stages of its own, beside the stages
# that follow, with its output in LOG and its stages' times in LOG.times; beside_pid is its
# process. joined PID LOG: waits for it and adds its stages' times to the run's.
beside() {
  local log=$1
  shift
  rm -f "$log.times"
  (
    times_file=$(mktemp "${TMPDIR:-/tmp}/zorbel-times.XXXXXX")
    stage_times=()
    "$@"
    status=$?
    printf '%s\n' "${stage_times[@]}" >"$log.times"
    rm -f "$times_file"
    exit $status
  ) >"$log" 2>&1 &
  beside_pid=$!
}
joined() {
  wait "$1"
  local status=$?
  [ -f "$2.times" ] && mapfile -t -O ${#stage_times[@]} stage_times <"$2.times"
  return $status
}

# The package manager unpacks one file after another on one core: the linux tree builds on
# the other as soon as what it needs is in, while the other packages go in beside it, the
# sanitized tree's compiler first, so that this tree builds next while the rest go in.
build_packages_missing=$(missing_packages "${ZORBEL_BUILD_PACKAGES[@]}")
stage "installing what the build needs" ensure_packages "${ZORBEL_BUILD_PACKAGES[@]}" || exit 1
# The package lists that install fetched serve the next ones too.
[ -n "$build_packages_missing" ] && zorbel_package_lists_fetched=1
# sudo asks for a password here, where it can be typed, not in the log.
[ "$(id -u)" -ne 0 ] && [ -n "$(missing_packages)" ] && { sudo -v || exit 1; }
mkdir -p build
installing_log=build/installing.log
compiler_installed=build/installing.compiler
rm -f "$compiler_installed"
installing_others() {
  stage "installing clang, beside" ensure_packages "${ZORBEL_SANITIZER_PACKAGES[@]}" || return 1
  : >"$compiler_installed"
  stage "installing the rest, beside" ensure_packages
}
beside "$installing_log" installing_others
installing_pid=$beside_pid
# installed: waits until the packages going in beside are in; fails, showing their output,
# if some are missing then.
installed() {
  joined "$installing_pid" "$installing_log"
  installing_pid=
  [ -z "$(missing_packages)" ] && return 0
  echo "Installing the other packages failed (from $installing_log):"
  cat "$installing_log"
  return 1
}
stage "building linux" build_preset linux || exit 1

# The Windows build and its suites under Wine run beside the native stages: the suites of
# both mostly wait (on their virtual displays, on Wine), each on displays, Wine prefixes
# and build folders of its own. Their output goes to a log, shown once both are done; they
# run in a process group of their own, which a stopped run ends. They start once every
# package is in.
windows_log=build/windows-stages.log
rm -f build/windows/e2e-retries.txt
echo "The Windows build and the Wine suites run beside the native stages; their output: $windows_log"
# The checker's test under Wine compares with the native checker just built.
windows_stages() {
  [ -n "$installing_pid" ] && tail --pid="$installing_pid" -f /dev/null
  [ -z "$(missing_packages)" ] || { echo "Not every package the Windows stages need is installed."; return 1; }
  stage "building windows" build_preset windows -DZORBEL_NATIVE_CHECKER="$PWD/build/linux/zorbel-check" &&
    stage "Wine suites" ctest --preset windows
}
set -m
beside "$windows_log" windows_stages
windows_pid=$beside_pid
set +m

# The sanitized tree builds once its compiler is in, or once nothing more goes in.
while [ ! -e "$compiler_installed" ] && kill -0 "$installing_pid" 2>/dev/null; do sleep 0.5; done
[ -e "$compiler_installed" ] || { installed; exit 1; }
stage "building linux-sanitize, fuzz" build_preset linux-sanitize || exit 1
installed || exit 1
stage "building web" build_preset web || exit 1

stage "linux suites" ctest --preset linux
native=$?
# The page's journeys mostly wait on Chromium: they run beside the sanitized suites, which
# leave a part of a core free, and not beside the fuzz targets, which take all they get.
web_log=build/web-stages.log
beside "$web_log" stage "web suites, beside" ctest --preset web
web_pid=$beside_pid
stage "linux-sanitize suites" ctest --preset linux-sanitize
sanitized=$?
joined "$web_pid" "$web_log"
web=$?
echo "The page's journeys in Chromium (from $web_log):"
cat "$web_log"
rm -f build/linux-sanitize/fuzz-executions.txt
stage "fuzz targets" ctest --preset fuzz
fuzzed=$?
began=$SECONDS
joined "$windows_pid" "$windows_log"
windows=$?
windows_pid=
echo "The Windows build and the Wine suites (from $windows_log):"
cat "$windows_log"
stage_times+=("$(printf '  %-32s %5d s wall' "waiting for the Wine suites" $((SECONDS - began)))")

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
