#!/usr/bin/env bash
# Runs the real-display tests on a private Xvfb (xvfb-run -a picks a free display number).
# Usage: xdisplay_ausfuehren.sh TEST_BINARY PROGRAM [gtest options]. Exit 77 (skipped) without the tools.
set -u
for werkzeug in xvfb-run xdotool; do
    if ! command -v "$werkzeug" >/dev/null 2>&1; then
        echo "SKIPPED: $werkzeug is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
test_binary=$1
export PLM1_STEUERUNG=$2
shift 2
unset QT_QPA_PLATFORM
# The program's German texts, whatever the locale of the run (PLM1_SPRACHE=en: English screenshots).
export PLM1_SPRACHE=${PLM1_SPRACHE:-de}
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$test_binary" "$@"
