#!/usr/bin/env bash
# The built game as a process on an X display: keys through XTEST, pictures
# through screenshots. Usage: game_process.sh CASE, with MORVEX (the binary),
# DATA (the folder with its data files) and XCLOSE set. Every wait polls for
# what it expects, within a generous bound.
set -uo pipefail

# The cases ctest runs: tests/CMakeLists.txt reads them with --list, so a case
# is added here and nowhere else. The wayland case needs weston and a Wayland
# SDL; the package's play step (scripts/test-in-root) runs it.
CASES=(
  window hidpi moves-and-freezes window-close arguments sigint sigterm
  missing-food missing-snake missing-font notice-without-fixed-font notice-hidpi
  corrupt-font corrupt-bitmap
  no-display server-killed window-killed notice-killed sigterm-at-notice
  pipe-food pipe-snake pipe-font broken-gl-driver stderr-closed
  mute-display-sigint mute-display-sigterm
)
if [ "${1:-}" = --list ]; then
  echo "${CASES[*]}"
  exit 0
fi

: "${MORVEX:?}" "${DATA:?}" "${XCLOSE:?}"
# Waiting, keys and screenshots, with every bound widened on a slow machine.
source "$(dirname "$0")/process.sh"
work=$(mktemp -d)
pid=
compositor=
server=
socket=
cleanup() {
  [ -n "$socket" ] && rm -f "$socket"
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$compositor" ] && kill -9 "$compositor" 2>/dev/null
  # A server of the case's own (server-killed, hidpi, wayland).
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# state PID: the process's state letter (Z for a zombie), from /proc, since a
# minimal system may have no ps.
state() { sed -E 's/^[0-9]+ \(.*\) (.).*/\1/' "/proc/$1/stat" 2>/dev/null; }

# start DIR [ARGS...]: starts the game in DIR in the background, with the
# library in PRELOAD, if set, preloaded into it alone.
start() {
  local dir=$1
  shift
  (cd "$dir" && exec env ${PRELOAD:+LD_PRELOAD="$PRELOAD"} "$MORVEX" "$@") 2>"$work/stderr" &
  pid=$!
}

# window NAME: the id of the visible window with exactly this name, polled.
# Called as id=$(window NAME) || exit 1, since fail in a command substitution
# ends only the subshell.
window() {
  local found
  appeared() {
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$found" ] && return 0
    # A game that has ended will show no window: say so now, not at the limit.
    if [ -n "$pid" ] && { ! kill -0 "$pid" 2>/dev/null || [ "$(state "$pid")" = Z ]; }; then
      fail "the game ended before a window named '$1' appeared; standard error: $(cat "$work/stderr")"
    fi
    return 1
  }
  poll 30 appeared "$1" || fail "no window named '$1' appeared"
  titled "$found" "$1"
  echo "$found"
}

# finish EXPECTED: waits for the game to end and checks its exit status.
finish() {
  poll 30 eval '! kill -0 '"$pid"' 2>/dev/null' || fail "the game did not end"
  wait "$pid"
  local status=$?
  pid=
  [ "$status" -eq "$1" ] || fail "exit status $status, expected $1 (stderr: $(cat "$work/stderr"))"
}

# ends_within SECONDS EXPECTED: the game ends within SECONDS (fractions
# allowed) with status EXPECTED, and leaves no process behind.
ends_within() {
  local deadline
  deadline=$(awk -v now="$(date +%s.%N)" -v s="$1" -v f="$factor" 'BEGIN { printf "%.3f", now + s * f }')
  # A zombie has ended; it only waits for this shell to collect its status.
  while kill -0 "$pid" 2>/dev/null && [ "$(state "$pid")" != Z ]; do
    awk -v now="$(date +%s.%N)" -v d="$deadline" 'BEGIN { exit !(now > d) }' &&
      fail "the game still runs $1 s x $factor later (state $(state "$pid"))"
    sleep 0.02
  done
  finish "$2"
}

# lost_display: the one line the game leaves when its display goes.
lost_display() {
  # The libraries below may add chatter of their own; the game's lines are
  # the ones that begin with its name.
  grep -q "^Morvex: lost the" "$work/stderr" || fail "standard error: $(cat "$work/stderr")"
  [ "$(grep -c '^Morvex' "$work/stderr")" -eq 1 ] || fail "more than one line of the game's: $(cat "$work/stderr")"
}

# data DIR [WITHOUT]: a copy of the data files, leaving one out.
data() {
  mkdir -p "$1"
  for f in food.bmp snake.bmp verdana.ttf; do
    [ "$f" = "${2:-}" ] || cp "$DATA/$f" "$1/"
  done
}

# dismiss ID HOW: closes the message box by Return, keypad Enter, Escape,
# Space (after a letter, which must leave it up), its OK button or the window
# manager's close request.
dismiss() {
  case "$2" in
    return) press "$1" Return ;;
    kp-enter) press "$1" KP_Enter ;;
    escape) press "$1" Escape ;;
    space)
      press "$1" a
      poll 1 eval '! kill -0 '"$pid"' 2>/dev/null' && fail "a letter closed the box"
      press "$1" space
      ;;
    ok)
      local w h
      read -r w h < <(xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
      xdotool mousemove --window "$1" $((w / 2)) $((h - 16 - 13)) click 1
      ;;
    close) "$XCLOSE" "$1" ;;
  esac
}

# error_box DIR PREFIX HOW [LEAST MOST]: the game started in DIR shows an
# "Exception caught" box whose text begins with PREFIX, LEAST to MOST pixels
# wide if given; HOW dismisses it; the status is 1.
error_box() {
  start "$1"
  local id
  id=$(window "Exception caught") || exit 1
  if [ -n "${4:-}" ]; then
    local width
    width=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
    [ "$width" -ge "$4" ] && [ "$width" -le "$5" ] || fail "the box is $width pixels wide, expected $4 to $5"
  fi
  local text
  text=$(xprop -id "$id" _MORVEX_MESSAGE | sed -E 's/^[^=]*= "(.*)"$/\1/')
  case "$text" in
    "$2"*) echo "box says: $text" ;;
    *) fail "box says '$text', expected it to begin with '$2'" ;;
  esac
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || fail "the game ended before the box was dismissed"
  dismiss "$id" "$3"
  finish 1
  ! grep -q "Exception caught" "$work/stderr" || fail "the message also went to standard error"
}

case "${1:?case}" in
  window)
    start "$DATA"
    id=$(window Morvex) || exit 1
    geometry=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    [ "$geometry" = 384x384 ] || fail "window is $geometry"
    # Docks match a window to its menu entry by the class.
    desktop=${DESKTOP:-$(dirname "$0")/../../packaging/org.morvex.Morvex.desktop}
    class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
    [ "$class" = morvex ] || fail "the menu entry's StartupWMClass is '$class'"
    # SDL 3 gives X11 the application id (below) as the class; the instance
    # name, which the entry matches, stays.
    wm_class=$(xprop -id "$id" WM_CLASS)
    case $wm_class in
      'WM_CLASS(STRING) = "morvex", "morvex"' | 'WM_CLASS(STRING) = "morvex", "org.morvex.Morvex"') ;;
      *) fail "the window's class: $wm_class" ;;
    esac
    # The icon: 32 x 32, clear in the snake's rounded corner (pixel 0), the
    # snake's outline on the top row (pixel 7), the food's cell clear at
    # (25, 1) (pixel 57), the snake's body at (21, 18) (pixel 597). It comes
    # once the images are loaded, after the window has appeared. SDL 1.2 on
    # SDL 2 or 3 gives it as pixel values; Debian 12's own SDL 1.2, which the
    # package may get there, only as a picture and mask in the window's
    # hints, which holds no pixels to compare.
    icon_shown() {
      hints=$(xprop -id "$id" WM_HINTS)
      icon=$(xprop -id "$id" -notype -f _NET_WM_ICON 32x _NET_WM_ICON | sed 's/^[^=]*= *//' | tr -d ' ' |
        tr ',' '\n' | sed -n '1p;2p;3p;10p;60p;600p' | tr '\n' ' ')
      case $icon in 0x*) return 0 ;; esac
      grep -q 'bitmap id # to use for icon' <<<"$hints" && grep -q 'bitmap id # of mask for icon' <<<"$hints"
    }
    poll 10 icon_shown || fail "the window shows no icon: $hints"
    case $icon in
      0x*) [ "$icon" = "0x20 0x20 0x0 0xff145a1e 0x0 0xff37a541 " ] || fail "the window's icon begins: $icon" ;;
      *) echo "the icon is a picture and mask in the window's hints" ;;
    esac
    press "$id" Escape
    finish 0
    ;;
  hidpi)
    # GNOME, KDE and Xfce on X11 say "200 %" as Xft.dpi: 192 among the X
    # resources. at_dpi DPI SIZE [SHOT]: the game started at that setting ("" for
    # none) has a window SIZE device pixels square; paused, its picture goes to SHOT.
    at_dpi() {
      if [ -n "$1" ]; then echo "Xft.dpi: $1" | xrdb -load -; else xrdb -load /dev/null; fi
      start "$DATA"
      local id
      id=$(window Morvex) || exit 1
      geometry=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
      [ "$geometry" = "${2}x$2" ] || fail "at Xft.dpi '$1' the window is $geometry, expected ${2}x$2"
      # Only the snake's row (pixels 80 to 95: it runs right along row 5 and
      # never meets the food) changes as the game plays, so no pause is
      # needed: once the picture moves, a shot of the rest is the picture.
      if [ -n "${3:-}" ]; then
        moves "$id" || fail "the snake does not move at Xft.dpi '$1'"
        shot "$id" "$3" || fail "no screenshot"
        convert "$3" -fill black -draw "rectangle 0,$((80 * $2 / 384)) $(($2 - 1)),$((96 * $2 / 384 - 1))" "$3"
      fi
      press "$id" Escape
      finish 0
    }
    # The window comes up black, before the game has drawn anything; under
    # emulation its first frame can come seconds later (at 768 pixels on
    # s390x, more than 8 s after the window). A picture is judged only once it
    # has moved, so that first change is never taken for play.
    at_dpi "" 384
    at_dpi 96 384 "$work/ordinary.png"
    at_dpi 144 384
    at_dpi 192 768 "$work/doubled.png"
    # Each game pixel is a sharp 2 x 2 square, and every second pixel is the
    # ordinary picture.
    convert "$work/doubled.png" -sample 50% "$work/half.png"
    convert "$work/half.png" -sample 200% "$work/squares.png"
    [ "$(differing "$work/doubled.png" "$work/squares.png")" = 0 ] || fail "the doubled picture is not sharp squares"
    [ "$(differing "$work/ordinary.png" "$work/half.png")" = 0 ] ||
      fail "the doubled picture halved differs from the ordinary one in $(differing "$work/ordinary.png" "$work/half.png") pixels"
    # 300 % does not fit a 1024 x 768 screen, 200 % does; nor does 200 % fit 640 x 480.
    at_dpi 288 768
    "$(dirname "$0")/../../scripts/start-xvfb" "$work" 640x480x24 || fail "no X server of its own"
    server=$(cat "$work/pid")
    export DISPLAY=":$(head -n 1 "$work/display")"
    at_dpi 192 384
    kill "$server"
    ;;
  wayland)
    # The game as a native Wayland client, at each of SCALES (default 1 2), of a weston whose
    # X11 backend runs in this display: xdotool's keys reach weston's window,
    # and weston hands them to the game. Started without DISPLAY and under a
    # weston without Xwayland, the game can only be a Wayland client.
    # A screen of its own, large enough for weston's window at 200 %.
    "$(dirname "$0")/../../scripts/start-xvfb" "$work" 1400x1100x24 || fail "no X server of its own"
    server=$(cat "$work/pid")
    export DISPLAY=":$(head -n 1 "$work/display")"
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff0000ff\npanel-position=none\n' >"$work/weston.ini"
    desktop=${DESKTOP:-$(dirname "$0")/../../packaging/org.morvex.Morvex.desktop}
    for scale in ${SCALES:-1 2}; do
      side=$((384 * scale))
      weston --backend=x11 --config="$work/weston.ini" --width=$((1000 / scale)) --height=$((1000 / scale)) \
        --scale=$scale --socket=morvex-$scale --logger-scopes=log,proto --log="$work/weston.log" >/dev/null 2>&1 &
      compositor=$!
      poll 30 test -S "$XDG_RUNTIME_DIR/morvex-$scale" || fail "weston did not start: $(cat "$work/weston.log")"
      output=$(xdotool search --sync --class weston | head -n 1)
      # weston draws a pointer of its own, which newer ones put at (100, 100)
      # from the start, over the board at 200 %: into the bottom right
      # corner, where no window opens.
      xdotool mousemove --window "$output" 990 990
      (cd "$DATA" && exec env -u DISPLAY WAYLAND_DISPLAY=morvex-$scale "$MORVEX") 2>"$work/stderr" &
      pid=$!
      # The board is a pure black square, one piece around the snake and the
      # texts; weston may draw its pointer, outlined in black, elsewhere.
      board() {
        shot "$output" "$work/w.png" || return 1
        pieces=$(convert "$work/w.png" -alpha off -fill white +opaque '#000000' \
          -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null |
          awk '$NF == "srgb(0,0,0)" { print $2 }')
        box=$(grep -m 1 "^${side}x$side+" <<<"$pieces") || return 1
        read -r w h x y <<<"${box//[x+]/ }"
      }
      if ! poll 30 board; then
        # The picture outlives the case, for a look at what else was black.
        cp "$work/w.png" "${TMPDIR:-/tmp}/morvex-wayland-$scale.png"
        fail "at scale $scale no board of $side x $side appeared (black pieces: $(echo $pieces), picture in ${TMPDIR:-/tmp}/morvex-wayland-$scale.png); stderr: $(cat "$work/stderr")"
      fi
      # The title bar a libdecor plugin draws sits above it: grey, where
      # without one weston's blue (shaded a little near a window) shows.
      above=$(convert "$work/w.png" -format "%[fx:int(255*p{$((x + w / 2)),$((y - 8))}.b)]" info:)
      [ "$above" -lt 128 ] || fail "at scale $scale the window has no title bar (blue $above above it)"
      ! grep -q "No plugins found" "$work/stderr" || fail "libdecor found no plugin: $(cat "$work/stderr")"
      grep -q "set_app_id(\"$(basename "$desktop" .desktop)\")" "$work/weston.log" ||
        fail "the application id is not the menu entry's name: $(grep set_app_id "$work/weston.log")"
      # The title as the game gave it, byte for byte, in weston's record of
      # the requests.
      grep -q 'set_title("Morvex")' "$work/weston.log" ||
        fail "the Wayland title is not \"Morvex\": $(grep -o 'set_title(.*)' "$work/weston.log")"
      # Each game pixel a sharp square.
      convert "$work/w.png" -crop "$box" +repage "$work/board.png"
      convert "$work/board.png" -sample "$((100 / scale))%" -sample "$((100 * scale))%" "$work/squares.png"
      [ "$(differing "$work/board.png" "$work/squares.png")" = 0 ] || fail "at scale $scale the board is not sharp"
      # Down turns the snake, which runs right at first: its body's colour
      # then spans a column taller than it is wide.
      xdotool windowfocus --sync "$output" key --delay 40 Down || fail "cannot press Down"
      upright() {
        shot "$output" "$work/w.png" &&
          body=$(convert "$work/w.png" -crop "$box" +repage -alpha off -fill white +opaque '#37a541' -format '%@' info: 2>/dev/null) &&
          read -r bw bh _ <<<"${body//[x+]/ }" && [ "$bh" -gt $((2 * bw)) ]
      }
      poll 10 upright || fail "at scale $scale the snake did not turn down"
      # Escape ends it, and so does the title bar's close button, the
      # rightmost of its buttons.
      if [ "$scale" = 1 ]; then
        xdotool key Escape
      else
        xdotool mousemove --window "$output" $((x + w - 16 * scale)) $((y - 12 * scale)) click 1
      fi
      finish 0
      kill "$compositor"
      wait "$compositor" 2>/dev/null
      compositor=
      echo "scale $scale: a ${side}x$side board under a title bar, sharp, steered, ended"
    done
    kill "$server"
    ;;
  moves-and-freezes)
    start "$DATA"
    id=$(window Morvex) || exit 1
    moves "$id" || fail "the snake does not move"
    press "$id" Pause
    still "$id" || fail "the picture changes while paused"
    press "$id" Pause
    moves "$id" || fail "the snake does not move after the pause"
    press "$id" F1
    still "$id" || fail "the picture changes while help is shown"
    press "$id" F1
    moves "$id" || fail "the snake does not move after help"
    press "$id" Escape
    finish 0
    ;;
  window-close)
    start "$DATA"
    id=$(window Morvex) || exit 1
    "$XCLOSE" "$id"
    finish 0
    ;;
  arguments)
    start "$DATA" --help -x "some file" ""
    id=$(window Morvex) || exit 1
    moves "$id" || fail "the snake does not move"
    press "$id" Escape
    finish 0
    ;;
  sigint | sigterm)
    start "$DATA"
    id=$(window Morvex) || exit 1
    # The window is there before the art and the font; a moving picture
    # means start-up is over and the game is playing.
    moves "$id" || fail "the snake does not move"
    kill -"${1#sig}" "$pid"
    finish 0
    ;;
  mute-display-sigint | mute-display-sigterm)
    # A display that accepts and never answers keeps the libraries waiting
    # inside start-up; the signal must still end the game at once.
    [ -n "${MUTEDISPLAY:-}" ] || fail "MUTEDISPLAY is not set"
    mkdir -p /tmp/.X11-unix
    n=$((6000 + $$ % 3000))
    while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    socket=/tmp/.X11-unix/X$n
    "$MUTEDISPLAY" "$socket" >"$work/accepted" &
    server=$!
    export DISPLAY=":$n"
    poll 10 test -S "/tmp/.X11-unix/X$n" || fail "the mute display did not start"
    start "$DATA"
    poll 30 test -s "$work/accepted" || fail "the game never reached the display; stderr: $(cat "$work/stderr")"
    kill -"${1#mute-display-sig}" "$pid"
    ends_within 1 1
    grep -qx "Morvex: stopped while starting" "$work/stderr" || fail "standard error: $(cat "$work/stderr")"
    ;;
  missing-food) data "$work/d" food.bmp && error_box "$work/d" "SDL_LoadBitmap: " return ;;
  missing-snake) data "$work/d" snake.bmp && error_box "$work/d" "SDL_LoadBitmap: " escape ;;
  missing-font) data "$work/d" verdana.ttf && error_box "$work/d" "TTF_OpenFont: " ok ;;
  notice-without-fixed-font)
    # The box then writes in the server's default font, and must still come
    # up, say its text and take a click on OK. ASan wants to be the first
    # library loaded; the stand-in needs nothing of it.
    [ -n "${NOFIXEDFONT:-}" ] || fail "NOFIXEDFONT is not set"
    PRELOAD=$NOFIXEDFONT
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
    data "$work/d" food.bmp && error_box "$work/d" "SDL_LoadBitmap: " ok
    ;;
  notice-hidpi)
    # At 200 % the box, its margins and button are twice the size and its
    # text is drawn twice as tall by a scalable face, not enlarged; Return and
    # a click on the doubled OK still dismiss it. A screen of its own, as a
    # 200 % desktop has: the widest box, 1184 pixels at 200 %, must fit.
    "$(dirname "$0")/../../scripts/start-xvfb" "$work" 1920x1200x24 || fail "no X server of its own"
    server=$(cat "$work/pid")
    export DISPLAY=":$(head -n 1 "$work/display")"
    data "$work/d" food.bmp
    for scale in 1 2; do
      echo "Xft.dpi: $((96 * scale))" | xrdb -load -
      start "$work/d"
      id=$(window "Exception caught") || exit 1
      read -r w h < <(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
      shot "$id" "$work/box$scale.png" || fail "no screenshot"
      # The text's ink, in the upper part where the text line is and the
      # button is not: the height of its dark pixels' bounding box.
      ink[$scale]=$(convert "$work/box$scale.png" -crop "${w}x$((h * 2 / 5))+0+0" -colorspace gray -threshold 50% \
        -negate -format '%@' info: | sed -E 's/^[0-9]+x([0-9]+).*/\1/')
      echo "at $((scale * 100)) %: a box of ${w} x ${h}, text ink ${ink[$scale]} pixels tall"
      if [ "$scale" = 1 ]; then
        [ "${w}x$h" = 260x87 ] || fail "at 100 % the box is ${w}x$h, not 260x87"
        press "$id" Return
      else
        [ "$h" -ge 174 ] && [ "$w" -ge 520 ] || fail "at 200 % the box is ${w}x$h, not twice 260x87"
        [ $((ink[2] * 10)) -ge $((ink[1] * 17)) ] && [ $((ink[2] * 10)) -le $((ink[1] * 25)) ] ||
          fail "at 200 % the text is ${ink[2]} pixels tall, not about twice ${ink[1]}"
        xdotool mousemove --window "$id" $((w / 2)) $((h - 2 * (16 + 13))) click 1
      fi
      finish 1
    done
    ;;
  corrupt-font)
    data "$work/d" verdana.ttf
    head -c 300 /dev/urandom >"$work/d/verdana.ttf"
    error_box "$work/d" "TTF_OpenFont: " close
    ;;
  corrupt-bitmap)
    data "$work/d" snake.bmp
    printf 'BM%s' "$(head -c 40 /dev/zero | tr '\0' 'x')" >"$work/d/snake.bmp"
    # Its reason is longer than a line may be: wrapped before 560 pixels,
    # at most a word (its longest, 2021161080, some 60 pixels) short of them,
    # with a margin of 16 each side.
    error_box "$work/d" "SDL_LoadBitmap: " space 526 592
    ;;
  server-killed)
    # A server of its own, so that killing it harms no other test.
    "$(dirname "$0")/../../scripts/start-xvfb" "$work" 640x480x24 || fail "no X server of its own"
    server=$(cat "$work/pid")
    export DISPLAY=":$(head -n 1 "$work/display")"
    start "$DATA"
    id=$(window Morvex) || exit 1
    kill -9 "$server"
    ends_within 1 1
    lost_display
    grep -qx "Morvex: lost the connection to the X display" "$work/stderr" || fail "standard error: $(cat "$work/stderr")"
    ;;
  window-killed)
    start "$DATA"
    id=$(window Morvex) || exit 1
    xdotool windowkill "$id"
    ends_within 1 1
    lost_display
    ;;
  notice-killed)
    data "$work/d" food.bmp
    start "$work/d"
    id=$(window "Exception caught") || exit 1
    xdotool windowkill "$id"
    ends_within 1 1
    lost_display
    ;;
  sigterm-at-notice)
    data "$work/d" food.bmp
    start "$work/d"
    window "Exception caught" >/dev/null
    kill -TERM "$pid"
    ends_within 1 1
    ;;
  pipe-food | pipe-snake | pipe-font)
    file=${1#pipe-}
    file=${file/font/verdana.ttf}
    file=${file/%food/food.bmp}
    file=${file/%snake/snake.bmp}
    data "$work/d" "$file"
    mkfifo "$work/d/$file"
    case $file in *.ttf) context="TTF_OpenFont" ;; *) context="SDL_LoadBitmap" ;; esac
    case $file in snake.bmp) how=kp-enter ;; *) how=return ;; esac
    error_box "$work/d" "$context: Refusing $file: it is a named pipe, not a regular file" "$how"
    ;;
  broken-gl-driver)
    [ -n "${GLPROBE:-}" ] || fail "GLPROBE is not set"
    "$GLPROBE" >/dev/null 2>&1 || fail "OpenGL does not work here even before it is broken"
    # Older Mesa looks for its drivers on the path, newer Mesa has them built
    # in and takes the software driver's name.
    export LIBGL_DRIVERS_PATH=/nonexistent GALLIUM_DRIVER=nonexistent LIBGL_ALWAYS_SOFTWARE=1
    ! renderer=$("$GLPROBE" 2>/dev/null) || fail "OpenGL still works with the driver broken: $renderer"
    error_box "$DATA" "SDL_SetVideoMode: " escape
    ;;
  stderr-closed)
    # The reader is gone before the game has anything to say.
    { (cd "$DATA" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 30 "$MORVEX"); echo $? >"$work/status"; } 2>&1 |
      true
    poll 30 test -s "$work/status" || fail "no status"
    [ "$(cat "$work/status")" -eq 1 ] || fail "exit status $(cat "$work/status") with standard error closed"
    ;;
  no-display)
    (cd "$DATA" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 30 "$MORVEX") 2>"$work/stderr"
    status=$?
    [ "$status" -eq 1 ] || fail "exit status $status without a display"
    grep -q "^Exception caught: SDL_Init: ." "$work/stderr" ||
      fail "standard error: $(cat "$work/stderr")"
    ;;
  *) fail "unknown case $1" ;;
esac
echo "PASS: $1"
