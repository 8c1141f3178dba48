#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine, as CTest's emulator: in a prefix of the
# build tree's own, never the user's ~/.wine, on an X server of its own with a
# small window manager, as on a desktop, and with nothing downloaded (no Mono,
# no Gecko). Without a window manager Wine waits two seconds for each window
# it destroys.
set -euo pipefail
program=$1
shift

tree=$(dirname "$(readlink -f "$program")")
while [ "$tree" != / ] && [ ! -f "$tree/CMakeCache.txt" ]; do
    tree=$(dirname "$tree")
done
export WINEPREFIX=${CLAYRANGE_WINEPREFIX:-$tree/wineprefix}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

work=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A screen the size of a classroom PC's, at 96 dpi.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$work/display")
openbox --startup "touch $work/ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
    [ -f "$work/ready" ] && break
    sleep 0.1
done

# The first run makes the prefix, which takes a while; later ones wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.clayrange-ready" ]; then
    wineboot -i >/dev/null 2>&1
    # Wine has no Times New Roman; Liberation Serif has its metrics.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.clayrange-ready"
fi
flock -u 9
exec 9>&-

# Wine's own desktop process outlives the program and says so when this X
# server goes; that line is not the program's.
status=0
wine "$program" "$@" 2>"$work/stderr" || status=$?
grep -v '^X connection to .* broken' "$work/stderr" >&2 || true
exit "$status"
