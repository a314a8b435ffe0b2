#!/bin/bash
# Runs one fuzz target: every seed and reproducer once, then SECONDS of fuzzing from the
# seeds in a scratch corpus (the tree stays as it is); appends "TARGET: N executions in
# SECONDS s" to SUMMARY_FILE.
#   run_fuzz_target.sh TARGET CORPUS_FOLDER SECONDS SUMMARY_FILE
set -u
target=$1 corpus=$2 seconds=$3 summary=$4
name=$(basename "$target")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zorbel-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

mapfile -t inputs < <(find "$corpus" -type f | sort)
[ ${#inputs[@]} -gt 0 ] || { echo "no seeds in $corpus"; exit 1; }
"$target" "${inputs[@]}" >"$scratch/replay.log" 2>&1 || { cat "$scratch/replay.log"; exit 1; }
echo "$name: replayed ${#inputs[@]} seeds and reproducers"

# Long reproducers stay out of the fuzzing seeds: they would set the input length for all.
mkdir "$scratch/corpus"
"$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=4096 \
  -seed=1 -artifact_prefix="$(dirname "$summary")/$name-" "$scratch/corpus" "$corpus/seeds" >"$scratch/fuzz.log" 2>&1 || { tail -40 "$scratch/fuzz.log"; exit 1; }
runs=$(grep -oE 'Done [0-9]+ runs' "$scratch/fuzz.log" | grep -oE '[0-9]+')
echo "$name: ${runs:-?} executions in $seconds s" | tee -a "$summary"
