#!/usr/bin/env bash
# Installs what is needed, builds everything (Release, the Install section's build/) and runs the whole test
# suite. Most tests wait on the simulated unit's 9600-baud line, so ctest runs twice as many as there are cores.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release ${PLM1_CMAKE_FLAGS:-}
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$((2 * $(nproc)))" --timeout 300
