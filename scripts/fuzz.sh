#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (sanitizers on) and runs each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds="${FUZZ_SECONDS:-30}"
CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLM1_FUZZ=ON ${PLM1_CMAKE_FLAGS:-}
targets=$(cmake --build build-fuzz --target help | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\):.*/\1/p' | grep -v '_autogen' | sort -u || true)
if [ -z "$targets" ]; then
    echo "no fuzz harnesses"
    exit 0
fi
cmake --build build-fuzz -j"$(nproc)" --target $targets
for t in $targets; do
    bin=$(find build-fuzz/fuzz -type f -name "$t" -perm -u+x | head -n 1)
    corpus="build-fuzz/corpus/$t"
    mkdir -p "$corpus"
    seeds="fuzz/$(basename "$(dirname "$bin")")/seeds"
    [ -d "$seeds" ] || seeds=""
    echo "== $t for ${seconds}s"
    "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 "$corpus" $seeds
done
