#!/usr/bin/env bash
# Installs what is missing, builds the editor alone (no tests) and starts it in run/, a folder of its own
# that git ignores, so its settings file, dumps and saves stay out of the source tree. Arguments go to the
# editor; a file named relative to where this script was started is found all the same. A compiler warning
# never stops this build (only the test command treats warnings as errors).
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [[ ! -f build/build.ninja ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_WERROR=OFF
fi
cmake --build build --target kestrelix

args=()
for arg in "$@"; do
  [[ $arg != -* && $arg != /* ]] && arg=$caller/$arg
  args+=("$arg")
done
mkdir -p run
cd run
exec ../build/kestrelix "${args[@]}"
