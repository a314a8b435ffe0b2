#!/bin/bash
# The package as dpkg and lintian see it: its control fields (the version by Debian's rule
# for a pre-release, the libraries the programs link, the faces the saver asks for, fonts
# for other scripts, the opener of web pages), every file at its place with its mode and
# owner, the programs just built and stripped, the checker finding the saver's joke file,
# manual pages and changelog that read, the shipped jokes, a valid MATE entry, the settings
# program's menu entry and icon, no lintian error or warning.
#
# deb_contents_test.sh PACKAGE VERSION SAVER CHECKER SETTINGS SOURCE_DIR STRIP_OPTION...
set -u
source "$(dirname "$0")/lib.sh"
deb=$1 version=$2 saver=$3 checker=$4 settings=$5 source_dir=$6
strip_options=("${@:7}")
deb_init

[ -f "$deb" ] || deb_fail "no $deb: make it with the build's package target"
for program in "$saver" "$checker" "$settings"; do
  [ "$deb" -nt "$program" ] || deb_fail "$deb is older than $program: make the package again"
done

root="$DEB_SCRATCH/root"
dpkg-deb -x "$deb" "$root" || deb_fail "dpkg-deb cannot unpack $deb"

field() { dpkg-deb -f "$deb" "$1"; }
deb_expect_eq "package name" zorbel "$(field Package)"
deb_expect_eq "version" "$version" "$(field Version)"
dpkg --compare-versions "$version" lt 4 || deb_fail "$version does not sort before the release 4"
deb_expect_eq "architecture" "$(dpkg --print-architecture)" "$(field Architecture)"
depends=$(field Depends)
# depends_on PACKAGE: Depends names it (with or without a version).
depends_on() { sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" | grep -qxF "$1"; }
depends_on fonts-liberation2 || deb_fail "Depends lacks fonts-liberation2: $depends"
# Each library a packaged program links, by the package that holds it here.
for program in "$root"/usr/bin/* "$root"/usr/libexec/xscreensaver/*; do
  for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path=$(ldconfig -p | awk -v name="$library" '$1 == name && /x86-64/ { print $NF; exit }')
    holder=$( (dpkg -S "$path" || dpkg -S "$(realpath "$path")") 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -n "$holder" ] || deb_fail "no package holds $library"
    depends_on "$holder" || deb_fail "Depends lacks $holder ($library): $depends"
  done
done
echo "ok: depends on $depends"

# The fonts it depends on or recommends have, between them, the letters of the scripts
# beyond Latin that jokes are most often written in.
fonts=$( { sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends"; field Recommends | sed 's/, */\n/g'; } | grep '^fonts-')
faces=$(for font in $fonts; do dpkg -L "$font" | grep -E '\.(ttf|otf|ttc)$'; done)
[ -n "$faces" ] || deb_fail "none of $(echo $fonts) is installed here"
for sample in "0627 Arabic" "05D0 Hebrew" "03B1 Greek" "0436 Cyrillic" "4E2D Han" "3042 kana" "AC00 Hangul"; do
  set -- $sample
  fc-list ":charset=$1" file | sed 's/: *$//' | grep -qxF "$faces" || deb_fail "no face of $(echo $fonts) has $2 (U+$1)"
done
echo "ok: $(echo $fonts) have Arabic, Hebrew, Greek, Cyrillic, Han, kana and Hangul"
field Recommends | sed 's/, */\n/g' | grep -qx xdg-utils || deb_fail "Recommends lacks xdg-utils, which opens web pages"

# Each file with its mode and owner; every folder root's and 755.
listing=$(dpkg-deb -c "$deb") || deb_fail "dpkg-deb cannot list $deb"
files=$(awk '$1 !~ /^d/ { print $1, $2, $6 }' <<<"$listing" | sort)
icons=$(for size in 16 22 24 32 48 64 128 256; do
  echo "-rw-r--r-- root/root ./usr/share/icons/hicolor/${size}x$size/apps/zorbel.png"
done)
expected="-rw-r--r-- root/root ./usr/share/applications/screensavers/zorbel.desktop
-rw-r--r-- root/root ./usr/share/applications/zorbel-settings.desktop
-rw-r--r-- root/root ./usr/share/doc/zorbel/README.Debian
-rw-r--r-- root/root ./usr/share/doc/zorbel/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/zorbel/copyright
$icons
-rw-r--r-- root/root ./usr/share/man/man1/zorbel-check.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/zorbel-settings.1.gz
-rw-r--r-- root/root ./usr/share/man/man6/zorbel.6.gz
-rw-r--r-- root/root ./usr/share/xscreensaver/config/zorbel.xml
-rw-r--r-- root/root ./usr/share/zorbel/jokes.txt
-rwxr-xr-x root/root ./usr/bin/zorbel-check
-rwxr-xr-x root/root ./usr/bin/zorbel-settings
-rwxr-xr-x root/root ./usr/libexec/xscreensaver/zorbel"
deb_expect_eq "files, modes and owners" "$(sort <<<"$expected")" "$files"
odd_folders=$(awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root")' <<<"$listing")
deb_expect_eq "folders owned by root, mode 755" "" "$odd_folders"

packaged_saver="$root/usr/libexec/xscreensaver/zorbel"
packaged_checker="$root/usr/bin/zorbel-check"
packaged_settings="$root/usr/bin/zorbel-settings"
for pair in "$saver:$packaged_saver" "$checker:$packaged_checker" "$settings:$packaged_settings"; do
  built=${pair%%:*} packaged=${pair#*:}
  readelf -S "$packaged" | grep -qE '\.symtab|\.comment' && deb_fail "$packaged is not stripped"
  strip "${strip_options[@]}" -o "$DEB_SCRATCH/stripped" "$built"
  cmp -s "$DEB_SCRATCH/stripped" "$packaged" || deb_fail "$packaged is not the program just built"
done
echo "ok: the programs just built, stripped"
cmp -s "$source_dir/data/jokes.txt" "$root/usr/share/zorbel/jokes.txt" ||
  deb_fail "the packaged jokes.txt is not data/jokes.txt"
echo "ok: the shipped jokes"

# The packaged checker, named no file, checks the file the saver reads: the user's own when
# there is one, else the collection.
mkdir -p "$DEB_SCRATCH/data/zorbel"
printf '"db",2,4\r\nclean,0,0\r\nNo end\r\n' >"$DEB_SCRATCH/data/zorbel/jokes.txt"
report=$(HOME="$DEB_SCRATCH" XDG_DATA_HOME="$DEB_SCRATCH/data" "$packaged_checker")
deb_expect_eq "zorbel-check finds the user's jokes" 2 $?
[[ "$report" == "$DEB_SCRATCH/data/zorbel/jokes.txt:2: error: "* ]] || deb_fail "zorbel-check reported: $report"
report=$(HOME="$DEB_SCRATCH/nowhere" XDG_DATA_HOME= "$packaged_checker")
[[ "$report" == /usr/share/zorbel/jokes.txt:* ]] || deb_fail "zorbel-check without user jokes reported: $report"
echo "ok: zorbel-check, named no file, checks the saver's"

pages="man6/zorbel.6.gz man1/zorbel-check.1.gz man1/zorbel-settings.1.gz"
for page in $pages; do
  warnings=$(LC_ALL=C.UTF-8 man --warnings -l "$root/usr/share/man/$page" 2>&1 >/dev/null)
  deb_expect_eq "$page reads without warnings" "" "$warnings"
done
# Every option the saver's --help lists is in its manual page, and each page and program
# write the version one way.
zcat "$root/usr/share/man/man6/zorbel.6.gz" | sed 's/\\-/-/g; s/\\f[BIRP]//g' >"$DEB_SCRATCH/zorbel.6"
for option in $("$saver" --help | sed -n 's/^  \(-[-a-z]*\).*/\1/p'); do
  [ "$option" = -h ] || grep -q -- "$option" "$DEB_SCRATCH/zorbel.6" || deb_fail "zorbel(6) does not name $option"
done
echo "ok: zorbel(6) names every option of --help"
program_version=$("$packaged_saver" --version | cut -d' ' -f2)
deb_expect_eq "the checker's version" "zorbel-check $program_version" "$("$packaged_checker" --version)"
deb_expect_eq "the settings program's version" "zorbel-settings $program_version" "$("$packaged_settings" --version)"
for page in $pages; do
  zcat "$root/usr/share/man/$page" | grep -q "^\.TH .* \"Zorbel $program_version\"" ||
    deb_fail "$page does not give the version $program_version"
done
echo "ok: programs and manual pages give the version $program_version"
readme="$root/usr/share/doc/zorbel/README.Debian"
for topic in 'programs:' 'org.mate.screensaver' 'zorbel-settings' 'Wayland' 'apt remove zorbel' '/usr/libexec/xscreensaver/zorbel --help'; do
  grep -qF "$topic" "$readme" || deb_fail "README.Debian does not tell of $topic"
done
echo "ok: README.Debian is in the package"
zcat "$root/usr/share/doc/zorbel/changelog.gz" >"$DEB_SCRATCH/changelog"
deb_expect_eq "changelog's version" "$version" "$(dpkg-parsechangelog -l "$DEB_SCRATCH/changelog" -S Version)"

entry="$root/usr/share/applications/screensavers/zorbel.desktop"
desktop-file-validate "$entry" | grep -v ': hint: ' && deb_fail "desktop-file-validate finds faults in the entry"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
deb_expect_eq "MATE's entry starts the packaged saver" /usr/libexec/xscreensaver/zorbel "$exec_program"
grep -qx 'Exec=[^ ]* -root' "$entry" || deb_fail "MATE's entry does not give -root"

# The settings program sits among the desktop's settings, with the product's icon, which
# the icon theme has in each of its usual sizes at the size it names.
entry="$root/usr/share/applications/zorbel-settings.desktop"
desktop-file-validate "$entry" | grep -v ': hint: ' && deb_fail "desktop-file-validate finds faults in the settings entry"
deb_expect_eq "the settings entry's name" "Zorbel Joke Screensaver settings" "$(sed -n 's/^Name=//p' "$entry")"
deb_expect_eq "the settings entry's program" zorbel-settings "$(sed -n 's/^Exec=//p' "$entry")"
grep -qx 'Categories=Settings;.*' "$entry" || deb_fail "the settings entry is not among the settings"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 22 24 32 48 64 128 256; do
  picture="$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png"
  deb_expect_eq "the $size-pixel icon's size" "${size}x$size" "$(identify -format %wx%h "$picture" 2>&1)"
done

lintian_report=$(lintian --allow-root --pedantic --display-info --fail-on error,warning "$deb" 2>&1)
status=$?
[ -n "$lintian_report" ] && echo "lintian:" && sed 's/^/  /' <<<"$lintian_report"
[ $status -eq 0 ] || deb_fail "lintian reports errors or warnings"
echo "ok: lintian finds no error or warning"
echo "figure: the package is $(stat -c %s "$deb") bytes, $(field Installed-Size) KiB installed"
deb_pass
