#!/bin/bash
# Includes run one way between the rooms of the program: each room may include only the
# rooms listed for it, no file outside platform/win32 includes <windows.h>, and none outside
# platform/x11 an X11 header.
cd "$(dirname "$0")/.."
declare -A allowed=(
  [ui]="ui"
  [startup]="startup ui"
  [saver]="saver startup ui"
  [setup]="setup startup ui"
  [checker]="checker startup ui"
  [app]="app saver setup startup ui"
)
status=0
for room in "${!allowed[@]}"; do
  [ -d "$room" ] || continue
  while IFS=: read -r file included; do
    target=${included%%/*}
    if [[ " ${allowed[$room]} " != *" $target "* ]]; then
      echo "$file includes $included: $room may include only ${allowed[$room]}"
      status=1
    fi
  done < <(grep -o '#include "[a-z0-9_]*/[^"]*"' "$room"/*.h "$room"/*.cpp 2>/dev/null |
           sed 's/#include "\(.*\)"/\1/')
done
if grep -rl '#include <windows.h>' --include=*.h --include=*.cpp . | grep -v '^./platform/win32/\|^./build/\|^./tests/e2e/\|^./tests/win32/'; then
  echo "<windows.h> outside platform/win32"
  status=1
fi
if grep -rl '#include <X11/' --include=*.h --include=*.cpp . | grep -v '^./platform/x11/\|^./build/'; then
  echo "X11 headers outside platform/x11"
  status=1
fi
[ $status -eq 0 ] && echo "includes run one way"
exit $status
