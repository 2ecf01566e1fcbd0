#!/usr/bin/env bash
# CPU time over wall time of the real game for 10 s of play on the current
# X display, run from the folder with its data files: bench/cpu.sh MORVEX.
# Also reports the X server's share, which does the game's drawing to screen.
set -euo pipefail
game=$1
seconds=10

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

"$game" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
id=$("$(dirname "$0")/../scripts/wait-window" Morvex)
xdotool windowfocus --sync "$id"
server=$(pgrep -n Xvfb || true)

hz=$(getconf CLK_TCK)
start=$(date +%s.%N)
g0=$(ticks "$pid")
s0=$([ -n "$server" ] && ticks "$server" || echo 0)
# Play: a turn every second or so, and Space in case the round ended.
for i in $(seq "$seconds"); do
  case $((i % 4)) in 0) k=Up ;; 1) k=Left ;; 2) k=Down ;; 3) k=Right ;; esac
  xdotool key --delay 40 "$k" space
  sleep 1
done
g1=$(ticks "$pid")
s1=$([ -n "$server" ] && ticks "$server" || echo 0)
end=$(date +%s.%N)
xdotool key Escape
wait "$pid"
trap - EXIT

awk -v g=$((g1 - g0)) -v s=$((s1 - s0)) -v hz="$hz" -v a="$start" -v b="$end" 'BEGIN {
  wall = b - a
  printf "CPU over %.1f s of play: game %.2f%% of one core, X server %.2f%% (clock ticks of 1/%d s)\n",
         wall, 100 * g / hz / wall, 100 * s / hz / wall, hz
}'
