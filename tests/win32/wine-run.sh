#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine, as CTest's emulator: in a prefix of the
# build tree's own (wine-prefix.sh), on an X server of its own with a small
# window manager, as on a desktop. Without a window manager Wine waits two
# seconds for each window it destroys. A program that is no file, such as
# msiexec or reg, is one of Wine's own, run in the prefix of the build tree
# that holds the working folder.
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
# shellcheck source=wine-prefix.sh
. "$(dirname "$(readlink -f "$0")")/wine-prefix.sh"
clayrange_wine_prefix "${CLAYRANGE_WINEPREFIX:-$tree/wineprefix}"

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

# Wine's own desktop process outlives the program and says so when this X
# server goes; that line is not the program's.
status=0
wine "$program" "$@" 2>"$work/stderr" || status=$?
grep -v '^X connection to .* broken' "$work/stderr" >&2 || true
exit "$status"
