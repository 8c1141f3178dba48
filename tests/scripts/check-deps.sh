#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/deps against a stand-in apt and dpkg that fail the ways a real
# archive and machine do: an index that will not download, a package that
# cannot be installed, and a kernel that runs no 32-bit programs.
set -uo pipefail
deps=$(readlink -f "$(dirname "$0")/../../scripts/deps")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# apt-get: logs each call; "update" fails the first $FAKE_UPDATE_FAILS times;
# an install (satisfy), real or simulated, of a package in $FAKE_BROKEN fails
# with apt's words, and a real one that succeeds marks its packages installed.
cat >"$work/bin/apt-get" <<'FAKE'
#!/bin/bash
echo "apt-get $*" >>"$FAKE/calls"
if [ "$1" = update ]; then
    echo x >>"$FAKE/updates"
    [ "$(wc -l <"$FAKE/updates")" -gt "${FAKE_UPDATE_FAILS:-0}" ] && exit 0
    echo "E: Failed to fetch http://archive/binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?"
    exit 100
fi
shift
packages=()
for arg; do [[ $arg == -* ]] || packages+=("${arg%% *}"); done
for package in "${packages[@]}"; do
    if [[ " ${FAKE_BROKEN:-} " == *" $package "* ]]; then
        echo "The following packages have unmet dependencies:"
        echo " $package : Depends: libfoo1 (= 2) but 1 is to be installed"
        echo "              Depends: libbar1 but it is not going to be installed"
        echo "E: Unable to correct problems, you have held broken packages."
        exit 100
    fi
done
[[ " $* " == *" -s "* ]] || printf '%s\n' "${packages[@]}" >>"$FAKE/installed"
FAKE
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/bin/bash
grep -qxF "${@: -1}" "$FAKE/installed" && echo "install ok installed"
FAKE
cat >"$work/bin/dpkg" <<'FAKE'
#!/bin/bash
echo "dpkg $*" >>"$FAKE/calls"
case $1 in
--print-architecture) echo amd64 ;;
--print-foreign-architectures) cat "$FAKE/architectures" ;;
--add-architecture) echo "$2" >>"$FAKE/architectures" ;;
--remove-architecture) sed -i "/^$2\$/d" "$FAKE/architectures" ;;
esac
FAKE
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
printf '#!/bin/sh\n' >"$work/bin/sleep"
chmod +x "$work/bin"/*

checks=0 failures=0
# check NAME WANT-STATUS GROUPS ENV... -- PATTERNS...: runs deps on a machine
# with only the desktop group installed (less GONE=PACKAGE); each pattern must match a line of its
# output or of the calls made to apt and dpkg, and each !pattern none.
check() {
    local name=$1 want=$2 groups=$3
    shift 3
    checks=$((checks + 1))
    local env=()
    local gone=
    while [ "$1" != -- ]; do
        [[ $1 == GONE=* ]] && gone=${1#GONE=} || env+=("$1")
        shift
    done
    shift
    local fake=$work/$name
    mkdir "$fake"
    printf '%s\n' cmake g++ ninja-build qt6-base-dev qt6-qpa-plugins fonts-liberation2 |
        grep -vxF "${gone:-none}" >"$fake/installed"
    : >"$fake/calls"
    : >"$fake/architectures"
    local out status
    # shellcheck disable=SC2086
    out=$(env -u CI PATH="$work/bin:$PATH" FAKE="$fake" "${env[@]}" bash "$deps" $groups 2>&1)
    status=$?
    local pattern wrong=()
    [ "$status" -eq "$want" ] || wrong+=("exit status $status, not $want")
    for pattern; do
        if [[ $pattern == '!'* ]]; then
            ! grep -qE -- "${pattern#!}" <<<"$out"$'\n'"$(cat "$fake/calls")" || wrong+=("has $pattern")
        else
            grep -qE -- "$pattern" <<<"$out"$'\n'"$(cat "$fake/calls")" || wrong+=("lacks $pattern")
        fi
    done
    if [ "${#wrong[@]}" -eq 0 ]; then
        echo "ok   $name"
    else
        echo "FAIL $name: ${wrong[*]}"
        sed 's/^/    /' <<<"$out"
        sed 's/^/    call: /' "$fake/calls"
        failures=$((failures + 1))
    fi
}

check nothing-missing 0 desktop -- '!apt-get'
check from-control 0 desktop GONE=qt6-base-dev -- "apt-get satisfy .* qt6-base-dev \\(>= 6\\.4\\)\$"
check index-fails 0 'desktop tests' FAKE_UPDATE_FAILS=9 -- \
    'try 2 of 3' 'Mirror sync in progress' 'apt-get satisfy .* reuse' '!stopping' '!^ *$'
check index-recovers 0 tests FAKE_UPDATE_FAILS=1 -- 'try 1 of 3' '!try 2 of 3' 'apt-get satisfy .* reuse'
check package-broken 0 'tests windows' FAKE_BROKEN=wixl -- \
    'the windows group cannot be installed: wixl$' '1 is to be installed' \
    'held broken packages' 'still works: everything but the Windows edition' \
    '!libbar1' 'apt-get satisfy .* reuse' '!cannot be installed: .*(msitools|reuse)'
check package-broken-ci 1 'tests windows' FAKE_BROKEN=wixl CI=true -- \
    'cannot be installed: wixl' 'stopping: windows'
check tests-broken 0 'desktop tests' FAKE_BROKEN=reuse -- 'cannot be installed: reuse' \
    'scripts/run\), but the test suites do not' '!stopping'
check desktop-broken 1 'desktop tests' GONE=qt6-base-dev FAKE_BROKEN=qt6-base-dev -- \
    'cannot be installed: qt6-base-dev' 'stopping: desktop could not be installed$' \
    'apt-get satisfy .* reuse'
check no-i386-kernel 0 'windows windows32' CLAYRANGE_I386=no CI=true -- \
    'runs no 32-bit programs' '!add-architecture' '!wine32' 'apt-get satisfy .* wixl'
check wine32-broken-ci 0 windows32 CLAYRANGE_I386=yes CI=true FAKE_BROKEN=wine32:i386 -- \
    'dpkg --add-architecture i386' 'cannot be installed: wine32:i386' \
    'dpkg --remove-architecture i386' 'the 64-bit ones still run'
check wine32 0 windows32 CLAYRANGE_I386=yes -- \
    'dpkg --add-architecture i386' 'apt-get satisfy .* wine32:i386' '!remove-architecture'
check unknown-group 2 'desktop tset' -- 'no group tset'

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
