#!/usr/bin/env bash
# Builds and runs the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Every source compiled on its own here (no unity batches): a source that misses an include of its own, or a
# header whose types use an anonymous namespace, fails here.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLM1_SANITIZE=ON -DPLM1_UNITY=OFF ${PLM1_CMAKE_FLAGS:-}
cmake --build build-asan -j"$(nproc)"
# Leaks are reported; what system libraries allocate once for the life of a process is listed in lsan.supp.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" --timeout 600
