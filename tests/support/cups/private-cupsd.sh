#!/usr/bin/env bash
# A private CUPS server for the printing tests, apart from any system one:
#
#   private-cupsd.sh start FOLDER SOCKET   starts cupsd with its configuration,
#                                           spool, cache, state and logs in
#                                           FOLDER, listening on SOCKET only,
#                                           and adds the test printers
#   private-cupsd.sh stop FOLDER           stops it and removes what it left
#                                           outside FOLDER
#
# Clients reach it with CUPS_SERVER=SOCKET. The printers:
#   DW-PDF      the cups-pdf driver: PDF files in FOLDER/out/pdf
#   DW-Raw      a raw queue whose PDF and PostScript jobs land unchanged in
#               FOLDER/out/raw.prn
#   DW-Margins  takes PDF unchanged into FOLDER/out/margins.pdf and cannot
#               print within 0.28 inch of the left edge, 0.259 inch of the
#               right and 0.25 inch of the top and bottom
# DW-PDF is the server's default printer.
#
# cups-pdf reads its settings only from /etc/cups, from a file named after
# the queue's device address; the server writes one there for itself, named
# after FOLDER, and removes it when it stops.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
start_timeout=30

fail() {
    echo "private-cupsd: $*" >&2
    exit 1
}

# The cups-pdf settings file of the server in folder $1.
cups_pdf_name() {
    echo "dw-$(printf '%s' "$1" | md5sum | cut -c1-12)"
}

# The process id of the server in folder $1 when it still runs, else nothing.
running_pid() {
    local folder="$1" pid
    [ -f "$folder/state/cupsd.pid" ] || return 0
    pid="$(cat "$folder/state/cupsd.pid" 2>/dev/null || true)"
    [[ "$pid" =~ ^[0-9]+$ ]] || return 0
    # Only a cupsd started with this folder's configuration is ours.
    if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF "$folder/conf/cupsd.conf"; then
        echo "$pid"
    fi
}

stop_server() {
    local folder="$1" pid
    pid="$(running_pid "$folder")"
    if [ -n "$pid" ]; then
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 1 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$pid" 2>/dev/null; then
            echo "private-cupsd: cupsd $pid did not stop, killing it" >&2
            kill -KILL "$pid" 2>/dev/null || true
        fi
    fi
    rm -f "$folder/state/cupsd.pid"
    if [ -d /etc/cups ]; then
        rm -f "/etc/cups/cups-pdf-$(cups_pdf_name "$folder").conf"
    fi
}

write_configuration() {
    local folder="$1" socket="$2" group
    group="$(id -gn)"
    cat >"$folder/conf/cups-files.conf" <<EOF
ServerRoot $folder/conf
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
FileDevice Yes
SystemGroup $group
Sandboxing Relaxed
EOF
    cat >"$folder/conf/cupsd.conf" <<EOF
Listen $socket
LogLevel info
MaxLogSize 0
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
DefaultEncryption Never
JobRetryLimit 0
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    : >"$folder/conf/printers.conf"
}

write_cups_pdf_settings() {
    local folder="$1"
    [ -d /etc/cups ] || fail "/etc/cups is missing: is printer-driver-cups-pdf installed?"
    # No comments: cups-pdf carries a long comment line into the file names.
    cat >"/etc/cups/cups-pdf-$(cups_pdf_name "$folder").conf" <<EOF
Out $folder/out/pdf
AnonDirName $folder/out/pdf
Spool $folder/out/pdf-spool
Log $folder/log
Grp $(id -gn)
UserUMask 0022
LogType 3
EOF
}

# Gives up with the server's own words when it stops or stays silent.
wait_for_server() {
    local folder="$1" socket="$2" pid="$3" problem
    problem="did not answer on $socket within ${start_timeout}s"
    for _ in $(seq 1 $((start_timeout * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            problem="ended at start-up"
            break
        fi
        if [ -S "$socket" ] && CUPS_SERVER="$socket" lpstat -r >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    echo "private-cupsd: the server $problem" >&2
    tail -n 30 "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null || true
    stop_server "$folder"
    exit 1
}

add_printers() {
    local folder="$1" socket="$2"
    export CUPS_SERVER="$socket"
    # The driver's own description, but with the copies made by the filters
    # rather than asked of the PostScript interpreter, which ignores them
    # when it writes PDF: each copy becomes a page of the file.
    local cups_pdf_ppd="$folder/out/cups-pdf.ppd"
    sed 's/^\*ColorDevice:/*cupsManualCopies: True\n&/' \
        /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$cups_pdf_ppd"
    lpadmin -p DW-PDF -E -v "cups-pdf:/$(cups_pdf_name "$folder")" \
        -P "$cups_pdf_ppd" -o PageSize=Letter 2>/dev/null
    lpadmin -p DW-Raw -E -v "file://$folder/out/raw.prn" -P "$here/raw.ppd" 2>/dev/null
    lpadmin -p DW-Margins -E -v "file://$folder/out/margins.pdf" -P "$here/margins.ppd" 2>/dev/null
    lpadmin -d DW-PDF
    local printers
    printers="$(lpstat -e | sort | tr '\n' ' ')"
    [ "$printers" = "DW-Margins DW-PDF DW-Raw " ] || fail "the printers were not added: '$printers'"
}

start_server() {
    local folder="$1" socket="$2"
    command -v cupsd >/dev/null || fail "cupsd is missing: install cups-daemon"
    command -v lpadmin >/dev/null || fail "lpadmin is missing: install cups-client"
    [ -x /usr/lib/cups/backend/cups-pdf ] || fail "cups-pdf is missing: install printer-driver-cups-pdf"
    [ "$(id -u)" -eq 0 ] || fail "cups-pdf prints only for a server run by root"
    [ ${#socket} -lt 100 ] || fail "socket path too long for a local socket: $socket"

    stop_server "$folder"
    rm -rf "$folder"
    mkdir -p "$folder"/{conf,spool/tmp,cache,state,log,out/pdf,out/pdf-spool}
    mkdir -p "$(dirname "$socket")"
    rm -f "$socket"
    write_configuration "$folder" "$socket"
    write_cups_pdf_settings "$folder"

    # Detached from the caller's output so that the test run does not wait
    # for it; -f keeps it in the foreground of its own session.
    setsid cupsd -f -c "$folder/conf/cupsd.conf" -s "$folder/conf/cups-files.conf" \
        </dev/null >"$folder/log/cupsd.out" 2>&1 &
    echo $! >"$folder/state/cupsd.pid"
    wait_for_server "$folder" "$socket" $!
    add_printers "$folder" "$socket"
    echo "private-cupsd: running on $socket (pid $(running_pid "$folder"))"
}

case "${1:-}" in
start)
    [ $# -eq 3 ] || fail "usage: $0 start FOLDER SOCKET"
    start_server "$(realpath -m "$2")" "$(realpath -m "$3")"
    ;;
stop)
    [ $# -eq 2 ] || fail "usage: $0 stop FOLDER"
    stop_server "$(realpath -m "$2")"
    echo "private-cupsd: stopped"
    ;;
*)
    fail "usage: $0 start FOLDER SOCKET | stop FOLDER"
    ;;
esac
