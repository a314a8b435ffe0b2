#!/bin/bash
# Installs what is missing, builds every preset and runs every suite: the native ones on
# the headless platform, the same under AddressSanitizer and UndefinedBehaviorSanitizer
# (built for another maker host, so that no test leans on the default one), the fuzz
# targets briefly, then the end-to-end ones with the real Zorbel.scr under Wine.
set -u
cd "$(dirname "$0")"
started=$SECONDS
source scripts/packages.sh
ensure_packages || exit 1
build_preset linux || exit 1
cmake --build --preset linux --target package >/dev/null || exit 1
build_preset linux-sanitize || exit 1
build_preset fuzz || exit 1
build_preset windows || exit 1

ctest --preset linux
native=$?
ctest --preset linux-sanitize
sanitized=$?
rm -f build/fuzz/fuzz-executions.txt
ctest --preset fuzz
fuzzed=$?
ctest --preset windows
windows=$?

verdict() { [ "$1" -eq 0 ] && echo passed || echo FAILED; }
echo "Fuzzing, executions per target:"
sed 's/^/  /' build/fuzz/fuzz-executions.txt 2>/dev/null
echo "Summary: native suites $(verdict $native), sanitized native suites $(verdict $sanitized)," \
  "fuzz targets $(verdict $fuzzed), Windows suites under Wine $(verdict $windows)" \
  "($((SECONDS - started)) s)"
[ $native -eq 0 ] && [ $sanitized -eq 0 ] && [ $fuzzed -eq 0 ] && [ $windows -eq 0 ]
