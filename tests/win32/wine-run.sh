#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine, as CTest's emulator: with the loader of
# the build tree that holds it, in that tree's own prefix, on an X server of
# its own with a small window manager, as on a desktop (wine-prefix.sh). A
# program that is no file, such as msiexec or reg, is one of Wine's own, run
# for the build tree that holds the working folder.
set -euo pipefail
program=$1
shift

# shellcheck source=wine-prefix.sh
. "$(dirname "$(readlink -f "$0")")/wine-prefix.sh"
if [ -f "$program" ]; then
    tree=$(clayrange_wine_tree "$program")
else
    tree=$(clayrange_wine_tree "$PWD")
fi
clayrange_wine_loader "$tree"

work=$(mktemp -d)
cleanup() {
    [ -n "${clayrange_wm:-}" ] && kill "$clayrange_wm" 2>/dev/null
    [ -n "${clayrange_xvfb:-}" ] && kill "$clayrange_xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
clayrange_wine_display "$work" openbox
clayrange_wine_prefix "${CLAYRANGE_WINEPREFIX:-$tree/wineprefix}"

# Wine's own desktop process outlives the program and says so when this X
# server goes; that line is not the program's.
status=0
"$CLAYRANGE_WINE" "$program" "$@" 2>"$work/stderr" || status=$?
grep -v '^X connection to .* broken' "$work/stderr" >&2 || true
exit "$status"
