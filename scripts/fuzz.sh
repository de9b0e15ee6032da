#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (in the sanitizer build's
# folder, where scripts/test.sh --sanitize has built them already) and runs
# each for the given number of seconds (default 30) over a copy of its seed
# corpus.
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds="${1:-30}"
dw_use_sanitize_build
dw_install_packages
DW_TARGETS=dw_fuzzers dw_build "$DW_SANITIZE_FOLDER" "${DW_SANITIZE_OPTIONS[@]}"

export QT_QPA_PLATFORM=offscreen LC_ALL=C
export LSAN_OPTIONS="suppressions=$DW_ROOT/scripts/lsan.supp"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for fuzzer in "$DW_ROOT/$DW_SANITIZE_FOLDER"/fuzz/dw_fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name="${fuzzer##*/dw_fuzz_}"
    work="$(mktemp -d)"
    cp -r "$DW_ROOT/fuzz/corpus/$name/." "$work/"
    echo "Fuzzing $name for $seconds s"
    # Amplification and slowness fail like crashes: no input may make the
    # target hold more than 1.5 GB, ask for one block above 320 MB (a picture
    # of the largest size readers accept takes 256 MB) or run for 5 seconds.
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=1536 -malloc_limit_mb=320 -timeout=5 \
        -print_final_stats=1 "$work" 2>&1 | tail -12
    rm -rf "$work"
done
