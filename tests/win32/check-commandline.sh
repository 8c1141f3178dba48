#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# How the Windows program answers its arguments when its output is a pipe, as
# from a script: the same words and exit statuses as the Linux program.
set -uo pipefail
# The arguments: how to run a Windows program (wine-run.sh and its loader),
# then the program.
run=("${@:1:$#-1}")
program=${*: -1}
failed=0

expect() {
    local what=$1 want_status=$2 want=$3
    shift 3
    local out status
    out=$("${run[@]}" "$program" "$@" 2>&1 | tr -d '\r')
    status=${PIPESTATUS[0]}
    if [ "$status" -ne "$want_status" ] || [[ "$out" != $want ]]; then
        echo "FAIL $what: status $status, output:"
        echo "$out"
        failed=1
    else
        echo "ok   $what"
    fi
}

expect "--version" 0 "clayrange 1.00" --version
expect "--help" 0 "Употреба: clayrange [[]--help | --version[]]*Програмата е един файл*" --help
expect "an unknown argument" 2 "clayrange: непознат аргумент „/S“; вижте clayrange --help" /S
expect "a second argument" 2 "clayrange: непознат аргумент „-x“; вижте clayrange --help" --help -x
exit "$failed"
