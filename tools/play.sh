#!/usr/bin/env bash
# Builds Lumbra and starts it from the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh play
cmake -S . -B build -G Ninja -DLUMBRA_BUILD_TESTS=OFF -DLUMBRA_BUILD_BENCHMARKS=OFF
cmake --build build
exec build/stage/lumbra
