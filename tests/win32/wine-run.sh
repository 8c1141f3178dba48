#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine, as CTest's emulator: in a prefix of the
# build tree's own (wine-prefix.sh), on an X server of its own.
set -euo pipefail
program=$1
shift

tree=$(dirname "$(readlink -f "$program")")
while [ "$tree" != / ] && [ ! -f "$tree/CMakeCache.txt" ]; do
    tree=$(dirname "$tree")
done
# shellcheck source=wine-prefix.sh
. "$(dirname "$(readlink -f "$0")")/wine-prefix.sh"
clayrange_wine_prefix "${CLAYRANGE_WINEPREFIX:-$tree/wineprefix}"

# A screen the size of a classroom PC's, at 96 dpi.
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" wine "$program" "$@"
