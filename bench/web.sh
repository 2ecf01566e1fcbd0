#!/usr/bin/env bash
# The browser build's benchmarks beside Linux's: the page's download and its
# time to the first frame (bench/web.mjs), and the game's pace, steps a second
# of its own loop for 10 s, in headless Chromium and on Linux (pace_bench).
# Needs the web and default presets built (bash scripts/test web, scripts/test).
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf build-web/site
cmake --install build-web --prefix build-web/site >/dev/null
echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo); $(date -u +%Y-%m-%d)"
echo
scripts/with-xvfb node bench/web.mjs build-web/site
echo
echo "Browser (Chromium): $(scripts/with-browser build-web/bench/pace_bench.js | grep '^Pace')"
echo "Linux (Xvfb, Mesa): $(cd build && ../scripts/with-xvfb bench/pace_bench)"
