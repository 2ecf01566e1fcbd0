#!/usr/bin/env bash
# The Windows packages as a player meets them, each in a fresh Wine prefix on
# this X display: win32_package.sh FOLDER, with FOLDER holding
# morvex-*-win64.zip and morvex-*-win64-setup.exe. The zip unpacked starts and
# quits with status 0; the installer, run silently, installs, its Start menu
# shortcut starts the game in its folder, and the silent uninstall leaves the
# prefix's files and registry as they were before.
set -uo pipefail
folder=$(cd "${1:?folder}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# Waiting and failing as the process cases do.
source "$here/process.sh"
work=$(mktemp -d)
export MORVEX_WINE_OWN_DISPLAY=1
cleanup() {
  [ -d "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
wine() { "$here/../../scripts/with-wine" "$@"; }

# plays COMMAND...: COMMAND starts the game; its window comes up, Escape (to
# the window, clicked first, as a player would) ends it, and the command's
# status is 0.
plays() {
  "$@" >"$work/output" 2>&1 &
  local pid=$! id=
  found() { id=$(xdotool search --onlyvisible --name '^Morvex$' 2>/dev/null | head -n 1) && [ -n "$id" ]; }
  poll 60 found || fail "no window 'Morvex' from $*: $(grep -v '^ALSA' "$work/output")"
  xdotool mousemove --window "$id" 10 10 click 1 && xdotool windowfocus --sync "$id" && xdotool key Escape
  poll 30 eval '! pgrep -f morvex.exe >/dev/null && ! kill -0 '"$pid"' 2>/dev/null' || fail "the game did not end on Escape"
  wait "$pid" || fail "status $? from $*"
}

# The prefix as a player's Windows would show it after a restart (which takes
# the uninstaller's copy of itself out of the temporary folder; Wine leaves
# the copy's empty folder there, so the temporary folder is not compared):
# every file under C:, and the current user's and the machine's software keys but Wine's
# own record of the sound devices, made when any program first opens one.
state() {
  wineserver -w
  wine wineboot --restart >/dev/null 2>&1
  wineserver -w
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune -o -print | LC_ALL=C sort)
  wine reg export 'HKCU\Software' "C:\\hkcu.reg" /y >/dev/null 2>&1
  wine reg export 'HKLM\Software' "C:\\hklm.reg" /y >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/hkcu.reg" "$WINEPREFIX/drive_c/hklm.reg" | tr -d '\r' |
    awk '/^\[/ { skip = /\\Software\\Wine\\Drivers|\\MMDevices/ } !skip'
  rm -f "$WINEPREFIX/drive_c/hkcu.reg" "$WINEPREFIX/drive_c/hklm.reg"
}

zip=$(ls "$folder"/morvex-*-win64.zip) || fail "no zip in $folder"
setup=$(ls "$folder"/morvex-*-win64-setup.exe) || fail "no installer in $folder"

export WINEPREFIX=$work/zip-prefix
unzip -q "$zip" -d "$work/unpacked"
game=$(ls -d "$work"/unpacked/morvex-*-win64)
plays sh -c "cd '$game' && exec '$here/../../scripts/with-wine' ./morvex.exe"
echo "zip: $(basename "$zip") starts and quits with status 0"
wineserver -k

export WINEPREFIX=$work/setup-prefix
wine cmd /c exit >/dev/null 2>&1
state >"$work/before"
wine "$setup" /S || fail "the installer ended with status $?"
wineserver -w
installed=$(dirname "$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Morvex/morvex.exe' | head -n 1)")
[ -f "$installed/morvex.exe" ] || fail "nothing installed under the user's programs folder"
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Morvex.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start menu shortcut"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvex' /v DisplayName 2>/dev/null |
  grep -q Morvex || fail "not in the list of installed programs"
# Started from the shortcut, from another folder: it finds its data files only
# if the shortcut starts it in the install folder.
plays sh -c "cd '$work' && exec '$here/../../scripts/with-wine' start /wait /unix '$shortcut'"
echo "installer: installed in $(basename "$installed"), listed, and its shortcut starts the game"
wine "$installed/uninstall.exe" /S || fail "the uninstaller ended with status $?"
poll 30 eval '[ ! -e "$installed" ]' || fail "the install folder is still there: $(ls "$installed")"
state >"$work/after"
diff "$work/before" "$work/after" >"$work/diff" || fail "the uninstall left the prefix changed: $(cat "$work/diff")"
echo "uninstaller: the prefix's files and registry are as before the install"
