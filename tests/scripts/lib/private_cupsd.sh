# A private CUPS scheduler for the printing tests, sourced by test scripts.
#
#   start_private_cupsd DIR   starts cupsd with its configuration, spool and socket under DIR and two
#                             queues: tarvos-pdf (cups-pdf, the default, PDFs in $CUPSD_PDF_OUT) and
#                             tarvos-raw (a raw queue to a line printer on a local port, which appends
#                             every job's bytes to $CUPSD_RAW_OUT and its size to $CUPSD_RAW_OUT.jobs).
#                             Exports CUPS_SERVER. Returns 1, with the reason in $CUPSD_WHY, when it
#                             cannot start.
#   stop_private_cupsd        stops it and removes the cups-pdf instance configuration.
#   wait_for_pdfs N [SECONDS] waits until N PDFs are complete in $CUPSD_PDF_OUT.
#   wait_for_jobs_done        waits until no job is pending on any queue.
# CUPSD_LOGLEVEL (default warn) sets the scheduler's log level; its log is under DIR/log.
#
# cups-pdf reads its configuration from /etc/cups only: the instance gets its own file there,
# cups-pdf-<instance>.conf, removed again by stop_private_cupsd. The raw queue talks to a socket
# because CUPS writes nothing to a file: device of a raw queue (no filter runs to write it).

CUPSD_PID=
CUPSD_PDF_CONF=
CUPSD_LISTENER_PID=
CUPSD_LIB=$(dirname "${BASH_SOURCE[0]}")

start_private_cupsd() {
    local d=$1
    CUPSD_WHY=
    if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
        CUPSD_WHY="cupsd or lpadmin is not installed"
        return 1
    fi
    if [ ! -x /usr/lib/cups/backend/cups-pdf ] || [ "$(id -u)" -ne 0 ]; then
        CUPSD_WHY="the cups-pdf backend needs root and printer-driver-cups-pdf"
        return 1
    fi
    mkdir -p "$d/etc/ppd" "$d/spool/tmp" "$d/cache" "$d/state" "$d/log" "$d/pdf" "$d/raw"
    # The filters run as lp: they read the spool and write the output folders.
    chmod 755 "$d" "$d/etc" "$d/etc/ppd" "$d/cache" "$d/state"
    chmod 1777 "$d/pdf" "$d/raw" "$d/spool/tmp"
    chmod 710 "$d/spool"
    chgrp lp "$d/spool" 2>/dev/null || true
    cat >"$d/etc/cupsd.conf" <<CONF
Listen $d/cups.sock
LogLevel ${CUPSD_LOGLEVEL:-warn}
Browsing Off
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$d/etc/cups-files.conf" <<CONF
ServerRoot $d/etc
RequestRoot $d/spool
TempDir $d/spool/tmp
CacheDir $d/cache
StateDir $d/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
SystemGroup root
CONF
    cupsd -f -c "$d/etc/cupsd.conf" -s "$d/etc/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
    CUPSD_PID=$!
    export CUPS_SERVER=$d/cups.sock
    local i
    for i in $(seq 100); do
        if lpstat -r 2>/dev/null | grep -q "is running"; then
            break
        fi
        if ! kill -0 "$CUPSD_PID" 2>/dev/null; then
            CUPSD_WHY="cupsd exited: $(tail -n 3 "$d/log/cupsd.out" "$d/log/error_log" 2>/dev/null | tr '\n' ' ')"
            CUPSD_PID=
            return 1
        fi
        sleep 0.1
    done
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
        CUPSD_WHY="cupsd did not answer on $d/cups.sock"
        stop_private_cupsd
        return 1
    fi
    python3 "$CUPSD_LIB/raw_listener.py" "$d/raw/raw.out" "$d/raw/port" &
    CUPSD_LISTENER_PID=$!
    for i in $(seq 100); do
        [ -s "$d/raw/port" ] && break
        sleep 0.05
    done
    if [ ! -s "$d/raw/port" ]; then
        CUPSD_WHY="the line-printer stand-in did not start"
        stop_private_cupsd
        return 1
    fi
    local instance
    instance="tarvostest$$$(date +%N)"
    CUPSD_PDF_CONF=/etc/cups/cups-pdf-$instance.conf
    if ! printf 'Out %s\nAnonDirName %s\nLabel 0\nTitlePref 0\n' "$d/pdf" "$d/pdf" >"$CUPSD_PDF_CONF" 2>/dev/null; then
        CUPSD_WHY="cannot write $CUPSD_PDF_CONF for the cups-pdf instance"
        CUPSD_PDF_CONF=
        stop_private_cupsd
        return 1
    fi
    if ! lpadmin -p tarvos-pdf -E -v "cups-pdf:/$instance" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo -o PageSize=Letter 2>"$d/log/lpadmin.err" ||
        ! lpadmin -p tarvos-raw -E -v "socket://127.0.0.1:$(cat "$d/raw/port")" 2>>"$d/log/lpadmin.err" ||
        ! lpadmin -d tarvos-pdf 2>>"$d/log/lpadmin.err"; then
        CUPSD_WHY="lpadmin failed: $(tr '\n' ' ' <"$d/log/lpadmin.err")"
        stop_private_cupsd
        return 1
    fi
    CUPSD_DIR=$d
    CUPSD_PDF_OUT=$d/pdf
    CUPSD_RAW_OUT=$d/raw/raw.out
    export CUPSD_DIR CUPSD_PDF_OUT CUPSD_RAW_OUT
    return 0
}

stop_private_cupsd() {
    if [ -n "$CUPSD_PID" ]; then
        kill "$CUPSD_PID" 2>/dev/null
        wait "$CUPSD_PID" 2>/dev/null
        CUPSD_PID=
    fi
    if [ -n "$CUPSD_LISTENER_PID" ]; then
        kill "$CUPSD_LISTENER_PID" 2>/dev/null
        wait "$CUPSD_LISTENER_PID" 2>/dev/null
        CUPSD_LISTENER_PID=
    fi
    if [ -n "$CUPSD_PDF_CONF" ]; then
        rm -f "$CUPSD_PDF_CONF"
        CUPSD_PDF_CONF=
    fi
}

wait_for_jobs_done() {
    local i
    for i in $(seq 600); do
        [ -z "$(lpstat -o 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}

# Counts the PDFs cups-pdf has finished (it writes each under a temporary name first).
wait_for_pdfs() {
    local want=$1 limit=${2:-60} i n
    for i in $(seq $((limit * 10))); do
        n=$(find "$CUPSD_PDF_OUT" -name '*.pdf' | wc -l)
        if [ "$n" -ge "$want" ] && wait_for_jobs_done; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}
