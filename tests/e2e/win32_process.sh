#!/usr/bin/env bash
# The Windows game as a process under Wine on an X display: keys through
# XTEST, pictures through screenshots. Usage: win32_process.sh CASE, with
# MORVEX (morvex.exe) and DATA (the folder with it, its DLLs and data files)
# set. The cases share a Wine prefix of their own, one case at a time, and end
# its session with the case, since the session lives on the case's display.
set -uo pipefail

CASES=(play close ctrl-c missing-food corrupt-font hidpi)
if [ "${1:-}" = --list ]; then
  echo "${CASES[*]}"
  exit 0
fi

: "${MORVEX:?}" "${DATA:?}"
here=$(cd "$(dirname "$0")" && pwd)
# Waiting, keys and screenshots, with every bound widened on a slow machine.
source "$here/process.sh"
export WINEPREFIX=${MORVEX_WINE_PROCESS_PREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/morvex/wine-win64-process}
export MORVEX_WINE_OWN_DISPLAY=1
# Wine says what a message box shows on its msgbox channel; nothing else.
export WINEDEBUG=-all,+msgbox
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# start DIR: starts the game in DIR, as Explorer would, in the background.
start() {
  (cd "$1" && exec "$here/../../scripts/with-wine" "./$(basename "$MORVEX")") >"$work/output" 2>&1 &
  pid=$!
}

# window NAME: the id of the visible window with exactly this name, polled.
window() {
  local found
  appeared() {
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$found" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the game ended before a window named '$1' appeared: $(cat "$work/output")"
    return 1
  }
  poll 60 appeared "$1" || fail "no window named '$1' appeared"
  titled "$found" "$1"
  echo "$found"
}

# finish EXPECTED: waits for the game to end and checks its exit status.
finish() {
  poll 30 eval '! kill -0 '"$pid"' 2>/dev/null' || fail "the game did not end"
  wait "$pid"
  local status=$?
  pid=
  [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
}

# data [WITHOUT]: a copy of the game, its DLLs and data files in $work/game.
data() {
  mkdir -p "$work/game"
  for f in "$(basename "$MORVEX")" SDL.dll SDL2.dll food.bmp snake.bmp verdana.ttf; do
    [ "$f" = "${1:-}" ] || cp "$DATA/$f" "$work/game/"
  done
}

# error_box TEXT: the game shows a box titled "Exception caught" that says
# TEXT, Return dismisses it, and the status is 1.
error_box() {
  start "$work/game"
  local id
  id=$(window "Exception caught") || exit 1
  poll 10 grep -qF "L\"$1\"" "$work/output" || fail "the box does not say '$1': $(grep msgbox "$work/output")"
  echo "box says: $1"
  press "$id" Return
  finish 1
}

# dpi N: Windows' setting for the desktop's scale, as the display settings
# write it, for the programs started from here on.
dpi() {
  "$here/../../scripts/with-wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    fail "cannot set LogPixels"
  wineserver -k 2>/dev/null
}

case "${1:?case}" in
  play)
    # The window, the steering, Pause, F1 and Escape, as a player meets them;
    # the game's folder is as it was afterwards.
    data
    ls -lA --time-style=+%s "$work/game" >"$work/files-before"
    start "$work/game"
    id=$(window Morvex) || exit 1
    [ "$(size "$id")" = 384x384 ] || fail "the window is $(size "$id")"
    moves "$id" || fail "the snake does not move"
    shot "$id" "$work/before.png"
    press "$id" Down
    moves "$id" || fail "the snake stopped after Down"
    press "$id" Pause
    still "$id" || fail "the picture still changes after Pause"
    press "$id" Pause
    moves "$id" || fail "the snake does not move after the second Pause"
    press "$id" F1
    still "$id" || fail "the game does not wait under its help"
    shot "$id" "$work/help.png"
    # Inside the help box, below its text: the box's grey over the black board.
    # The box shades what lies under it, and after Down the snake runs down
    # whichever column it was in, maybe this one: of two points in different
    # columns, one is over bare board.
    [ "$(pixel "$work/help.png" 190,148)" = "srgb(48,48,48)" ] || [ "$(pixel "$work/help.png" 254,148)" = "srgb(48,48,48)" ] ||
      fail "no help box at (190, 148) or (254, 148): $(pixel "$work/help.png" 190,148), $(pixel "$work/help.png" 254,148)"
    press "$id" F1
    moves "$id" || fail "the snake does not move after the help is hidden"
    press "$id" Escape
    finish 0
    ls -lA --time-style=+%s "$work/game" >"$work/files-after"
    diff "$work/files-before" "$work/files-after" || fail "the game changed its folder"
    ;;
  close)
    # Alt+F4, as Windows closes a window from its keyboard: status 0.
    data
    start "$work/game"
    id=$(window Morvex) || exit 1
    press "$id" alt+F4
    finish 0
    ;;
  ctrl-c)
    # Started from a console, Ctrl+C there ends the game as SIGINT does on
    # Linux: with status 0 once it plays. Wine keeps the window 2 s before it
    # withdraws it without a window manager, so the bound is 5 s, not 1. Wine
    # ends a thread on Ctrl+Break and has no console to close here: those two
    # are not tried.
    [ -n "${CONSOLECTRL:-}" ] || fail "CONSOLECTRL is not set"
    data
    cp "$CONSOLECTRL" "$work/game/"
    mkfifo "$work/events"
    (cd "$work/game" && exec "$here/../../scripts/with-wine" ./consolectrl.exe "./$(basename "$MORVEX")") \
      <"$work/events" >"$work/output" 2>&1 &
    pid=$!
    exec 3>"$work/events"
    id=$(window Morvex) || exit 1
    moves "$id" || fail "the snake does not move"
    echo c >&3
    exec 3>&-
    poll 5 eval '! kill -0 '"$pid"' 2>/dev/null' || fail "the game still runs 5 s x $factor after Ctrl+C"
    finish 0
    ! grep -F consolectrl: "$work/output" || fail "Ctrl+C was not sent"
    ;;
  missing-food)
    data food.bmp
    error_box "SDL_LoadBitmap: Couldn't open food.bmp"
    ;;
  corrupt-font)
    data
    head -c 4096 /dev/urandom >"$work/game/verdana.ttf"
    error_box "TTF_OpenFont: Couldn't load font file"
    ;;
  hidpi)
    # At 200 % (192 dots an inch) the window is 768 x 768 and every game
    # pixel a sharp 2 x 2 square; at 100 % it is 384 x 384.
    data
    trap 'dpi 96; cleanup' EXIT
    for setting in 96:384 192:768; do
      dpi "${setting%:*}"
      start "$work/game"
      id=$(window Morvex) || exit 1
      [ "$(size "$id")" = "${setting#*:}x${setting#*:}" ] ||
        fail "at ${setting%:*} dots an inch the window is $(size "$id"), expected ${setting#*:}"
      press "$id" Pause
      still "$id" || fail "the picture still changes after Pause"
      convert "$work/a.png" -sample 50% -sample 200% "$work/squares.png"
      [ "$(differing "$work/a.png" "$work/squares.png")" = 0 ] || [ "${setting%:*}" = 96 ] ||
        fail "the doubled picture is not sharp squares"
      press "$id" Escape
      finish 0
    done
    ;;
  *) fail "no case '$1'" ;;
esac
