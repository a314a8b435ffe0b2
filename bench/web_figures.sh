#!/bin/bash
# The browser home's figures in one run, beside a bare page drawing one line on a canvas:
# page weight by file, navigation to the intro's first frame, renderer CPU over
# MEASURE_SECONDS (60 unless set) at a delay of 2 s, and memory over SOAK_SECONDS (600
# unless set). Usage: bench/web_figures.sh (after cmake --build --preset web)
set -u
cd "$(dirname "$0")/.."
[ -f build/web/zorbel.wasm ] || { echo "missing build/web: build the web preset first" >&2; exit 1; }
exec /usr/bin/python3 bench/web_figures.py build/web bench
