#!/usr/bin/env bash
# Process time of kestrelix-cli: the CPU time (user + system) one run of `convert` or `apply` on one
# charset costs, start-up and exit included, averaged over many runs. Nothing here is a test.
#
#   bench/cli_bench.sh [path/to/kestrelix-cli] [runs]      (defaults: build-release/kestrelix-cli, 500)
set -euo pipefail

cli=$(realpath "${1:-build-release/kestrelix-cli}")
runs=${2:-500}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
head -c 2048 "$root/assets/c64-chargen.bin" > font.chr
"$cli" convert font.chr font.png

# Seconds as "1m2.345s" -> milliseconds.
to_ms() { awk -v t="$1" 'BEGIN { split(t, p, "m"); sub("s", "", p[2]); printf "%.3f", (p[1] * 60 + p[2]) * 1000 }'; }

measure() {
  local label=$1
  shift
  local start end children
  start=$(date +%s%N)
  children=$( (for ((i = 0; i < runs; i++)); do "$cli" "$@" > /dev/null; done; times) | tail -1)
  end=$(date +%s%N)
  local user sys
  user=$(to_ms "${children%% *}")
  sys=$(to_ms "${children##* }")
  awk -v l="$label" -v u="$user" -v s="$sys" -v w="$(( (end - start) / 1000 ))" -v n="$runs" \
    'BEGIN { printf "| %-44s | %6.2f | %6.2f | %6.2f | %6.2f |\n", l, u / n, s / n, (u + s) / n, w / 1000 / n }'
}

echo "| command ($runs runs each) | user ms | sys ms | process ms | wall ms |"
echo "|---|---|---|---|---|"
measure "convert font.chr font.prg" convert font.chr out.prg
measure "convert font.chr font.s (ca65 source)" convert font.chr out.s
measure "convert font.chr font.png" convert font.chr out.png
measure "convert font.png font.chr (image import)" convert font.png out.chr
measure "apply italicise all font.chr out.chr" apply italicise all font.chr out.chr
measure "apply rotate glyph:65 font.chr out.prg" apply rotate glyph:65 font.chr out.prg
