# Sourced by run.sh and the end-to-end tests: a Wine prefix of the project's own, prepared
# once, and a virtual display for machines that have none.

export WINEDEBUG=-all
# No Mono or Gecko prompts, and no Linux menu entries for the Windows shortcuts the
# installer makes (winemenubuilder off).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX=${ZORBEL_WINE_ROOT:-$HOME/.cache/zorbel-e2e}/wine
VIRTUAL_DISPLAY_PID=

# Windows' own faces are missing under Wine; the metric-compatible Liberation faces stand in.
WINE_FONT_REPLACEMENTS=("Times New Roman=Liberation Serif" "Arial=Liberation Sans" "MS Sans Serif=Liberation Sans")
# Windows links other faces to its own for the letters they lack (Chinese, Japanese,
# Korean); under Wine the faces and their stand-ins get the same from the Noto CJK faces,
# where installed. (Wine 8 draws the linked letters in the regular weight only: bold ones
# show as boxes or not at all.)
WINE_FONT_LINKS=("Arial=NotoSansCJK-Regular.ttc,Noto Sans CJK JP"
                 "Liberation Sans=NotoSansCJK-Regular.ttc,Noto Sans CJK JP"
                 "Times New Roman=NotoSerifCJK-Regular.ttc,Noto Serif CJK JP"
                 "Liberation Serif=NotoSerifCJK-Regular.ttc,Noto Serif CJK JP")

prepare_wine_prefix() {
  [ -f "$WINEPREFIX/.zorbel-fonts-linked" ] && return 0
  mkdir -p "$WINEPREFIX"
  echo "Preparing the Wine prefix $WINEPREFIX (once)"
  wineboot --init >/dev/null 2>&1
  local replacement
  for replacement in "${WINE_FONT_REPLACEMENTS[@]}"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%%=*}" /t REG_SZ \
      /d "${replacement#*=}" /f >/dev/null 2>&1
  done
  local link
  for link in "${WINE_FONT_LINKS[@]}"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "${link%%=*}" /t REG_MULTI_SZ /d "${link#*=}" /f >/dev/null 2>&1
  done
  wineserver --wait
  touch "$WINEPREFIX/.zorbel-fonts-linked"
}

# use_own_wine_prefix NAME: from here on Wine runs in a prefix of NAME's own beside the
# project's prefix, made once as a copy of that one, so that suites run side by side each
# with a Wine server of its own.
use_own_wine_prefix() {
  local shared=$WINEPREFIX own="${WINEPREFIX%/*}/$1/wine"
  if [ ! -f "$own/.zorbel-fonts" ]; then
    # One suite at a time prepares the shared prefix; the copy goes in under its final name
    # only once complete.
    (flock 9 && prepare_wine_prefix) 9>"${shared%/*}/.prepare.lock"
    rm -rf "$own.partial"
    mkdir -p "${own%/*}"
    copy_wine_prefix "$shared" "$own.partial" && rm -rf "$own" && mv "$own.partial" "$own"
  fi
  export WINEPREFIX=$own
}

# copy_wine_prefix FROM TO: a copy of a prefix that is not in use. Its hundreds of megabytes
# of Windows files, which Wine only reads, are linked where both are on one file system;
# the files at its top (the registry among them) and the .ini files, which Wine writes, are
# copied.
copy_wine_prefix() {
  if cp -al "$1" "$2" 2>/dev/null; then
    local file
    while IFS= read -r -d '' file; do
      cp --remove-destination "$1/${file#"$2"/}" "$file" || return 1
    done < <(find "$2" -maxdepth 1 -type f -print0; find "$2/drive_c/windows" -maxdepth 1 -iname '*.ini' -print0)
  else
    rm -rf "$2"
    cp -a "$1" "$2"
  fi
}

# Starts Xvfb (1024 x 768, 24 bits, unless VIRTUAL_SCREEN says otherwise) on the first free
# display number from ZORBEL_DISPLAY_BASE (90 unless set), exports DISPLAY and waits until
# the display answers. A number another program took at the same moment is passed over.
# The server never resets when its last client leaves, so a test that closes one window
# before it opens the next never meets a display that is busy resetting, and properties put
# on the root window (Xft.dpi) stay.
start_virtual_display() {
  local number=${ZORBEL_DISPLAY_BASE:-90} tries
  for tries in $(seq 20); do
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
      number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 "${VIRTUAL_SCREEN:-1024x768x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    export DISPLAY=":$number"
    if wait_for_own_display "$number"; then return 0; fi
    kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null
    number=$((number + 1))
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# wait_for_own_display NUMBER: true once the display answers and its lock file names the
# Xvfb just started; false if that Xvfb ended or 10 s passed.
wait_for_own_display() {
  local tries
  for tries in $(seq 100); do
    kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null || return 1
    if [ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$1-lock")" = "$VIRTUAL_DISPLAY_PID" ] &&
       xdpyinfo >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

stop_virtual_display() {
  [ -n "$VIRTUAL_DISPLAY_PID" ] && kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null
  VIRTUAL_DISPLAY_PID=
}
