#!/usr/bin/env bash
# Installs what the tests need, builds Quorvex with warnings as errors and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_WARNINGS_AS_ERRORS=ON
cmake --build build-ci -j"$(nproc)"
# Tests that run MAME use a temporary HOME of their own; the window tests use the offscreen platform.
ctest --test-dir build-ci --output-on-failure -j2

# The core library and the tests that need no window again, under AddressSanitizer and UBSan: only what
# that run needs is built.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_WARNINGS_AS_ERRORS=ON \
      -DQX_SANITIZE=ON -DQX_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize -j"$(nproc)" --target core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2 -L core
