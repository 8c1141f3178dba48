#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a GoogleTest suite, under the emulator named before it:
#   gtest-run.sh [EMULATOR...] SUITE.exe
# It passes only when the process exits 0 AND GoogleTest printed its summary
# with nothing failed: a Wine that cannot start the program may exit 0, and a
# crash after the summary (a static destructor, COM's teardown, a heap check)
# exits with an error. A suite that skipped a test exits 77, which CTest
# reports as skipped, never as passed.
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$@" | tee "$log"
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
    echo "gtest-run: the suite exited with status $status" >&2
    exit 1
fi
if ! grep -q '^\[  PASSED  \] [0-9]' "$log" || grep -q '^\[  FAILED  \]' "$log"; then
    echo "gtest-run: no GoogleTest summary without failures" >&2
    exit 1
fi
if grep -q '^\[  SKIPPED \] [0-9]' "$log"; then
    echo "gtest-run: tests were skipped" >&2
    exit 77
fi
