#!/usr/bin/env bash
# Installs what the tests need, builds Quorvex with warnings as errors and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_WARNINGS_AS_ERRORS=ON
cmake --build build-ci -j"$(nproc)"
# Tests that run MAME use a temporary HOME of their own; the window tests use the offscreen platform.
ctest --test-dir build-ci --output-on-failure -j2
