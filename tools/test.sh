#!/usr/bin/env bash
# Builds Lumbra with its tests and benchmarks, then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test
cmake -S . -B build-test -G Ninja -DLUMBRA_BUILD_TESTS=ON -DLUMBRA_BUILD_BENCHMARKS=ON
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure --timeout 600
