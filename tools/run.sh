#!/usr/bin/env bash
# Builds the programs and starts the launcher under Wine, in a prefix of the
# build folder (never ~/.wine). Uses the current X display when there is one,
# otherwise a headless one, and saves a screenshot. Installs what is missing
# first (as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
cd "$root"
cmake --preset default
cmake --build --preset default -j"$(nproc)"

launcher="$root/build/bin/Zentei.exe"
if [[ ! -f "$launcher" ]]; then
  echo "Built into $root/build/bin: $(ls "$root/build/bin" | tr '\n' ' ')"
  echo "The launcher itself is not built yet; nothing to start."
  exit 0
fi
exec "$root/tests/wine/start.sh" "$root/build" "$launcher"
