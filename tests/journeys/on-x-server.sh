#!/usr/bin/env bash
# Runs a test program, with its arguments, on a virtual X server of its own
# managed by openbox, as on a desktop; both are stopped when it ends.
set -euo pipefail

work="$(mktemp -d)"
xvfb=""
wm=""
stop() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT

# The server picks a free display and writes its number once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log" >&2
    echo "The X server did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
sleep 1

QT_QPA_PLATFORM=xcb "$@"
