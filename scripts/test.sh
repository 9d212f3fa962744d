#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: the normal build (build/), then everything
# again under AddressSanitizer and UBSan (build-asan/), including every fuzz corpus file replayed through
# its target. Between the two, scripts/check-install.sh checks the installed tree and the Debian package of
# the normal build. All must pass; ends with CTest's summary of the sanitizer run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
scripts/build.sh --werror
ctest --test-dir build --output-on-failure -j2
scripts/check-install.sh build

source tests/sanitizers/sanitizer_env.sh
if [[ ! -f build-asan/build.ninja ]]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_WERROR=ON -DKX_SANITIZE=ON \
        -DCMAKE_CXX_COMPILER=g++
fi
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j2
