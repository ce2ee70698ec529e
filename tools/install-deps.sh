#!/usr/bin/env bash
# Installs everything the program, its build and its tests need on Debian 12
# (the print tests run a print system of their own: tools/pdfqueue.sh).
# Idempotent: packages already present are left alone and apt is not called.
set -euo pipefail

packages=(
    cmake g++ make ninja-build pkg-config
    qtbase5-dev qtbase5-dev-tools qttranslations5-l10n libqt5x11extras5-dev
    libreoffice-writer libreoffice-dev libreoffice-l10n-zh-cn libreoffice-help-zh-cn
    xvfb xauth x11-utils xdotool libxcb1-dev
    fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming libfontconfig-dev
    poppler-utils imagemagick python3 desktop-file-utils
    cups-daemon cups-client
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
else
    echo "All build and runtime packages are installed."
fi
