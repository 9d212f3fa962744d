#!/usr/bin/env bash
# How much of each reader the committed fuzz corpora reach. Builds the fuzzers in build-fuzz/ (clang,
# -DKX_FUZZ=ON -DKX_COVERAGE=ON, as scripts/fuzz.sh does), runs each once over fuzz/corpus/<target>/
# without fuzzing (-runs=0), and prints, per reader source file, the functions, lines and branches the
# inputs ran, then every function of those files that no input ran.
#   scripts/fuzz_coverage.sh           the readers of outside input (the list below)
#   scripts/fuzz_coverage.sh FILE...   those source files instead (paths from the repository root)
# The merged profile stays in build-fuzz/corpus.profdata for a line-by-line look, e.g.
#   llvm-cov-14 show build-fuzz/fuzz/kx_charpad_source_fuzz -instr-profile=build-fuzz/corpus.profdata io/charpad_source.cpp
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-fuzz

readers=(io/charpad_source.cpp io/snapshot_source.cpp io/program_source.cpp io/raw_source.cpp
         io/font_sheet.cpp io/charset_source.cpp io/glyph_source.cpp io/source_caps.cpp io/charset_file.cpp
         app/settings.cpp runtime/preference_file.cpp runtime/image_codec.cpp runtime/png_codec.cpp
         runtime/jpeg_codec.cpp runtime/bmp_codec.cpp)
(($# == 0)) || readers=("$@")

scripts/install-deps.sh clang-14 libclang-rt-14-dev llvm-14
if [[ ! -f $build/build.ninja ]]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_FUZZ=ON -DKX_COVERAGE=ON \
        -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
elif ! grep -q '^KX_COVERAGE:BOOL=ON' "$build/CMakeCache.txt"; then
  cmake "$build" -DKX_COVERAGE=ON >/dev/null
fi

targets=()
for f in fuzz/*_fuzz.cpp; do t=${f#fuzz/}; targets+=("${t%_fuzz.cpp}"); done
fuzzers=()
for t in "${targets[@]}"; do fuzzers+=("kx_${t}_fuzz"); done
cmake --build "$build" --target "${fuzzers[@]}"

profiles=$build/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
objects=()
for t in "${targets[@]}"; do
  exe=$build/fuzz/kx_${t}_fuzz
  runs=$(LLVM_PROFILE_FILE=$profiles/$t.profraw "$exe" -runs=0 "fuzz/corpus/$t" 2>&1 |
         grep -o 'INITED.*' | grep -o 'corp: [0-9]*' || true)
  echo "$t: ran the corpus (${runs:-?} inputs that add coverage)"
  objects+=(-object "$exe")
done
llvm-profdata-14 merge -sparse "$profiles"/*.profraw -o "$build/corpus.profdata"

# llvm-cov names the first program alone and the others with -object. The build records paths as
# build-fuzz/../<file>; the equivalence lets the readers be named by their real paths.
report=(-instr-profile="$build/corpus.profdata" "${objects[@]:2}" -path-equivalence="$build/..,$root"
        -Xdemangler=llvm-cxxfilt-14)
sources=("${readers[@]/#/$root/}")
# Functions that the programs define differently under one name (LLVMFuzzerTestOneInput first of all)
# make llvm-cov warn of "mismatched data"; a reader is compiled once into its layer's library, so its
# counts are whole.
quiet() { grep -v 'functions have mismatched data' || true; }
echo
echo "Coverage of the readers by the committed corpora:"
llvm-cov-14 report "${objects[1]}" "${report[@]}" "${sources[@]}" 2>&1 | quiet |
  awk 'BEGIN { print "file functions_run lines_run covered branches_run covered" }
       $1 != "Filename" && NF == 13 { sub(/^.*\//, "", $1)
         printf "%s %d/%d %d/%d %s %d/%d %s\n", $1, $5 - $6, $5, $8 - $9, $8, $10, $11 - $12, $11, $13 }' |
  column -t
echo
echo "Functions no input ran:"
llvm-cov-14 report "${objects[1]}" "${report[@]}" -show-functions "${sources[@]}" 2>&1 | quiet |
  awk '/^File / { file = $2; gsub(/[\x27:]/, "", file); sub(/^.*\//, "", file) }
       NF >= 10 && $(NF-8) ~ /^[0-9]+$/ && $(NF-8) > 0 && $(NF-8) == $(NF-7) {
         name = $0; sub(/[ ]+[0-9]+[ ]+[0-9]+[ ]+[0-9.]+%.*$/, "", name)
         gsub(/\(anonymous namespace\)::/, "", name); sub(/^[^ :]*\.cpp:/, "", name); sub(/\(.*$/, "", name)
         print "  " file ": " name }'
