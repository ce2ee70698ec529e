#!/usr/bin/env bash
# Installs the dependencies, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
bash tools/install-data.sh
exec build/app/quorvex "$@"
