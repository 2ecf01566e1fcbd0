#!/usr/bin/env bash
# The browser package as a web host gets it: web_package.sh FOLDER, with FOLDER
# holding morvex-*-web.zip. Unpacked, it is one folder with the page at its top,
# the program, the three data files, the README and the licences, and nothing
# else; served as it is, that folder plays in Chromium as the build's does.
set -euo pipefail
folder=$(cd "${1:?folder}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

zip=$(echo "$folder"/morvex-*-web.zip)
[ -f "$zip" ] || fail "no morvex-*-web.zip in $folder"
unzip -q "$zip" -d "$work"
top=$(basename "$zip" .zip)
[ "$(ls "$work")" = "$top" ] || fail "the zip holds $(ls "$work" | tr '\n' ' ')rather than one folder $top"
files=$(cd "$work/$top" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
expected="./README.txt ./food.bmp ./index.html ./licences/DejaVu-fonts.txt ./licences/FreeType.txt \
./licences/Morvex.txt ./licences/SDL2.txt ./licences/SDL_ttf.txt ./licences/emscripten.txt \
./licences/sdl12-compat.txt ./morvex.ico ./morvex.js ./morvex.wasm ./snake.bmp ./verdana.ttf "
[ "$files" = "$expected" ] || fail "the package holds: $files"
node "$here/web_process.mjs" chromium "$work/$top" >/dev/null
echo "zip: $(basename "$zip"), $(stat -c %s "$zip") bytes, $(echo "$files" | wc -w) files, plays when served"
