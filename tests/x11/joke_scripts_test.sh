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
# colours cover (the joke or a promotional message), dark on light and with a margin.
PALETTE=("192,192,192" "128,128,128" "0,0,255" "0,255,0" "0,255,255" "255,0,0" "255,0,255")
read_back() {
  local marks=() colour area
  for colour in "${PALETTE[@]}"; do marks+=(-opaque "rgb($colour)"); done
  area=$(convert "$1" -fill white "${marks[@]}" -fill black +opaque white -format '%@' info:)
  convert "$1" -crop "$area" +repage -bordercolor black -border 20 -colorspace gray -normalize \
    -negate "$1.ocr.png" && tesseract "$1.ocr.png" - -l "$2" --psm 6 2>/dev/null
}

now_ms() { local now=${EPOCHREALTIME/./}; echo $((now / 1000)); }
started=()
for i in "${!CASES[@]}"; do
  IFS='|' read -r name language encoding text words <<<"${CASES[$i]}"
  start_virtual_display || { echo "FAIL: no virtual display" >&2; exit 1; }
  displays[$i]=$DISPLAY servers[$i]=$VIRTUAL_DISPLAY_PID
  "$ZORBEL" -window -delay 2 -jokes "$(joke_file "$name" "$encoding" "$text")" 2>"$SCRATCH/$name.err" &
  savers[$i]=$! started[$i]=$(now_ms)
done

# Items change at 5.5 s and every 2 s after; each screen is looked at a second into an
# item, until its joke (not a promotional message) has been read back, eight items at most:
# an item is a promotional message about one time in six, and a look can miss a joke too,
# so four looks left a case to chance now and then.
declare -A passed
for item in 0 1 2 3 4 5 6 7; do
  for i in "${!CASES[@]}"; do
    IFS='|' read -r name language encoding text words <<<"${CASES[$i]}"
    [ -n "${passed[$name]:-}" ] && continue
    wait_ms=$(( started[i] + 6500 + 2000 * item - $(now_ms) ))
    [ "$wait_ms" -gt 0 ] && sleep "$(printf '%d.%03d' $((wait_ms / 1000)) $((wait_ms % 1000)))"
    kill -0 "${savers[$i]}" 2>/dev/null || { echo "FAIL: $name: the saver ended" >&2; cat "$SCRATCH/$name.err" >&2; exit 1; }
    look=$SCRATCH/$name-$item.png
    DISPLAY=${displays[$i]} import -window root "$look" || { echo "FAIL: $name: no capture" >&2; exit 1; }
    raw=$(read_back "$look" "$language")
    seen=$(normalise <<<"$raw")
    found=0
    for word in $words; do
      [[ $seen == *"$(normalise <<<"$word")"* ]] && found=$((found + 1))
    done
    if [ "$found" -ge 2 ]; then
      passed[$name]=1
      cp "$look" "$ARTIFACTS/x11-script-$name.png"
      echo "ok: $name read back as: $(tr '\n' ' ' <<<"$raw")"
    fi
  done
done
status=0
for i in "${!CASES[@]}"; do
  IFS='|' read -r name language encoding text words <<<"${CASES[$i]}"
  [ -n "${passed[$name]:-}" ] && continue
  echo "FAIL: $name: \"$text\" was not read back in eight items; the last look read:" >&2
  read_back "$SCRATCH/$name-3.png" "$language" >&2
  cp "$SCRATCH/$name-3.png" "$ARTIFACTS/x11-script-$name.png"
  status=1
done
exit $status
