#!/usr/bin/env bash
# Plays N random journeys (default 100) of real actions on the main window,
# headless, checking the screen, the document and undo after every step; a
# failing journey prints its seed and the shortest failing journey found and
# writes the screen beside the document as a picture (in DW_JOURNEY_OUTPUT,
# else the temporary folder's dw-journeys). DW_JOURNEY_SEED picks the first
# seed (default 1000), DW_JOURNEY_STEPS the steps of each (default 40); with
# --x-server they play on a virtual X server with a window manager.
set -euo pipefail
source "$(dirname "$0")/common.sh"

x_server=""
if [ "${1:-}" = "--x-server" ]; then
    x_server="$DW_ROOT/tests/windowmanager/with-window-manager.sh"
    shift
fi
count="${1:-100}"

dw_install_packages
DW_TARGETS=dw_journeys_tests dw_build build
export QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C DW_JOURNEYS="$count"
${x_server:+"$x_server" env QT_QPA_PLATFORM=xcb} "$DW_ROOT/build/tests/journeys/dw_journeys_tests" \
    --gtest_filter=Journeys.ManyRandom
