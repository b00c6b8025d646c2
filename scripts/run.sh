#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it on the built-in simulated unit (COM 1).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target Plm1Steuerung
exec ./build/shell/Plm1Steuerung --simulator "$@"
