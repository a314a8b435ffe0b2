#!/bin/bash
# Installs what is missing, builds both presets and runs every suite: the native ones on
# the headless platform, then the end-to-end ones with the real Zorbel.scr under Wine.
set -u
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages || exit 1
build_preset linux || exit 1
build_preset windows || exit 1

ctest --preset linux
native=$?
ctest --preset windows
windows=$?

verdict() { [ "$1" -eq 0 ] && echo passed || echo FAILED; }
echo "Summary: native suites $(verdict $native), Windows suites under Wine $(verdict $windows)"
[ $native -eq 0 ] && [ $windows -eq 0 ]
