#!/bin/bash
# Every test of a build tree carries a label of a kind (see cmake/zorbel_test_labels.cmake),
# so that no test drops out of the tier it belongs to.
#   every_test_labelled.sh BUILD_DIR KIND...
set -u
build=$1
shift
kinds=$(IFS='|'; echo "$*")
unlabelled=$(ctest --test-dir "$build" -N -LE "^($kinds)\$" | sed -n 's/^ *Test *#[0-9]*: //p')
if [ -n "$unlabelled" ]; then
  echo "tests without a label of a kind ($*):"
  echo "$unlabelled"
  exit 1
fi
echo "every test carries a label of a kind"
