#!/bin/bash
# End-to-end printing: starts a private CUPS server (own configuration,
# spool and sockets under a temporary directory, listening on loopback
# only), adds a cups-pdf queue as its default printer, prints six pages
# through the report engine and checks the PDF that comes out.
# Exit 77 (skipped) without root, cupsd, the cups-pdf backend or poppler.
#   cups_print.sh HARNESS [RUNNER...]
# RUNNER (scripts/wine-run.sh for the Windows build) runs the harness; Wine
# prints through the same CUPS server, which CUPS_SERVER names.
set -u
harness=${1:?usage: cups_print.sh HARNESS [RUNNER...]}
shift
runner=("$@")

skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "needs root to run cupsd"
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || skip "cupsd is not installed"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1)
[ -n "$ppd" ] || skip "the cups-pdf PPD is not installed"
for tool in lpadmin lpstat pdfinfo; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

dir=$(mktemp -d /tmp/iqx-cups.XXXXXX)
chmod 755 "$dir" # filters run as lp and must reach the spool
# cups-pdf reads its configuration from /etc/cups only; a queue with the
# device URI cups-pdf:/NAME reads cups-pdf-NAME.conf, so a uniquely named
# file there points this queue's output into the temporary directory.
suffix="iqxtest$$"
pdfconf="/etc/cups/cups-pdf-$suffix.conf"
cupsd_pid=
cleanup() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -f "$pdfconf"
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    echo "--- cupsd error_log (tail) ---"
    tail -n 40 "$dir/log/error_log" 2>/dev/null
    echo "--- cups-pdf log (tail) ---"
    tail -n 20 "$dir"/log/cups-pdf*_log 2>/dev/null
    exit 1
}

mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log,out,pdfspool}
chmod 777 "$dir/out"

port=
for candidate in $(shuf -i 20000-60000 -n 30); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
        port=$candidate
        break
    fi
done
[ -n "$port" ] || fail "no free loopback port"
socket="$dir/cups.sock"

cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel debug
Listen 127.0.0.1:$port
Listen $socket
Browsing No
BrowseLocalProtocols none
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
cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
FileDevice No
CONF
cat >"$pdfconf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/pdfspool
Log $dir/log
LogType 3
UserUMask 0000
CONF

"$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$socket"
unset PRINTER LPDEST
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd did not start"
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "is running" || fail "cupsd does not answer on $socket"

lpadmin -p iqxpdf -E -v "cups-pdf:/$suffix" -P "$ppd" 2>&1 | grep -v -i "deprecated" 
lpadmin -d iqxpdf || fail "cannot make the queue the default"
lpstat -d | grep -q iqxpdf || fail "the queue is not the default"

QT_QPA_PLATFORM=${IQX_HARNESS_PLATFORM:-offscreen} timeout 240 "${runner[@]}" "$harness" \
    || fail "the harness could not print"

# Wait (bounded) until the job has left the queue and the PDF is complete.
pdf=
for _ in $(seq 600); do
    pdf=$(ls "$dir"/out/*.pdf 2>/dev/null | head -n 1)
    if [ -n "$pdf" ] && [ -z "$(lpstat -o iqxpdf 2>/dev/null)" ] && pdfinfo "$pdf" >/dev/null 2>&1; then
        break
    fi
    pdf=
    sleep 0.2
done
[ -n "$pdf" ] || fail "no PDF arrived in $dir/out"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 6 ] || fail "the PDF has ${pages:-no} pages, expected 6"
# The queue's filters (pdftops, Ghostscript) turn text into outlines, so
# only the sheets are checked here; the text itself is checked on the
# engine's own PDF by tst_report.
pdfinfo "$pdf" | grep -q "^Page size: *595\(\.[0-9]*\)\? x 842" || fail "the sheets are not A4 portrait"
echo "PASS: six pages printed to $(basename "$pdf")"
