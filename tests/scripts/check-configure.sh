#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures the project with 64-bit Wine's loader hidden from find_program
# (CMAKE_IGNORE_PATH): under CI=true configuration must stop and name it, as
# no suite may be left out there; elsewhere it goes on and says what is left
# out and why.
set -uo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
# check NAME CI WANT-STATUS PATTERN...: each pattern must match a line of the
# configure step's output.
check() {
    local name=$1 ci=$2 want=$3 out status pattern wrong=()
    shift 3
    out=$(CI=$ci cmake -S "$source" -B "$work/$name" -G Ninja -DCMAKE_IGNORE_PATH=/usr/lib/wine 2>&1)
    status=$?
    [ "$status" -eq "$want" ] || wrong+=("exit status $status, not $want")
    for pattern; do grep -qE -- "$pattern" <<<"$out" || wrong+=("lacks $pattern"); done
    if [ "${#wrong[@]}" -eq 0 ]; then
        echo "ok   $name"
    else
        echo "FAIL $name: ${wrong[*]}"
        tail -n 20 <<<"$out" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

check ci true 1 '^CMake Error' '64-bit Windows suites are left out: they need wine64'
check desktop false 0 '^-- The 64-bit Windows suites are left out: they need wine64 \(scripts/deps'
[ "$failures" -eq 0 ]
