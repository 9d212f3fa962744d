#!/usr/bin/env bash
# Builds the fuzz configuration (clang + libFuzzer, in build-fuzz/) and fuzzes.
#   scripts/fuzz.sh TARGET SECONDS   fuzz one target (e.g. bmp) for SECONDS
#   scripts/fuzz.sh all SECONDS      every target in turn, SECONDS each
#   scripts/fuzz.sh seeds            rewrite the seed files in fuzz/corpus/ (with the ordinary build, no clang)
# Targets are fuzz/<target>_fuzz.cpp. The committed corpus fuzz/corpus/<target>/ is read, not written:
# new inputs go to build-fuzz/corpus/<target>/ and crashes to build-fuzz/crashes/<target>/. Each target ends
# with one summary line: executions, coverage (edges of this program's code; the image libraries are not
# instrumented), and crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-fuzz

usage() { sed -n '2,5p' "$0" >&2; exit 2; }
(($# >= 1)) || usage

if [[ $1 == seeds ]]; then
  # Every seed-* file is the writer's: those it no longer writes go, so the committed seeds are exactly
  # what it writes (the test FuzzSeeds.CommittedSeedsAreWhatTheWriterWrites checks that). Other files in
  # the corpus, found crashes among them, stay.
  if [[ ! -f build/build.ninja ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_WERROR=ON >/dev/null
  fi
  cmake --build build --target kx_fuzz_seeds
  find fuzz/corpus -type f -name 'seed-*' -delete
  build/fuzz/kx_fuzz_seeds "$root/fuzz/corpus"
  du -sh fuzz/corpus/*
  exit 0
fi

scripts/install-deps.sh clang-14 libclang-rt-14-dev
if [[ ! -f $build/build.ninja ]]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # With coverage mapping too, so scripts/fuzz_coverage.sh measures with the same build.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_FUZZ=ON -DKX_COVERAGE=ON \
        -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
fi

(($# == 2)) || usage
seconds=$2
if [[ $1 == all ]]; then
  targets=()
  for f in fuzz/*_fuzz.cpp; do t=${f#fuzz/}; targets+=("${t%_fuzz.cpp}"); done
else
  targets=("$1")
fi

fuzzers=()
for t in "${targets[@]}"; do fuzzers+=("kx_${t}_fuzz"); done
cmake --build "$build" --target "${fuzzers[@]}"

summaries=()
for t in "${targets[@]}"; do
  work=$build/corpus/$t crashes=$build/crashes/$t logs=$build/logs/$t
  mkdir -p "$work" "$crashes" "$logs"
  before=$(find "$crashes" -type f | wc -l) start=$SECONDS
  # -jobs=1 runs one fuzzing process in the background of libFuzzer's own, logging to fuzz-0.log.
  # The coverage profile of a fuzzing run is not wanted (scripts/fuzz_coverage.sh measures the corpus).
  (cd "$logs" && LLVM_PROFILE_FILE=/dev/null "$build/fuzz/kx_${t}_fuzz" -jobs=1 -max_total_time="$seconds" -timeout=20 \
       -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "$root/fuzz/corpus/$t" >/dev/null 2>&1) || true
  log=$logs/fuzz-0.log
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*')
  found=$(( $(find "$crashes" -type f | wc -l) - before ))
  # A crash ends the run early, so the time is what it ran, not what was asked for.
  summaries+=("$(printf '%-18s %6ss  executions %-10s coverage %-6s new crashes %s' \
                 "$t" "$((SECONDS - start))" "${execs:-?}" "${cov:-?}" "$found")")
  echo "${summaries[-1]}"
  ((found == 0)) || ls -t "$crashes" | head -n "$found" | sed "s|^|    $crashes/|"
done
echo "---- fuzz summary ----"
printf '%s\n' "${summaries[@]}"
