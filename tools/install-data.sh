#!/usr/bin/env bash
# Installs the program's data files: the window icon and the help document
# (made from resources/help/help.html with LibreOffice) in /usr/share/quorvex.
# Idempotent: the icon is copied only when it differs, and the help document
# is converted again only when its source is newer than the installed PDF.
set -euo pipefail
cd "$(dirname "$0")/.."

dest=/usr/share/quorvex
icon_src=resources/qvx.png
help_src=resources/help/help.html
help_pdf="$dest/help.pdf"

mkdir -p "$dest"

if ! cmp -s "$icon_src" "$dest/qvx.png"; then
    install -m 644 "$icon_src" "$dest/qvx.png"
    echo "Installed $dest/qvx.png"
fi

if [ -f "$help_pdf" ] && [ "$help_pdf" -nt "$help_src" ]; then
    exit 0
fi

if ! command -v soffice >/dev/null 2>&1; then
    echo "soffice not found: $help_pdf not made (install libreoffice-writer)" >&2
    exit 1
fi

work="$(mktemp -d /tmp/quorvex-help.XXXXXX)"
trap 'rm -rf "$work"' EXIT

# A private LibreOffice profile, so that a running office or the user's own
# profile is neither used nor changed.
soffice --headless --norestore \
    "-env:UserInstallation=file://$work/profile" \
    --convert-to pdf:writer_web_pdf_Export \
    --outdir "$work/out" "$help_src" >"$work/soffice.log" 2>&1 || true

if [ ! -s "$work/out/help.pdf" ]; then
    echo "Converting $help_src to PDF failed:" >&2
    cat "$work/soffice.log" >&2
    exit 1
fi

install -m 644 "$work/out/help.pdf" "$help_pdf"
echo "Installed $help_pdf"
