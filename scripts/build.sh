#!/usr/bin/env bash
# Configures (once) and builds incrementally into build/. A user's build never stops on a compiler
# warning; --werror (what scripts/test.sh passes) turns warnings into errors, and the build folder keeps
# that setting afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[[ ${1-} == --werror ]] && werror=ON
if [[ ! -f build/build.ninja ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_WERROR=$werror
elif [[ $werror == ON ]] && ! grep -qx 'KX_WERROR:BOOL=ON' build/CMakeCache.txt; then
  cmake -S . -B build -DKX_WERROR=ON
fi
cmake --build build
