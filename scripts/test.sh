#!/usr/bin/env bash
# Installs what is missing, builds Datewright and runs every test headless.
# With --sanitize the build and the run use AddressSanitizer and
# UndefinedBehaviorSanitizer, built with Clang in their own folder, which also
# holds the fuzz targets.
set -euo pipefail
source "$(dirname "$0")/common.sh"

folder=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    dw_use_sanitize_build
    folder="$DW_SANITIZE_FOLDER"
    options=("${DW_SANITIZE_OPTIONS[@]}")
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$DW_ROOT/scripts/lsan.supp"
fi

dw_install_packages
dw_build "$folder" "${options[@]}"
export QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C
ctest --test-dir "$DW_ROOT/$folder" --output-on-failure -j 2
