#!/bin/bash
# The Linux saver shows a joke as its writer typed it, in any script and whichever way the
# file was saved (French as UTF-8 with and without its mark, as UTF-16 and as ANSI): one
# saver run per joke file, each on a virtual display of its own and all at once, and what
# each screen shows of the joke read back with tesseract in the joke's language. Arabic
# read back as its words was drawn joined and right to left. The saver finds its faces among
# those the project installs alone, as on a machine that has nothing else.
# Usage: joke_scripts_test.sh ZORBEL ARTIFACT_FOLDER
set -u
ZORBEL=$(realpath "$1")
ARTIFACTS=$2
mkdir -p "$ARTIFACTS"
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-scripts.XXXXXX")
export LC_ALL=C.UTF-8 HOME=$SCRATCH/home XDG_CONFIG_HOME= XDG_DATA_HOME=
mkdir -p "$HOME"
source "$(dirname "$0")/../../scripts/wine_env.sh"
source "$(dirname "$0")/../support/project_fonts.sh"
use_project_fonts "$SCRATCH" || exit 1
displays=() servers=() savers=()
cleanup() {
  kill "${savers[@]}" "${servers[@]}" 2>/dev/null
  rm -rf "$SCRATCH"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# name|tesseract language|how the file is saved|the joke|words to read back, two of which will do
CASES=(
  "french-utf8|fra|utf-8|Le café du coin : garçon, une crème brûlée !|café garçon crème brûlée"
  "french-utf8-mark|fra|utf-8 with its mark|Où est l'été ? À la fenêtre, naïve !|où été fenêtre naïve"
  "french-utf16|fra|utf-16|Un œuf, un bœuf : ça coûte cher à Noël.|œuf bœuf coûte noël"
  "french-ansi|fra|ansi|Déjà vu : le garçon reçoit un reçu.|déjà garçon reçoit reçu"
  "russian|rus|utf-8|Зорбель смеётся последним|зорбель смеется последним"
  "greek|ell|utf-8|Ο Ζόρμπελ γελάει τελευταίος|ζόρμπελ γελάει τελευταίος"
  "japanese|jpn|utf-8|ゾーベルは最後に笑う|ゾーベル 最後 笑う"
  "arabic|ara|utf-8|زوربل يضحك أخيرا|زوربل يضحك اخيرا"
)

# joke_file NAME ENCODING TEXT: a collection of that one clean joke, saved so.
joke_file() {
  local utf8 file=$SCRATCH/$1.txt
  utf8=$(printf '"Scripts",1,4\r\nclean,0,0\r\n%s\r\n</joke>\r\n' "$3")
  case $2 in
    utf-8) printf '%s' "$utf8" ;;
    "utf-8 with its mark") printf '\xEF\xBB\xBF%s' "$utf8" ;;
    utf-16) printf '\xFF\xFE'; printf '%s' "$utf8" | iconv -f UTF-8 -t UTF-16LE ;;
    ansi) printf '%s' "$utf8" | iconv -f UTF-8 -t CP1252 ;;
  esac > "$file"
  echo "$file"
}

# What a reader compares: lower case, without blanks, every alef one alef, ё as е.
normalise() { sed 's/.*/\L&/; s/[[:space:]]//g; s/[أإآ]/ا/g; s/ё/е/g'; }

# read_back PNG LANGUAGE: the text tesseract reads in the part of the screen the palette's
# colours cover (the joke or a promotional message), dark on light and with a margin; none
# where they cover nothing.
PALETTE=("192,192,192" "128,128,128" "0,0,255" "0,255,0" "0,255,255" "255,0,0" "255,0,255")
read_back() {
  local marks=() colour area
  for colour in "${PALETTE[@]}"; do marks+=(-opaque "rgb($colour)"); done
  area=$(convert "$1" -fill white "${marks[@]}" -fill black +opaque white -format '%@' info: 2>/dev/null)
  # Nothing drawn yet: nothing to read.
  [[ $area == 0x0* ]] && return 0
  convert "$1" -crop "$area" +repage -bordercolor black -border 20 -colorspace gray -normalize \
    -negate "$1.ocr.png" && tesseract "$1.ocr.png" - -l "$2" --psm 6 2>/dev/null
}

for i in "${!CASES[@]}"; do
  IFS='|' read -r name language encoding text words <<<"${CASES[$i]}"
  start_virtual_display || { echo "FAIL: no virtual display" >&2; exit 1; }
  displays[$i]=$DISPLAY servers[$i]=$VIRTUAL_DISPLAY_PID
  "$ZORBEL" -window -delay 2 -jokes "$(joke_file "$name" "$encoding" "$text")" 2>"$SCRATCH/$name.err" &
  savers[$i]=$!
done

# Each screen is looked at in turn, once its intro has gone, until its joke has been read
# back: an item is a promotional message about one time in six, and items change every 2 s,
# so a joke comes within seconds; the deadline only bounds a saver that never shows it. The
# looks go by what each screen shows, not by the time since its saver started, which a busy
# machine may have kept from drawing for seconds.
INTRO_PANEL="0,0,192"
now_ms() { local now=${EPOCHREALTIME/./}; echo $((now / 1000)); }
deadline=$(( $(now_ms) + 90000 ))
declare -A passed last_look read_any
looks=0 read_back_count=0
while [ "$read_back_count" -lt ${#CASES[@]} ] && [ "$(now_ms)" -lt "$deadline" ]; do
  read_this_round=
  for i in "${!CASES[@]}"; do
    IFS='|' read -r name language encoding text words <<<"${CASES[$i]}"
    [ -n "${passed[$name]:-}" ] && continue
    kill -0 "${savers[$i]}" 2>/dev/null || { echo "FAIL: $name: the saver ended" >&2; cat "$SCRATCH/$name.err" >&2; exit 1; }
    looks=$((looks + 1))
    look=$SCRATCH/$name-$looks.png
    DISPLAY=${displays[$i]} import -window root "$look" || { echo "FAIL: $name: no capture" >&2; exit 1; }
    panel=$(convert "$look" -fill black -opaque white -fill white -opaque "rgb($INTRO_PANEL)" \
      -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:)
    last_look[$name]=$look
    [ "$panel" -gt 50000 ] && continue
    read_any[$name]=1 read_this_round=1
    raw=$(read_back "$look" "$language")
    seen=$(normalise <<<"$raw")
    found=0
    for word in $words; do
      [[ $seen == *"$(normalise <<<"$word")"* ]] && found=$((found + 1))
    done
    if [ "$found" -ge 2 ]; then
      passed[$name]=1 read_back_count=$((read_back_count + 1))
      cp "$look" "$ARTIFACTS/x11-script-$name.png"
      echo "ok: $name read back as: $(tr '\n' ' ' <<<"$raw")"
    fi
  done
  # Every screen still on its intro: a pause rather than a busy round of captures.
  [ -z "$read_this_round" ] && sleep 0.5
done
status=0
for i in "${!CASES[@]}"; do
  IFS='|' read -r name language encoding text words <<<"${CASES[$i]}"
  [ -n "${passed[$name]:-}" ] && continue
  look=${last_look[$name]:-}
  if [ -z "$look" ]; then
    echo "FAIL: $name: no look at the screen in 90 s" >&2
  elif [ -z "${read_any[$name]:-}" ]; then
    # Whether the saver was stuck waiting, stopped or busy.
    pid=${savers[$i]}
    echo "FAIL: $name: the intro never ended; the saver's state: $(grep '^State' "/proc/$pid/status")," \
      "waiting in $(cat "/proc/$pid/wchan"), processor time $(cut -d' ' -f14-15 "/proc/$pid/stat") ticks" >&2
  else
    echo "FAIL: $name: \"$text\" was not read back in 90 s; the last look read:" >&2
    read_back "$look" "$language" >&2
  fi
  [ -n "$look" ] && cp "$look" "$ARTIFACTS/x11-script-$name.png"
  status=1
done
exit $status
