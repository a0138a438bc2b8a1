# Sourced by the Wine scripts: the Wine binaries and settings for one
# architecture ($1: i686 or x86_64).
case "$1" in
  i686)
    WINE_LOADER=/usr/lib/wine/wine
    WINE_SERVER=/usr/lib/wine/wineserver32
    export WINEARCH=win32 ;;
  x86_64)
    WINE_LOADER=/usr/lib/wine/wine64
    WINE_SERVER=/usr/lib/wine/wineserver64
    export WINEARCH=win64 ;;
  *) echo "unknown Windows architecture: $1" >&2; exit 2 ;;
esac
[[ -x "$WINE_SERVER" ]] || WINE_SERVER=/usr/lib/wine/wineserver
export WINELOADER="$WINE_LOADER" WINESERVER="$WINE_SERVER"
export WINEDEBUG=${WINEDEBUG:--all}
# No Gecko/Mono installers, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Japanese system: ANSI code page 932.
export LANG=ja_JP.UTF-8
unset LC_ALL LC_CTYPE LANGUAGE

# unix_to_windows PATH: the same file as Wine sees it on drive Z:.
unix_to_windows() { local p; p=$(readlink -f "$1"); echo "Z:${p//\//\\}"; }
