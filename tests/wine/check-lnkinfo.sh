#!/usr/bin/env bash
# Reads the shortcut that the LNKMAKE suite wrote under Wine with liblnk's
# lnkinfo, an implementation independent of Wine's shell, and compares its
# fields with what the suite asked for ($1: the suite's artifacts folder).
set -euo pipefail
folder=$1
info=$(lnkinfo "$folder/full.lnk")
field() { sed -n "s/^\t$1\t*: //p" <<<"$info" | head -n1; }

mapfile -t expected < <(tr -d '\r' <"$folder/full.expected")
actual=("$(field 'Local path')" "$(field 'Command line arguments')" "$(field 'Working directory')"
        "$(field 'Icon location')" "$(field 'Icon index')")
names=(target arguments "working folder" "icon file" "icon index")

status=0
for i in "${!names[@]}"; do
  if [[ "${actual[$i]}" == "${expected[$i]}" ]]; then
    echo "ok: ${names[$i]} = ${actual[$i]}"
  else
    echo "FAIL: ${names[$i]}: lnkinfo reads '${actual[$i]}', expected '${expected[$i]}'"
    status=1
  fi
done
exit $status
