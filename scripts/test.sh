#!/usr/bin/env bash
# Installs what is needed, builds the program and the tests (Release, in the Install section's build/) and runs
# the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release ${PLM1_CMAKE_FLAGS:-}
cmake --build build -j"$(nproc)"
# As many tests at a time as cores: twice as many end the run sooner (most tests wait on the 9600-baud line),
# but each test then takes longer, the real-display test 2 s.
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300
