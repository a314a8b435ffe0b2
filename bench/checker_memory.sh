#!/bin/bash
# The joke-file checker's peak memory and time on files of many faulty records: 1 and 3
# million records whose kind is none and that hold no text (15 MB and 45 MB, two warnings
# each), and 1 million such records each with a text of its own (21 MB). Each checker given
# (the build's zorbel-check unless named) is run on each file; prints the peak resident
# memory, its multiple of the file's size, the time, the status and the report's size.
# Usage: bench/checker_memory.sh [ZORBEL_CHECK...]   (after cmake --build --preset linux
#        --target zorbel-check)
set -u
cd "$(dirname "$0")/.."
checkers=("$@")
[ ${#checkers[@]} -eq 0 ] && checkers=(build/linux/zorbel-check)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-checker-memory.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# records COUNT: COUNT records with an empty kind and no text.
records() {
  printf '"Zorbel Joke Database",2,4\r\n'
  yes $',,\r\n\r\n</joke>\r' | head -n "$(($1 * 3))"
}
records 1000000 >"$scratch/1M-records.txt"
records 3000000 >"$scratch/3M-records.txt"
{ printf '"Zorbel Joke Database",2,4\r\n'; seq 1000000 | sed $'s/.*/,,\\r\\n&\\r\\n<\\/joke>\\r/'; } \
  >"$scratch/1M-texts.txt"

printf '%-40s %-16s %8s %14s %6s %8s %7s %12s\n' checker file MB "peak KB" "x file" seconds status "report bytes"
for checker in "${checkers[@]}"; do
  for file in "$scratch"/1M-records.txt "$scratch"/3M-records.txt "$scratch"/1M-texts.txt; do
    size=$(stat -c %s "$file")
    /usr/bin/time -f '%M %e %x' -o "$scratch/time" "$checker" "$file" >"$scratch/report" 2>/dev/null
    read -r peak seconds status < <(tail -1 "$scratch/time")
    printf '%-40s %-16s %8.1f %14s %6.1f %8s %7s %12s\n' "$checker" "$(basename "$file")" \
      "$(awk "BEGIN { print $size / 1e6 }")" "$peak" "$(awk "BEGIN { print $peak * 1024 / $size }")" \
      "$seconds" "$status" "$(stat -c %s "$scratch/report")"
  done
done
