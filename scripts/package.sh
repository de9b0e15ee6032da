#!/usr/bin/env bash
# Builds Datewright and its Debian package, build/datewright_VERSION_ARCH.deb,
# with CPack from the install rules, then checks what the package holds:
# lintian, desktop-file-validate on the desktop entry and appstreamcli on the
# metainfo. Fails when lintian finds an error or a warning.
set -euo pipefail
source "$(dirname "$0")/common.sh"

DW_PACKAGES+=("${DW_PACKAGE_TOOLS[@]}")
dw_install_packages
dw_build build
rm -f "$DW_ROOT"/build/datewright_*.deb
(cd "$DW_ROOT/build" && cpack -G DEB)
deb="$(ls "$DW_ROOT"/build/datewright_*.deb)"

contents="$(mktemp -d)"
trap 'rm -rf "$contents"' EXIT
dpkg-deb --extract "$deb" "$contents"
# The mark that keeps an installed copy, root's too, from writing in its folder.
[ -f "$contents/usr/lib/datewright/Installed" ] ||
    { echo "$deb: usr/lib/datewright/Installed is missing" >&2; exit 1; }
desktop-file-validate "$contents/usr/share/applications/org.datewright.Datewright.desktop"
# The screenshots are published on the web site with the release, so their
# addresses are not fetched; the id's capitals are the desktop entry's name.
appstreamcli validate --pedantic --no-net --explain \
    "$contents/usr/share/metainfo/org.datewright.Datewright.metainfo.xml" |
    tee "$contents/appstream.log" || true
if grep -E '^(E|W|I):' "$contents/appstream.log"; then
    echo "appstreamcli: the metainfo has notes beyond the one kept" >&2
    exit 1
fi
lintian --fail-on error,warning --info "$deb"

echo "$deb: $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Depends
