#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs; does nothing when all are there.
#   bash scripts/install-deps.sh        everything: build, run, tests, CI checks and packaging checks
#   bash scripts/install-deps.sh run    only what building and running the programs needs
set -euo pipefail
# Build and run: compiler and build tools, Qt 6 with its translations (Qt's own dialogs in German and
# English), Qt's translation tools (lupdate, lrelease: the program's English catalogue is built from
# resources/i18n/*.ts), a font for the windows, help2man for the manual pages the build makes.
run=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev libgl-dev
     qt6-translations-l10n qt6-tools-dev qt6-l10n-tools fonts-dejavu-core help2man)
# Tests and CI: GoogleTest, clang for the sanitizer and fuzz builds, clang-format, an X server with
# xdotool, a window manager (openbox) and xwininfo (x11-utils) for the tests on a real display, and the
# checks of the package, menu entry and AppStream data; ser2net, the serial device server the network
# port tests put in front of the simulated unit.
test=(libgtest-dev googletest clang clang-format libclang-rt-14-dev xvfb xdotool openbox x11-utils
      lintian desktop-file-utils appstream ser2net)
case "${1:-all}" in
run) pkgs=("${run[@]}") ;;
all) pkgs=("${run[@]}" "${test[@]}") ;;
*)
    echo "usage: $0 [run|all]" >&2
    exit 2
    ;;
esac
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
