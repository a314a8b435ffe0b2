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

# Starts Xvfb (1024 x 768, 24 bits) on the first free display number from
# ZORBEL_DISPLAY_BASE (90 unless set), exports DISPLAY and waits until the display answers.
start_virtual_display() {
  local number=${ZORBEL_DISPLAY_BASE:-90} tries
  while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  export DISPLAY=":$number"
  for tries in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

stop_virtual_display() {
  [ -n "$VIRTUAL_DISPLAY_PID" ] && kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null
  VIRTUAL_DISPLAY_PID=
}
