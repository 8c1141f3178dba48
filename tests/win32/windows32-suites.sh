#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the 32-bit Windows suites (the windows preset's CTest) under 32-bit
# Wine where they can run: on a kernel that runs 32-bit programs, with wine32
# installed. Elsewhere it says why not, once, and exits 77, which CTest counts
# as skipped; the 64-bit suites (windows-x64) run on every machine. wine32
# missing where the kernel could run it is a skip too, under CI as well: the
# archive's i386 index can be mid-sync for hours, scripts/deps has said why,
# and the same front end's 64-bit suites have run.
#   windows32-suites.sh TREE LOADER   run them in the windows preset's TREE
#   windows32-suites.sh --check LOADER   only say whether they can run
# LOADER is 32-bit Wine's loader as find_program found it, or its NOTFOUND.
set -uo pipefail
source=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
# shellcheck source=../../scripts/lib/i386.sh
. "$source/scripts/lib/i386.sh"
tree=$1 loader=$2

reason=
if ! clayrange_runs_i386; then
    reason="this kernel runs no 32-bit programs ($CLAYRANGE_I386_ERROR)"
elif [ ! -e "$loader" ]; then
    reason="wine32 is not installed (no 32-bit Wine loader in /usr/lib/wine; scripts/deps says why)"
fi
if [ -n "$reason" ]; then
    echo "The 32-bit Windows suites were left out: $reason."
    exit 77
fi
[ "$tree" = --check ] && exit 0
exec ctest --test-dir "$tree" --output-on-failure --no-tests=error
