#!/usr/bin/env bash
# Installs what is missing, builds, lays the default data beside the program and starts it.
# Files already beside the program (your own torv.ini, element files) are never overwritten.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
cp -rn data/. build/bin/
exec build/bin/torv "$@"
