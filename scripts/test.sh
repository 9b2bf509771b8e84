#!/usr/bin/env bash
# Sets up, builds and runs every test: once in the normal build, once with the address and
# undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
(cd build && ctest --output-on-failure -j"$(nproc)")
scripts/build.sh build-sanitize -DVALTA9_SANITIZE=ON -DVALTA9_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)")
