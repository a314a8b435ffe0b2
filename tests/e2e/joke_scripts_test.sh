#!/bin/bash
# Jokes written in other scripts under the real saver: French with its accents (saved as
# UTF-8 with and without its mark, as UTF-16 and as ANSI in the code page Wine gives the
# program), Greek and Russian (as UTF-8) are the display label's text letter for letter and
# are drawn as written, read back from the screen by OCR. The setup windows' captions still
# show.
# One saver run per joke, each at the shortest delay.
#   joke_scripts_test.sh ZORBEL_SCR WINPROBE_EXE
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"

window_title="Zorbel Joke Screensaver"

# ocr IMAGE "LEFT TOP RIGHT BOTTOM" LANGUAGE [ink]: the text of that part of the image (a
# control's own rectangle: the saver may place its label over the notices), on one line
# with single blanks. With "ink", bright letters on black as the saver draws them: a pixel
# whose brightest channel is lit is ink; else dark letters on a light ground. Greek mu is
# read as the micro sign, which looks the same.
ocr() {
  local left top right bottom page="$E2E_SCRATCH/ocr.png" ink=(-colorspace gray -threshold 50%)
  read -r left top right bottom <<<"$2"
  [ "${4:-}" = ink ] && ink=(-colorspace HSB -channel B -separate +channel -threshold 30% -negate)
  convert "$1" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "${ink[@]}" \
    -bordercolor white -border 8 -resize 300% "$page"
  tesseract "$page" - -l "$3" --psm 6 2>/dev/null | tr -s ' \n' '  ' | sed 's/^ //; s/ $//; s/µ/μ/g'
}

# similarity EXPECTED ACTUAL: 100 less the letters that would have to change, per hundred
# letters of EXPECTED.
similarity() {
  codes() { printf %s "$1" | iconv -f UTF-8 -t UTF-32BE | od -An -tx4 -v | tr -s ' \n' '  '; }
  awk -v a="$(codes "$1")" -v b="$(codes "$2")" 'BEGIN {
    n = split(a, x, " "); m = split(b, y, " ")
    for (j = 0; j <= m; j++) d[0, j] = j
    for (i = 1; i <= n; i++) {
      d[i, 0] = i
      for (j = 1; j <= m; j++) {
        cost = d[i - 1, j - 1] + (x[i] != y[j])
        if (d[i - 1, j] + 1 < cost) cost = d[i - 1, j] + 1
        if (d[i, j - 1] + 1 < cost) cost = d[i, j - 1] + 1
        d[i, j] = cost
      }
    }
    print int(100 - 100 * d[n, m] / (n > 0 ? n : 1))
  }'
}

# read_as WHAT EXPECTED READ: READ is EXPECTED but for a few letters OCR misses: it is
# mostly EXPECTED (70 in 100 at least), and nearer to it than to the faults this suite is
# here to catch, the text's UTF-8 shown as ANSI ("Ã©tÃ©") and its letters beyond ASCII
# missing ("?t?"), where those differ from it.
read_as() {
  local score fault fault_score
  score=$(similarity "$2" "$3")
  [ "$score" -ge 70 ] || e2e_fail "$1: expected [$2], read [$3] ($score in 100)"
  for fault in "$(printf %s "$2" | iconv -c -f CP1252 -t UTF-8)" "$(LC_ALL=C.UTF-8 sed 's/[^ -~]/?/g' <<<"$2")"; do
    [ "$fault" = "$2" ] && continue  # ASCII text shows the same either way
    fault_score=$(similarity "$fault" "$3")
    [ "$fault_score" -lt "$score" ] ||
      e2e_fail "$1: expected [$2], read [$3] ($score in 100), as near to [$fault] ($fault_score)"
  done
  echo "ok: $1: read [$3] ($score in 100)"
}

# label_rect TEXT: where the saver's label showing TEXT is on the screen, if it shows it.
label_rect() {
  e2e_probe texts "$window_title" | awk -F'\t' -v text="$1" '$2 == "Static" && $4 == text {print $3; exit}'
}

# saver_shows NAME LANGUAGE JOKE [ENCODING]: the saver, given only JOKE in a file saved in
# ENCODING (UTF-8 unless named: "UTF-8 with mark", "UTF-16" with its mark, or an iconv
# name for ANSI), shows it as its label's text and draws it as written.
saver_shows() {
  local name=$1 language=$2 joke=$3 encoding=${4:-UTF-8} folder rect shot
  folder=$(e2e_workdir)
  {
    case $encoding in
      "UTF-8 with mark") printf '\xef\xbb\xbf' ;;
      UTF-16) printf '\xff\xfe' ;;
    esac
    printf '"%s",1,4\r\nclean,0,0\r\n%s\r\n</joke>\r\n' "$name" "$joke" |
      iconv -f UTF-8 -t "$(sed 's/ with mark//; s/^UTF-16$/UTF-16LE/' <<<"$encoding")"
  } >"$folder/jokes.txt"
  printf 'clean\r\nmedicalno\r\n2\r\n' >"$folder/Qorv.ini"
  e2e_start "$folder" /s
  e2e_probe wait "$window_title" 45 >/dev/null || e2e_fail "$name: no saver window: $(e2e_probe list)"
  # The first item comes at 5.5 s; one in six is a promotional message instead.
  for _ in $(seq 60); do
    rect=$(label_rect "$joke")
    if [ -n "$rect" ]; then
      shot=$(e2e_screenshot "saver-$name" | sed 's/^screenshot: //')
      # The label still in the same place: the picture holds this joke, not the next item.
      [ "$(label_rect "$joke")" = "$rect" ] && break
    fi
    rect=
    sleep 0.3
  done
  [ -n "$rect" ] || e2e_fail "$name: the label never showed the joke; it shows: $(e2e_texts "$window_title" Static)"
  echo "ok: $name: the label's text is the joke, letter for letter"
  read_as "$name: drawn as written ($shot)" "$joke" "$(ocr "$shot" "$rect" "$language" ink)"
  xdotool key a
  e2e_wait_exit 10 || e2e_fail "$name: a key did not end the saver"
}

saver_shows french fra "Un été à Noël, déjà trop tôt"
saver_shows french-marked fra "Un été à Noël, déjà trop tôt" "UTF-8 with mark"
saver_shows french-utf16 fra "Un été à Noël, déjà trop tôt" UTF-16
saver_shows french-ansi fra "Un été à Noël, déjà trop tôt" CP1252
saver_shows greek ell "Ο Ζόρμπελ λέει ένα αστείο"
saver_shows russian rus "Зорбель рассказывает шутку"

# caption_drawn WINDOW TEXT: the child of WINDOW whose text is TEXT is drawn showing it.
caption_drawn() {
  local rect shot
  rect=$(e2e_probe texts "$1" | awk -F'\t' -v text="$2" '$4 == text {print $3; exit}')
  [ -n "$rect" ] || e2e_fail "no \"$2\" in \"$1\""
  shot=$(e2e_screenshot "scripts-$3" | sed 's/^screenshot: //')
  read_as "\"$1\" shows \"$2\" ($shot)" "$2" "$(ocr "$shot" "$rect" eng)"
}

e2e_open_hub
caption_drawn "$E2E_HUB" "Zorbel Joke Screen Saver - Version 4" hub
e2e_probe click "$E2E_HUB" "&Configure saver"
e2e_probe wait "$E2E_OPTIONS" 5 >/dev/null || e2e_fail "no options dialog"
caption_drawn "$E2E_OPTIONS" "Use the functions below to tailor the screensaver to your preferences!" options
e2e_pass
