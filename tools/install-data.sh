#!/usr/bin/env bash
# Installs the program's data files: the window icon and the help document
# (made from resources/help/help.html with LibreOffice) in /usr/share/quorvex;
# the built program as /usr/local/bin/quorvex and its desktop entry (name,
# icon, the document types it opens) in /usr/share/applications, checked with
# desktop-file-validate.
# Idempotent: files are copied only when they differ, and the help document
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

if [ -x build/app/quorvex ] && ! cmp -s build/app/quorvex /usr/local/bin/quorvex; then
    install -m 755 build/app/quorvex /usr/local/bin/quorvex
    echo "Installed /usr/local/bin/quorvex"
fi

desktop_src=resources/quorvex.desktop
desktop_dest=/usr/share/applications/quorvex.desktop
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop_src"
fi
if ! cmp -s "$desktop_src" "$desktop_dest"; then
    mkdir -p "$(dirname "$desktop_dest")"
    install -m 644 "$desktop_src" "$desktop_dest"
    if command -v update-desktop-database >/dev/null 2>&1; then
        update-desktop-database -q "$(dirname "$desktop_dest")" || true
    fi
    echo "Installed $desktop_dest"
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
