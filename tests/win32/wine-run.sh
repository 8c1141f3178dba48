#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine, as CTest's emulator: in a prefix of the
# build tree's own, never the user's ~/.wine, on an X server of its own, and
# with nothing downloaded (no Mono, no Gecko). A program that is no file,
# such as msiexec or reg, is one of Wine's own, run in the prefix of the build
# tree that holds the working folder.
set -euo pipefail
program=$1
shift

if [ -f "$program" ]; then
    tree=$(dirname "$(readlink -f "$program")")
else
    tree=$PWD
fi
while [ "$tree" != / ] && [ ! -f "$tree/CMakeCache.txt" ]; do
    tree=$(dirname "$tree")
done
[ "$tree" != / ] || { echo "wine-run: no build tree holds $program" >&2; exit 1; }
export WINEPREFIX=${CLAYRANGE_WINEPREFIX:-$tree/wineprefix}
# winemenubuilder would copy the Start menu into the user's own menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64

# The first run makes the prefix, which takes a while; later ones wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.clayrange-ready" ]; then
    xvfb-run -a wineboot -i >/dev/null 2>&1
    # Wine has no Times New Roman; Liberation Serif has its metrics.
    xvfb-run -a wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.clayrange-ready"
fi
flock -u 9

# A screen the size of a classroom PC's, at 96 dpi.
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" wine "$program" "$@"
