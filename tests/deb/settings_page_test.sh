#!/bin/bash
# XScreenSaver's settings page for the saver: well formed, named after the program (that is
# how XScreenSaver finds it), shaped as XScreenSaver reads it, and every command line it can
# give is one the saver accepts. Each choice of every control is combined with each of the
# others (a slider at its two ends and at its default, which XScreenSaver leaves off the
# command line), and the saver runs with each on a virtual display until the host's SIGTERM.
#
# settings_page_test.sh PAGE SAVER JOKES
set -u
source "$(dirname "$0")/lib.sh"
page=$1 saver=$2 jokes=$3
deb_init
deb_display

xmllint --noout "$page" || deb_fail "$page is not well formed"
echo "ok: well formed"
xpath() { xmllint --xpath "$1" "$page" 2>/dev/null; }
deb_expect_eq "page named after the program" "$(basename "$saver")" "$(xpath 'string(/screensaver/@name)')"
command_args=$(xpath 'string(/screensaver/command/@arg)')
deb_expect_eq "the host's window" "-root" "$command_args"

# Each control's alternatives, as XScreenSaver turns them into options.
controls=()
for ((s = 1; s <= $(xpath 'count(//select)'); s++)); do
  defaults=$(xpath "count((//select)[$s]/option[not(@arg-set)])")
  deb_expect_eq "menu $s has one default choice" 1 "$defaults"
  alternatives=""
  for ((o = 1; o <= $(xpath "count((//select)[$s]/option)"); o++)); do
    alternatives+="$(xpath "string((//select)[$s]/option[$o]/@arg-set)")|"
  done
  controls+=("$alternatives")
done
for ((b = 1; b <= $(xpath 'count(//boolean)'); b++)); do
  controls+=("$(xpath "string((//boolean)[$b]/@arg-unset)")|$(xpath "string((//boolean)[$b]/@arg-set)")|")
done
for ((n = 1; n <= $(xpath 'count(//number)'); n++)); do
  number="(//number)[$n]"
  arg=$(xpath "string($number/@arg)")
  low=$(xpath "string($number/@low)") high=$(xpath "string($number/@high)")
  default=$(xpath "string($number/@default)")
  awk -v l="$low" -v h="$high" -v d="$default" 'BEGIN { exit !(l <= d && d <= h) }' ||
    deb_fail "$arg: default $default outside $low..$high"
  controls+=("${arg/\%/$low}||${arg/\%/$high}|")
done

# The settings program maps a saved command line back onto the page one option at a time (an
# option and at most one value), so an alternative of two options would come back cleared and
# be lost at the next save.
for alternatives in "${controls[@]}"; do
  IFS='|' read -r -a choices <<<"$alternatives"
  for choice in "${choices[@]}"; do
    [[ -z "$choice" || "$choice" =~ ^-[a-z][a-z-]*(\ [^-][^ ]*)?$ ]] ||
      deb_fail "\"$choice\" is more than one option: the settings page would not read it back"
  done
done
echo "ok: every choice reads back"

# Every combination: each control's alternatives are "|"-separated, an empty one adding nothing.
lines=("$command_args")
for alternatives in "${controls[@]}"; do
  IFS='|' read -r -a choices <<<"$alternatives"
  combined=()
  for line in "${lines[@]}"; do
    for choice in "${choices[@]}"; do combined+=("$line${choice:+ $choice}"); done
  done
  lines=("${combined[@]}")
done
echo "the page gives ${#lines[@]} command lines"

# The saver's files: a joke file of the project's own, no settings file.
mkdir -p "$DEB_SCRATCH/data/zorbel" "$DEB_SCRATCH/config"
cp "$jokes" "$DEB_SCRATCH/data/zorbel/jokes.txt"
# Started in the background, where it becomes the saver (so $! is the saver's own).
run_saver() {
  exec env -u XSCREENSAVER_WINDOW HOME="$DEB_SCRATCH" XDG_DATA_HOME="$DEB_SCRATCH/data" \
    XDG_CONFIG_HOME="$DEB_SCRATCH/config" "$saver" "$@"
}

# accepted LINE: the saver still runs after a second and a half, and SIGTERM ends it with 0.
accepted() {
  local pid status
  run_saver $1 2>"$DEB_SCRATCH/stderr" &
  pid=$!
  sleep 1.5
  if ! kill -0 $pid 2>/dev/null; then
    wait $pid
    deb_fail "zorbel $1 ended at once with status $?: $(head -c 300 "$DEB_SCRATCH/stderr")"
  fi
  kill -TERM $pid
  wait $pid
  status=$?
  [ $status -eq 0 ] || deb_fail "zorbel $1 ended with status $status on SIGTERM"
  echo "ok: zorbel $1"
}
for line in "${lines[@]}"; do accepted "$line"; done

# refused LINE: what the page must never give ends the saver with status 2 at once.
refused() {
  run_saver $1 2>/dev/null &
  local pid=$!
  timeout 5 tail --pid=$pid -f /dev/null || { kill $pid; deb_fail "zorbel $1 kept running"; }
  wait $pid
  deb_expect_eq "zorbel $1 refused" 2 $?
}
refused "-root -medical"
refused "-root -delay $(awk -v l="$low" 'BEGIN { print l - 1 }')"
refused "-root -delay $(awk -v h="$high" 'BEGIN { print h + 1 }')"
deb_pass
