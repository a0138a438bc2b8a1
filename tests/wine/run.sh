#!/usr/bin/env bash
# Runs one Windows test program under Wine, in a fresh copy of the template
# prefix, on its own headless X server with a 1024 x 768 virtual desktop.
# Everything it started is stopped when it ends, pass or fail.
#
#   run.sh --arch A --template DIR --artifacts DIR --dist DIR -- PROGRAM [ARGS...]
#
# The program sees, as Windows paths:
#   ZENTEI_DIST       the folder with the programs under test
#   ZENTEI_ARTIFACTS  a folder for screenshots and files kept after the run
#   ZENTEI_TEMP       an empty scratch folder
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

while [[ $# -gt 0 ]]; do
  case "$1" in
    --arch) arch=$2; shift 2 ;;
    --template) template=$2; shift 2 ;;
    --artifacts) artifacts=$2; shift 2 ;;
    --dist) dist=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "run.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
program=$1; shift
source "$here/env.sh" "$arch"

[[ -f "$template/.complete" ]] || { echo "run.sh: no Wine template at $template" >&2; exit 2; }
rm -rf "$artifacts"
mkdir -p "$artifacts"
scratch=$(mktemp -d "$(dirname "$template")/run.XXXXXX")
xvfb_pid=

cleanup() {
  local status=$?
  WINEPREFIX="$scratch/prefix" "$WINE_SERVER" -k 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  for bmp in "$artifacts"/*.bmp; do
    [[ -e "$bmp" ]] && /usr/bin/convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null && rm -f "$bmp"
  done
  rm -rf "$scratch"
  exit $status
}
trap cleanup EXIT
trap 'exit 143' TERM INT

cp -a "$template" "$scratch/prefix"
mkdir -p "$scratch/temp"
export WINEPREFIX="$scratch/prefix"

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset \
  3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
  [[ -s "$scratch/display" ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
display=$(head -n1 "$scratch/display" 2>/dev/null || true)
[[ -n "$display" ]] || { echo "run.sh: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 2; }
export DISPLAY=":$display"

export ZENTEI_DIST=$(unix_to_windows "$dist")
export ZENTEI_ARTIFACTS=$(unix_to_windows "$artifacts")
export ZENTEI_TEMP=$(unix_to_windows "$scratch/temp")

set +e
"$WINE_LOADER" "$program" "$@"
status=$?
set -e
exit $status
