#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (sanitizers on) and runs each for a bounded time. The harnesses
# are the ones fuzz/ declares: the build lists them in fuzz_harnesse.txt (name, program, seed folder).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds="${FUZZ_SECONDS:-30}"
CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLM1_FUZZ=ON -DPLM1_TESTS=OFF \
    -DPLM1_BENCH=OFF ${PLM1_CMAKE_FLAGS:-}
cmake --build build-fuzz -j"$(nproc)" --target fuzz_harnesse
while IFS=$'\t' read -r name bin seeds; do
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    [ -d "$seeds" ] || seeds=""
    echo "== $name for ${seconds}s"
    "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 "$corpus" $seeds
done <build-fuzz/fuzz_harnesse.txt
