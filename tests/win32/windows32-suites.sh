#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the 32-bit Windows suites (the windows preset's CTest) under 32-bit
# Wine where they can run: on a kernel that runs 32-bit programs, with wine32
# installed. Elsewhere it says why not, once, and exits 77, which CTest counts
# as skipped; the 64-bit suites (windows-x64) run on every machine. Under
# CI=true, wine32 missing on a kernel that could run it is a failure.
#   windows32-suites.sh           run them, from the source tree
#   windows32-suites.sh --check   only say whether they can run
set -uo pipefail
source=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
# shellcheck source=../../scripts/lib/i386.sh
. "$source/scripts/lib/i386.sh"
loader=${CLAYRANGE_WINE_LOADER:-/usr/lib/wine/wine}

reason=
if ! clayrange_runs_i386; then
    reason="this kernel runs no 32-bit programs ($CLAYRANGE_I386_ERROR)"
elif [ ! -e "$loader" ]; then
    reason="wine32 is not installed (no $loader)"
    if [ "${CI:-}" = true ]; then
        echo "The 32-bit Windows suites cannot run: $reason, on a kernel that runs 32-bit programs."
        exit 1
    fi
fi
if [ -n "$reason" ]; then
    echo "The 32-bit Windows suites were left out: $reason."
    exit 77
fi
[ "${1:-}" = --check ] && exit 0
cd "$source" && exec ctest --preset windows
