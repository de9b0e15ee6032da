#!/usr/bin/env bash
# Installs what is missing, builds Datewright and runs every test headless.
# With --sanitize the build and the run use AddressSanitizer and
# UndefinedBehaviorSanitizer, in their own build folder.
set -euo pipefail
source "$(dirname "$0")/common.sh"

folder=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    folder=build-sanitize
    options=(-DDW_SANITIZE=ON -DDW_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$DW_ROOT/scripts/lsan.supp"
fi

dw_install_packages
dw_build "$folder" "${options[@]}"
export QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C
ctest --test-dir "$DW_ROOT/$folder" --output-on-failure -j 2
