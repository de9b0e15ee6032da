#!/usr/bin/env bash
# Installs what is missing, builds Datewright and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

dw_install_packages
dw_build build
exec "$DW_ROOT/build/bin/datewright" "$@"
