#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine, as CTest's emulator: wine-run.sh LOADER
# PROGRAM ARGS..., with the loader the tree's toolchain file found, in that
# tree's own prefix, on an X server of its own with a small window manager, as
# on a desktop. A program that is no file, such as msiexec or reg, is one of
# Wine's own, run for the build tree that holds the working folder.
set -euo pipefail
loader=$1 program=$2
shift 2

# shellcheck source=wine-prefix.sh
. "$(dirname "$(readlink -f "$0")")/wine-prefix.sh"
if [ -f "$program" ]; then
    tree=$(clayrange_wine_tree "$program")
else
    tree=$(clayrange_wine_tree "$PWD")
fi
clayrange_wine_loader "$loader"

work=$(mktemp -d)
clayrange_desktop_pids=()
cleanup() {
    clayrange_desktop_stop
    rm -rf "$work"
}
trap cleanup EXIT
# Without a window manager Wine waits two seconds for each window it destroys.
clayrange_desktop "$work" openbox -screen 0 1024x768x24 -dpi 96
prefix=${CLAYRANGE_WINEPREFIX:-$tree/wineprefix}
clayrange_wine_prefix "$prefix"

# A prefix has one Wine server, and it outlives each program by a moment, to
# end Wine's own processes and write the registry: a program started while
# the last one's server shuts down loses its connection ("recvmsg: Connection
# reset by peer"). So one program at a time in a prefix, each after the last
# one's server has ended, and this one's has ended before its X server goes.
# A server still up after a minute is one that something of Wine's holds
# open: it is killed, saying so.
server_ends() {
    timeout 60 wineserver -w && return 0
    clayrange_wine_say "the Wine server of $prefix was still up after 60 s; killing it"
    wineserver -k || true
}
exec 8>"$prefix.run-lock"
flock 8
server_ends
status=0
"$CLAYRANGE_WINE" "$program" "$@" 2>"$work/stderr" || status=$?
server_ends
# Wine's own desktop process may still say so when the X server goes; that
# line is not the program's.
grep -v '^X connection to .* broken' "$work/stderr" >&2 || true
exit "$status"
