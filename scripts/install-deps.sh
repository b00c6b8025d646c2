#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need; does nothing when all are there.
set -euo pipefail
pkgs=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev libgtest-dev
      googletest clang clang-format libclang-rt-14-dev libgl-dev xvfb xdotool qt6-translations-l10n fonts-dejavu-core)
# Real-display tests with a window manager: openbox, and xwininfo for where it put a window's content.
pkgs+=(openbox x11-utils)
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
