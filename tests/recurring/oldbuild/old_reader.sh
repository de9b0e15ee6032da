#!/usr/bin/env bash
# Builds OldReader.cpp against the recurring-dates code of COMMIT (default:
# the last commit before dated entries) and prints what that build makes of
# FILE. Its output for tests/data/recurring/dated-entries.dax is kept in
# dated-entries.old-build.txt beside it.
set -euo pipefail
file=$(realpath "$1")
commit=${2:-1e7b31f}
root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git -C "$root" archive "$commit" src | tar -x -C "$work"
sources=(src/recurring/{RecurringFile,RecurringFormula,RecurringResolve,RecurringDescription,EasterDates,ICalendarExport,ICalendarLines}.cpp
         src/month/CalendarDates.cpp src/toolkit/{Windows1252,ProgramFolder,SaveFiles}.cpp)
includes=()
for dir in "$work"/src/*/; do includes+=(-I "$dir"); done
g++ -std=c++20 -fPIC -O1 "${includes[@]}" $(pkg-config --cflags Qt6Core Qt6Gui) \
    "$(dirname "$0")/OldReader.cpp" "${sources[@]/#/$work/}" \
    $(pkg-config --libs Qt6Core Qt6Gui) -o "$work/old-reader"
LC_ALL=C "$work/old-reader" "$file"
