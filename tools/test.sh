#!/usr/bin/env bash
# Installs the dependencies, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
bash tools/install-data.sh
cd build
ctest --output-on-failure -j2 --timeout 600
