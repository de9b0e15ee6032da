#!/usr/bin/env bash
# Renders the same pages with two builds of datewright-render and compares
# every output byte for byte: documents (.DWC), style sheets (.DWS), PDF, BMP,
# PNG and the --info and --geometry JSON, for every layout on both papers,
# every border picture and the seed documents of the fuzz corpus.
#
#   scripts/compare-renders.sh OLD/bin/datewright-render NEW/bin/datewright-render
#
# Each renderer reads the border pictures beside itself. PDFs name the time
# they were made, which is masked; QT_HASH_SEED=0 keeps the order in which
# the PDF writer emits its fonts from changing between runs.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 OLD_RENDERER NEW_RENDERER" >&2
    exit 2
fi
corpus="$(cd "$(dirname "$0")/.." && pwd)/fuzz/corpus/document"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C QT_HASH_SEED=0

# render RENDERER FOLDER NAME OPTIONS...: every output of one page.
render() {
    local renderer="$1" out="$2" name="$3"
    shift 3
    "$renderer" "$@" --save "$out/$name.DWC" -o "$out/$name.pdf" >/dev/null
    "$renderer" "$@" -o "$out/$name.bmp" >/dev/null
    "$renderer" "$@" -o "$out/$name.png" --scale 0.75 >/dev/null
    "$renderer" "$@" --info >"$out/$name.info.json"
    "$renderer" "$@" --geometry >"$out/$name.geometry.json"
}

render_all() {
    local renderer="$1" out="$2"
    mkdir -p "$out"
    for layout in $(seq 0 21); do
        render "$renderer" "$out" "L$layout" --layout "$layout" --month 2 --year 2024 --day 14
        render "$renderer" "$out" "L$layout-a4" --layout "$layout" --paper a4 \
            --week-start monday --month 9 --year 2025 --day 3 --margins 0.3,0.4,0.5,0.6
    done
    for border in Classic Garland GreekKey Holly Stars; do
        render "$renderer" "$out" "border-$border" --border "$border" --layout 0 \
            --month 12 --year 2026 --day 25
    done
    render "$renderer" "$out" text "$corpus/text.DWC"
    render "$renderer" "$out" empty "$corpus/empty.DWC"
    render "$renderer" "$out" style --style "$corpus/style.DWS" --month 5 --year 2023 --day 1
    "$renderer" --style "$corpus/style.DWS" --month 5 --year 2023 --save "$out/style.DWS" >/dev/null
    "$renderer" --layout 3 --month 1 --year 2024 --count 3 -o "$out/count.pdf" >/dev/null
    "$renderer" --layout 3 --month 1 --year 2024 --count 3 -o "$out/count.bmp" >/dev/null
}

without_date() {
    perl -0777 -pe 's/CreationDate \(D:\d+Z\)/CreationDate (X)/g' "$1"
}

render_all "$1" "$work/old" 2>/dev/null
render_all "$2" "$work/new" 2>/dev/null

files=0
differ=0
for old in "$work"/old/*; do
    name="${old##*/}"
    new="$work/new/$name"
    files=$((files + 1))
    if [ ! -f "$new" ]; then
        echo "missing in the new output: $name"
        differ=$((differ + 1))
    elif [[ "$name" == *.pdf ]]; then
        cmp -s <(without_date "$old") <(without_date "$new") || { echo "differs: $name"; differ=$((differ + 1)); }
    else
        cmp -s "$old" "$new" || { echo "differs: $name"; differ=$((differ + 1)); }
    fi
done
if [ "$(ls "$work/new" | wc -l)" -ne "$files" ]; then
    echo "the new renderer wrote other files than the old one"
    differ=$((differ + 1))
fi
echo "$files files compared, $differ differ"
[ "$differ" -eq 0 ]
