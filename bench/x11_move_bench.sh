#!/bin/bash
# Processor time of the editor on a real X server: starts the editor (no window manager needed) in a fresh
# folder, reads its CPU time once the main window shows (the start-up's cost; the start-up window's pauses
# are sleeps and cost nothing), then moves the pointer over the editor view MOVES times, one 8-pixel step
# at a time along rows, as a hand would, and reads the process's CPU time again. CPU times are the
# process's user + system ticks from /proc/PID/stat, so other load on the machine does not count; the X
# server's own work is not included.
#
# Usage: DISPLAY=:N bench/x11_move_bench.sh path/to/kestrelix [moves] [pause-seconds] [view|idle]
#   idle moves the pointer over the strip between the panes and the status bar, where nothing reacts to it:
#   what Qt and the window system cost for a move before the editor does anything.
set -eu
exe=$(readlink -f "$1")
moves=${2:-2000}
pause=${3:-0.003}
area=${4:-view}
tick=$(getconf CLK_TCK)
dir=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$dir"' EXIT
cpu_ms() { awk -v t="$tick" '{ print ($14 + $15) * 1000 / t }' "/proc/$pid/stat"; }

cd "$dir"
HOME="$dir" "$exe" >/dev/null 2>&1 &
pid=$!
wid=""
for _ in $(seq 200); do
  wid=$(xdotool search --onlyvisible --pid "$pid" --name "^Kestrelix .* - " 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.05
done
[ -n "$wid" ] || { echo "no main window" >&2; exit 1; }
sleep 1.5  # the start-up settles (the window system's frame wait ends after half a second at most)
wid=$(xdotool search --onlyvisible --pid "$pid" --name "^Kestrelix .* - " | tail -1)
startup=$(cpu_ms)

# The editor view of a 1110x514 window lies about 80..1020 across and 80..330 down its client area; the
# strip of the page between the panes and the status bar 300..1020 across and 484..489 down.
case $area in
  view) rows=$(seq 84 8 324) columns=$(seq 84 8 1012) ;;
  idle) rows=$(seq 484 1 489) columns=$(seq 300 8 1012) ;;
  *) echo "area is view or idle" >&2; exit 2 ;;
esac
args=()
n=0
while [ "$n" -lt "$moves" ]; do
  for y in $rows; do
    for x in $columns; do
      [ "$n" -lt "$moves" ] || break 2
      args+=(mousemove --window "$wid" "$x" "$y" sleep "$pause")
      n=$((n + 1))
    done
  done
done
before=$(cpu_ms)
xdotool "${args[@]}"
sleep 0.3
after=$(cpu_ms)
awk -v s="$startup" -v b="$before" -v a="$after" -v m="$moves" \
  'BEGIN { printf "start-up %.0f ms CPU; %d moves %.0f ms CPU, %.0f us a move\n", s, m, a - b, (a - b) * 1000 / m }'
