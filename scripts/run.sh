#!/usr/bin/env bash
# Installs what building and running need, builds the program in build-run/ and starts it on the built-in
# simulated unit (COM 1). Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'TEXT'
Plm1Steuerung opens windows, but this session has no display (DISPLAY and WAYLAND_DISPLAY are unset).
Start it
  - from a terminal of a desktop session,
  - over ssh with X forwarding:  ssh -X HOST, then bash scripts/run.sh
  - on a virtual X server:       xvfb-run -a bash scripts/run.sh   (package xvfb)
The command-line tool plm1 and the simulated unit plm1-sim need no display.
TEXT
    exit 2
fi
bash scripts/install-deps.sh run
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLM1_TESTS=OFF
cmake --build build-run -j"$(nproc)" --target Plm1Steuerung
exec ./build-run/shell/Plm1Steuerung --simulator "$@"
