# What the process cases share, sourced by game_process.sh and
# win32_process.sh: waiting, keys through XTEST and comparing screenshots.
# The script sets work (a scratch folder) before calling any of these.

# An emulated machine runs everything several times slower: scripts/test-arch
# sets this whole-number factor, and every bound is widened by it, the
# promised ones (the game ends within 1 s of losing its display) included.
factor=${MORVEX_TIME_FACTOR:-1}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# poll SECONDS COMMAND...: true as soon as COMMAND succeeds.
poll() {
  local end=$((SECONDS + $1 * factor))
  shift
  while [ $SECONDS -lt $end ]; do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

press() {
  xdotool windowfocus --sync "$1" || fail "cannot focus window $1"
  shift
  xdotool key --delay 40 "$@"
}

# titled ID NAME: the window's title is NAME byte for byte in both of X11's
# properties for it, as title bars, task bars and Alt+Tab read it; xdotool's
# search by name ignores letter case.
titled() {
  local property caption
  for property in WM_NAME _NET_WM_NAME; do
    caption=$(xprop -id "$1" "$property" | sed -E 's/^[^=]*= //')
    [ "$caption" = "\"$2\"" ] || fail "the window's $property is $caption, expected \"$2\""
  done
}

size() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
shot() { import -window "$1" "$2" 2>/dev/null; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
pixel() { convert "$1" -format "%[pixel:p{$2}]" info:; }

# moves ID: the picture changes within a few seconds.
moves() {
  shot "$1" "$work/a.png" || return 1
  changed() { shot "$1" "$work/b.png" && [ "$(differing "$work/a.png" "$work/b.png")" != 0 ]; }
  poll 10 changed "$1"
}

# still ID: the picture comes to rest and then stays the same for a second;
# the last shot is left in $work/a.png. Under emulation one pass (a step and a
# frame) can take longer than 0.3 s, so two equal pictures that far apart
# would prove nothing: the gaps widen with the time factor like every bound.
still() {
  local gap
  gap=$(awk -v f="$factor" 'BEGIN { print 0.3 * f }')
  settled() {
    shot "$1" "$work/a.png" && sleep "$gap" && shot "$1" "$work/b.png" &&
      [ "$(differing "$work/a.png" "$work/b.png")" = 0 ]
  }
  poll 10 settled "$1" || return 1
  for _ in 1 2 3; do
    sleep "$gap"
    shot "$1" "$work/b.png" && [ "$(differing "$work/a.png" "$work/b.png")" = 0 ] || return 1
  done
}
