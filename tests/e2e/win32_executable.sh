#!/usr/bin/env bash
# The Windows executable as Windows reads it: win32_executable.sh MORVEX.exe
# VERSION OBJDUMP. A 64-bit program for the desktop (no console window), that
# loads no DLL but SDL's and Windows' own, declares itself DPI-aware per
# monitor, and carries its version and its icon (seven sizes, 16 to 256).
set -uo pipefail
exe=$1 version=$2 objdump=$3
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
headers=$("$objdump" -p "$exe") || fail "objdump cannot read $exe"
grep -q 'file format pei-x86-64' <<<"$headers" || fail "not a 64-bit Windows program"
grep -qE '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a desktop (GUI) program: $(grep Subsystem <<<"$headers")"
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
[ "$dlls" = "advapi32.dll gdi32.dll kernel32.dll msvcrt.dll opengl32.dll sdl.dll user32.dll " ] ||
  fail "it loads $dlls"
text=$(strings "$exe")
grep -q '<dpiAwareness[^>]*>PerMonitorV2' <<<"$text" || fail "the manifest declares no per-monitor DPI awareness"
info=$(strings -el "$exe" | tr '\n' '|')
for pair in "ProductName|Morvex" "ProductVersion|$version" "FileVersion|$version"; do
  grep -qF "|$pair|" <<<"|$info" || fail "no version information '$pair'"
done
# Each image of the icon is a PNG, which begins with byte 0x89 and "PNG".
pngs=$(LC_ALL=C grep -c -a $'\x89PNG' <(LC_ALL=C sed 's/\x89PNG/\n&/g' "$exe"))
[ "$pngs" -ge 7 ] || fail "the icon holds $pngs images, not 7"
echo "executable: 64-bit, GUI, DLLs: $dlls; per-monitor DPI-aware; version $version; icon of $pngs images"
