#!/usr/bin/env bash
# Prints the Windows architecture the Wine suites run: i686 where this
# machine runs 32-bit Wine, x86_64 where the kernel cannot execute 32-bit code
# (IA-32 emulation switched off), so only 64-bit Wine works.
if [[ -x /usr/lib/wine/wine ]] && timeout 60 /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo i686
else
  echo x86_64
fi
