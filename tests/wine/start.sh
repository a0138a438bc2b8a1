#!/usr/bin/env bash
# Starts a Windows program of the build under Wine for a person to use:
#   start.sh BUILD_DIR PROGRAM.exe
# The program is copied into BUILD_DIR/run/ (where it keeps its own files)
# and runs in the prefix BUILD_DIR/wine/interactive (never ~/.wine). With no
# X display, a headless one is started and a screenshot of the running
# program is saved as BUILD_DIR/run/screenshot.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
program=$2
arch=$("$here/detect-arch.sh")
source "$here/env.sh" "$arch"
template="$build/wine/template-$arch"
"$here/make-template.sh" "$arch" "$template"

export WINEPREFIX="$build/wine/interactive"
[[ -d "$WINEPREFIX" ]] || cp -a "$template" "$WINEPREFIX"
run="$build/run"
mkdir -p "$run"
# The test twin stands in for the 32-bit program where only 64-bit Wine runs.
[[ "$arch" == x86_64 ]] && program="$build/windows-x86_64/dist/$(basename "$program")"
cp "$program" "$run/"
cd "$run"

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$WINE_LOADER" "$run/$(basename "$program")"
fi

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$run/.display" >/dev/null 2>&1 &
xvfb=$!
trap '"$WINE_SERVER" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -s "$run/.display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$run/.display")"
echo "No display: running on the headless display $DISPLAY"
"$WINE_LOADER" "$run/$(basename "$program")" &
echo "Started; a screenshot follows in 15 seconds. Ctrl-C ends it."
sleep 15
import -display "$DISPLAY" -window root "$run/screenshot.png" && echo "Screenshot: $run/screenshot.png"
wait
