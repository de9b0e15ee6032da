#!/bin/sh
# with-window-manager.sh COMMAND [ARGUMENT...]: runs the command on a virtual
# X display of its own, with openbox framing and placing its windows, and
# ends with the command's exit status.
set -eu
if [ -z "${DW_WITH_WINDOW_MANAGER:-}" ]; then
    DW_WITH_WINDOW_MANAGER=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
folder="$(mktemp -d)"
openbox --sm-disable --startup "touch $folder/ready" >/dev/null 2>&1 &
manager=$!
tries=0
while [ ! -e "$folder/ready" ] && [ "$tries" -lt 200 ]; do
    sleep 0.05
    tries=$((tries + 1))
done
status=0
"$@" || status=$?
kill "$manager" 2>/dev/null || true
wait "$manager" 2>/dev/null || true
rm -rf "$folder"
exit "$status"
