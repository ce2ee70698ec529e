#!/usr/bin/env bash
# A private print system for tests and trials: a cupsd of its own, run from a
# directory without touching the machine's, with one queue "quorvex-pdf" as
# its default, whose device writes every job into a file of its own
# (DIR/out/job-<id>.pdf; the office sends PDF to a print queue).
#
#   tools/pdfqueue.sh start DIR   starts it; prints CUPS_SERVER=DIR/cups.sock
#   tools/pdfqueue.sh stop DIR    stops it
#
# A program started with CUPS_SERVER set to that socket prints through it.
# Needs the cups-daemon and cups-client packages (tools/install-deps.sh); no
# root: the daemon runs as the user who starts it.
set -euo pipefail

command=${1:-}
dir=${2:-}
if [ -z "$command" ] || [ -z "$dir" ]; then
    echo "usage: $0 start|stop DIR" >&2
    exit 2
fi
dir=$(mkdir -p "$dir" && cd "$dir" && pwd)
# Both live in /usr/sbin, which a user's PATH may lack.
export PATH="$PATH:/usr/sbin:/sbin"
socket="$dir/cups.sock"

stop() {
    if [ -f "$dir/cupsd.pid" ]; then
        kill "$(cat "$dir/cupsd.pid")" 2>/dev/null || true
        rm -f "$dir/cupsd.pid"
    fi
}

if [ "$command" = stop ]; then
    stop
    exit 0
fi
if [ "$command" != start ]; then
    echo "usage: $0 start|stop DIR" >&2
    exit 2
fi
stop

mkdir -p "$dir"/{etc,bin/backend,bin/filter,spool,tmp,cache,state,log,out}
chmod 0755 "$dir" "$dir/bin" "$dir/bin/backend"
for part in daemon notifier; do
    [ -e "/usr/lib/cups/$part" ] && ln -sfn "/usr/lib/cups/$part" "$dir/bin/$part"
done

# The device: the job (from the file named, or from stdin) into out/.
cat > "$dir/bin/backend/pdffile" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'file pdffile "Unknown" "PDF files"'
    exit 0
fi
out=${DEVICE_URI#pdffile:}
file="$out/job-$(printf '%06d' "$1").pdf"
if [ -n "${6:-}" ]; then cat "$6" > "$file.part"; else cat > "$file.part"; fi || exit 1
chmod 0644 "$file.part"
mv "$file.part" "$file"
exit 0
BACKEND
chmod 0700 "$dir/bin/backend/pdffile"

cat > "$dir/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
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

cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
ServerBin $dir/bin
DataDir /usr/share/cups
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice No
CONF

cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"
for _ in $(seq 50); do
    [ -S "$socket" ] && break
    sleep 0.1
done
if [ ! -S "$socket" ]; then
    cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null >&2 || true
    stop
    echo "the private cupsd did not start" >&2
    exit 1
fi
lpadmin -h "$socket" -p quorvex-pdf -E -v "pdffile:$dir/out" -m raw 2>/dev/null \
    || lpadmin -h "$socket" -p quorvex-pdf -E -v "pdffile:$dir/out"
lpadmin -h "$socket" -d quorvex-pdf
echo "CUPS_SERVER=$socket"
