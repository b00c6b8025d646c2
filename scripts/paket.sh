#!/usr/bin/env bash
# Checks the menu entry and the AppStream data, builds the Debian package in the given build folder
# (default build/, built already) and checks it with lintian: any error or warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."
ordner=${1:-build}
desktop-file-validate packaging/plm1steuerung.desktop
appstreamcli validate --no-net packaging/*.metainfo.xml
rm -f "$ordner"/plm1steuerung_*.deb
(cd "$ordner" && cpack -G DEB >/dev/null)
deb=$(ls "$ordner"/plm1steuerung_*.deb)
echo "== lintian $deb"
lintian --display-info --pedantic --fail-on error,warning "$deb"
