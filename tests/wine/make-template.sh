#!/usr/bin/env bash
# Makes the Wine prefix that every Wine suite copies: $1 architecture, $2
# folder. Done once per build folder (wineboot is slow); never touches ~/.wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh" "$1"
template=$2

[[ -f "$template/.complete" ]] && exit 0
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
[[ -f "$template/.complete" ]] && exit 0

work="$template.new"
rm -rf "$work"
export WINEPREFIX="$work"
unset DISPLAY
trap '"$WINE_SERVER" -k 2>/dev/null || true' EXIT

"$WINE_LOADER" wineboot -i >"$template.log" 2>&1
"$WINE_SERVER" -w

# A 1024 x 768 virtual desktop at 96 DPI, Japanese fonts under the names the
# programs ask for, no crash dialog.
reg="$work/zentei.reg"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:00000060\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  printf '"ＭＳ ゴシック"="IPAGothic"\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n'
  printf '"ＭＳ 明朝"="IPAMincho"\r\n"ＭＳ Ｐ明朝"="IPAPMincho"\r\n'
  printf '"MS Gothic"="IPAGothic"\r\n"MS PGothic"="IPAPGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n\r\n'
} | iconv -f UTF-8 -t UTF-16 >"$reg"
"$WINE_LOADER" regedit /S "$(unix_to_windows "$reg")" >>"$template.log" 2>&1
"$WINE_SERVER" -w
rm -f "$reg"

touch "$work/.complete"
rm -rf "$template"
mv "$work" "$template"
