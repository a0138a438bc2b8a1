#!/usr/bin/env bash
# Makes sure everything the build and the tests need is on this machine.
# Installs what is missing with apt-get when run as root; otherwise prints
# the exact command to run and fails.
set -euo pipefail

packages=(cmake ninja-build g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
          googletest libgtest-dev wine wine32 wine64 xvfb x11-utils xauth locales
          fonts-ipafont-gothic fonts-ipafont-mincho liblnk-utils imagemagick)

missing=()
for p in "${packages[@]}"; do
  if [[ "$p" == wine32 ]]; then p=wine32:i386; fi
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

need_locale=0
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || need_locale=1

if (( ${#missing[@]} == 0 && need_locale == 0 )); then
  exit 0
fi

install_line="dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]:-locales}"
locale_line="sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen && locale-gen"

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages or the ja_JP.UTF-8 locale. As root, run:" >&2
  (( ${#missing[@]} )) && echo "  $install_line" >&2
  (( need_locale )) && echo "  $locale_line" >&2
  exit 1
fi

if (( ${#missing[@]} )); then
  echo "Installing: ${missing[*]}"
  dpkg --add-architecture i386
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
