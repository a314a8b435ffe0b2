#!/bin/bash
# Builds the native zorbel-check from the same source for this machine, in a folder of the
# Windows build, for the checker's test under Wine to compare against.
#   build_native_checker.sh SOURCE_DIR BUILD_DIR WEB_HOST WEB_DOMAIN
set -eu
cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DZORBEL_DEB_PACKAGE=OFF \
  "-DZORBEL_WEB_HOST=$3" "-DZORBEL_WEB_DOMAIN=$4" >/dev/null
cmake --build "$2" --target zorbel-check
