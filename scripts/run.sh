#!/usr/bin/env bash
# Installs what Quorvex needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_BUILD_TESTS=OFF -DQX_BUILD_BENCHMARKS=OFF
cmake --build build -j"$(nproc)"
exec ./build/src/quorvex
