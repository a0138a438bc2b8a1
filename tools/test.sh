#!/usr/bin/env bash
# Builds everything and runs every test (native, Wine and file checks) in one
# CTest run. Installs what is missing first (as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
cd "$root"
cmake --preset default
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)" "$@"
