#!/bin/bash
# The browser home's figures in one run, beside a bare page drawing one line on a canvas:
# page weight by file, navigation to the intro's first frame (LOADS loads each, 9 unless
# set), processor time over MEASURE_SECONDS (60) at a delay of 2 s beside the bare page
# drawing a line every 2 s, and memory over SOAK_SECONDS (600) sampled every SAMPLE_SECONDS
# (30), with the machine's load; FIGURES=navigation (or any of weight,navigation,processor,memory)
# measures only those; bench/web_startup_parts.py shows where the navigation's time goes.
# Usage: bench/web_figures.sh (after cmake --build --preset web)
set -u
cd "$(dirname "$0")/.."
[ -f build/web/zorbel.wasm ] || { echo "missing build/web: build the web preset first" >&2; exit 1; }
exec /usr/bin/python3 bench/web_figures.py build/web bench
