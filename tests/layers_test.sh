#!/bin/bash
# Includes run one way between the rooms of the program and its platform backends: each
# room may include only the rooms listed for it; a backend (platform/headless, win32, x11,
# gtk, web, posix) may include the program's rooms and itself, and of the other backends only
# posix, the files and folders that the Linux programs and the native checker share, from
# x11, gtk and headless; no room of the program includes a backend. (The tests and
# benchmarks run the program on the headless backend and may include it.) No file outside platform/win32
# includes <windows.h>, and none outside platform/x11 an X11 header.
cd "$(dirname "$0")/.."
program="app saver setup checker startup ui"
declare -A allowed=(
  [ui]="ui"
  [startup]="startup ui"
  [saver]="saver startup ui"
  [setup]="setup startup ui"
  [checker]="checker startup ui"
  [app]="app saver setup startup ui"
  [platform/posix]="$program platform/posix"
  [platform/headless]="$program platform/headless platform/posix"
  [platform/x11]="$program platform/x11 platform/posix"
  [platform/gtk]="$program platform/gtk platform/posix"
  [platform/win32]="$program platform/win32"
  [platform/web]="$program platform/web"
)
status=0
for room in "${!allowed[@]}"; do
  [ -d "$room" ] || continue
  while IFS=: read -r file included; do
    target=${included%%/*}
    [ "$target" = platform ] && target=$(cut -d/ -f1-2 <<<"$included")
    if [[ " ${allowed[$room]} " != *" $target "* ]]; then
      echo "$file includes $included: $room may include only ${allowed[$room]}"
      status=1
    fi
  done < <(grep -r -o '#include "[a-z0-9_]*/[^"]*"' --include=*.h --include=*.cpp "$room" |
           sed 's/#include "\(.*\)"/\1/')
done
for backend in platform/*/; do
  backend=${backend%/}
  [ -n "${allowed[$backend]:-}" ] || { echo "$backend is a backend the layer rules do not name"; status=1; }
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
