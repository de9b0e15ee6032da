#!/usr/bin/env bash
# The Debian package on a fresh system: makes a Debian 12 root with
# debootstrap, installs the package there with `apt-get install ./datewright_*.deb`
# as a user would, and, as a user of that system, renders a month to PDF with
# datewright-render, starts the program under xvfb-run until its first page
# is painted and opens a calendar as a file manager does; runs it as root,
# who must not write in the program folder either. Then purges the
# package and checks that nothing of it is left. Needs root and the Debian
# mirror; takes some minutes.
#
#   scripts/package-check.sh [build/datewright_VERSION_ARCH.deb]
#
# The mirror is the first Debian one of apt's sources, or DW_DEBIAN_MIRROR.
set -euo pipefail
source "$(dirname "$0")/common.sh"

deb="$(realpath "${1:-$(ls "$DW_ROOT"/build/datewright_*.deb)}")"
[ "$(id -u)" -eq 0 ] || { echo "$0 must run as root (debootstrap, chroot)" >&2; exit 2; }
DW_PACKAGES=(debootstrap)
dw_install_packages

debian_mirror() {
    local uri
    uri="$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
        awk '/^URIs:/ { print $2 }' | grep -m1 -E '/debian/?$' || true)"
    [ -n "$uri" ] || uri="$(grep -hs -E '^deb +[^ ]+/debian/? ' /etc/apt/sources.list |
        awk '{ print $2; exit }' || true)"
    echo "${uri:-http://deb.debian.org/debian}"
}
mirror="${DW_DEBIAN_MIRROR:-$(debian_mirror)}"

root="$(mktemp -d /var/tmp/dw-fresh-root.XXXXXX)"
chmod 755 "$root"
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" || true; done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT

step() { printf '\n== %s\n' "$*"; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
# As the user "ana", with her own runtime folder, as a desktop session has.
as_user() {
    in_root runuser -u ana -- env HOME=/home/ana USER=ana XDG_RUNTIME_DIR=/run/user/1000 "$@"
}
# Every path of the root outside the folders that change whatever is
# installed (package manager state, logs, caches, home, temporary files).
snapshot() {
    (cd "$root" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./run \
        -o -path ./tmp -o -path ./home -o -path ./var/lib/dpkg -o -path ./var/lib/apt \
        -o -path ./var/cache -o -path ./var/log \) -prune -o -print | sort) >"$1"
}

step "A fresh Debian 12 root from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -20 "$root.debootstrap.log"; exit 1; }
rm -f "$root.debootstrap.log"
for folder in proc dev dev/pts; do
    mount --bind "/$folder" "$root/$folder"
    mounted+=("$root/$folder")
done
# Services stay stopped, as in any chroot.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
in_root apt-get update -qq
# What a desktop has and the checks use: the file type, application and icon
# databases, gio (as file managers open files) and a virtual X server.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    shared-mime-info desktop-file-utils hicolor-icon-theme gtk-update-icon-cache libglib2.0-bin \
    xvfb xauth >/dev/null
in_root useradd --create-home --uid 1000 ana
in_root install -d -m 700 -o ana -g ana /run/user/1000

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y ./$(basename "$deb")" \
    2>&1 | grep -E '^([0-9]+ upgraded|Need to get|After this|(Unpacking|Setting up) datewright)'
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' datewright

step "Installing touches nothing but the package's own files and the databases that list them"
# Installed again over the dependencies it brought, so that only its own
# writes differ.
in_root dpkg --purge datewright >/dev/null
snapshot "$root/tmp/before"
in_root dpkg --install "/tmp/$(basename "$deb")" >/dev/null
snapshot "$root/tmp/after"
in_root dpkg-query -L datewright | sed 's|^|.|' | sort >"$root/tmp/owned"
# The system's triggers write the file type database, with a file for each
# type the package declares, and the icon theme's cache.
strays="$(comm -13 "$root/tmp/before" "$root/tmp/after" | comm -23 - "$root/tmp/owned" |
    grep -v -E '^\./usr/share/(mime/application/x-datewright-(calendar|style-sheet)\.xml|icons/hicolor/icon-theme\.cache)$' ||
    true)"
if [ -n "$strays" ]; then
    echo "written at install time outside the package:"
    echo "$strays"
    exit 1
fi
echo "$(wc -l <"$root/tmp/owned") paths of the package; nothing else new"

step "datewright-render: December 2026 with the United Kingdom's holidays to PDF"
as_user datewright-render --layout loFCMinisInTitleLS --month 12 --year 2026 \
    --fill holidays:UK -o /home/ana/December.pdf --save /home/ana/December.DWC
head -c 8 "$root/home/ana/December.pdf" | grep -q '^%PDF-1\.' ||
    { echo "December.pdf is not a PDF"; exit 1; }
echo "December.pdf: $(stat -c %s "$root/home/ana/December.pdf") bytes"

step "datewright under xvfb-run, until its first page is painted"
painted="$(as_user env DW_EXIT_AFTER_FIRST_PAINT=1 timeout 120 \
    xvfb-run -a datewright /home/ana/December.DWC 2>"$root/tmp/datewright.log")" || true
echo "datewright: ${painted:-nothing}"
[ "$painted" = first-paint ] || { cat "$root/tmp/datewright.log"; exit 1; }

step "Calendars and style sheets open in the program, as a file manager opens them"
as_user datewright-render --layout loMC12Month --save /home/ana/Year.DWS >/dev/null
for file in December.DWC Year.DWS; do
    as_user gio info -a standard::content-type "/home/ana/$file" | grep content-type
done
for type in calendar style-sheet; do
    as_user gio mime "application/x-datewright-$type" | sed -n 1p
done
grep -q datewright "$root/usr/share/icons/hicolor/icon-theme.cache" &&
    echo "the icon is in the hicolor theme's cache" || { echo "the icon is not in the theme's cache"; exit 1; }
as_user rm /home/ana/.local/share/Datewright/DW.ini
# gio starts the program the desktop entry names, with the file, and ends;
# the program writes to the pipe until it has painted the page.
opened="$(as_user env DW_EXIT_AFTER_FIRST_PAINT=1 timeout 120 \
    xvfb-run -a sh -c 'gio open /home/ana/December.DWC | cat' 2>"$root/tmp/gio.log")" || true
echo "gio open December.DWC: ${opened:-nothing}"
recent="$(grep -a '^F0=' "$root/home/ana/.local/share/Datewright/DW.ini" | tr -d '\r' || true)"
echo "recent files: $recent"
[ "$opened" = first-paint ] && [ "$recent" = "F0=/home/ana/December.DWC" ] ||
    { cat "$root/tmp/gio.log"; exit 1; }

step "datewright run by root keeps what it writes in root's data folder, not in the program folder"
# Root's home is a temporary folder, so the purge's comparison does not see it.
in_root install -d -m 700 /tmp/root-home /tmp/root-runtime
painted="$(in_root env HOME=/tmp/root-home XDG_RUNTIME_DIR=/tmp/root-runtime \
    DW_EXIT_AFTER_FIRST_PAINT=1 timeout 120 \
    xvfb-run -a datewright /home/ana/December.DWC 2>"$root/tmp/root.log")" || true
echo "datewright as root: ${painted:-nothing}"
[ "$painted" = first-paint ] || { cat "$root/tmp/root.log"; exit 1; }
written="$(cd "$root" && find ./usr/lib/datewright | sort | comm -23 - "$root/tmp/owned")"
[ -z "$written" ] || { echo "written in the program folder:"; echo "$written"; exit 1; }
ls "$root/tmp/root-home/.local/share/Datewright/DW.ini" | sed "s|^$root||"

step "apt-get purge datewright"
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y datewright 2>&1 |
    grep -E '^(Removing|Purging|Processing triggers|[0-9]+ upgraded)'
! in_root dpkg-query -W datewright 2>/dev/null || { echo "dpkg still knows the package"; exit 1; }
snapshot "$root/tmp/purged"
# Neither a path of its own (also none left by the first install's purge,
# which the comparison cannot see) nor a mention in the databases that listed
# its file types, desktop entry and icon.
left="$(comm -3 "$root/tmp/before" "$root/tmp/purged"; grep -i datewright "$root/tmp/purged";
    grep -rli datewright "$root/usr/share/mime" "$root/usr/share/applications" \
        "$root/usr/share/icons" "$root/etc" 2>/dev/null || true)"
if [ -n "$left" ]; then
    echo "left after the purge:"
    echo "$left"
    exit 1
fi
echo "nothing of the package is left: the root is as it was before the install"
echo
echo "Package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
echo "Installed-Size: $(dpkg-deb --field "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb --field "$deb" Depends)"
