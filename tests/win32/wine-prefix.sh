# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash

# Sourced by wine-run.sh and bench/win32/winbench.sh: Wine for the programs of
# one build tree. Its loader is the one the tree's toolchain file found, run
# directly: Debian's wine, wineboot and msiexec take the 32-bit loader whenever
# wine32 is installed, even where the kernel cannot run it. Each step that
# fails says which command failed and what it said.

# shellcheck source=../../scripts/lib/i386.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/i386.sh"
# shellcheck source=../desktop.sh
. "$(dirname "${BASH_SOURCE[0]}")/../desktop.sh"

clayrange_wine_say() { echo "wine-run: $*" >&2; }

# Runs a command with its output kept aside; if it fails, shows the command,
# its status and the end of what it said.
clayrange_wine_step() {
    local log status=0
    log=$(mktemp)
    "$@" >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        clayrange_wine_say "'$*' failed with status $status:"
        tail -n 20 "$log" | sed 's/^/    /' >&2
    fi
    rm -f "$log"
    return "$status"
}

# The build tree that holds a file or folder, by its CMakeCache.txt.
clayrange_wine_tree() {
    local tree
    tree=$(readlink -f "$1")
    while [ "$tree" != / ] && [ ! -f "$tree/CMakeCache.txt" ]; do
        tree=$(dirname "$tree")
    done
    [ "$tree" != / ] || { clayrange_wine_say "no build tree holds $1"; return 1; }
    echo "$tree"
}

# Sets CLAYRANGE_WINE to LOADER, the one the tree's toolchain file found, and
# checks that it starts.
clayrange_wine_loader() {
    CLAYRANGE_WINE=$1
    if [ ! -e "$CLAYRANGE_WINE" ]; then
        case $CLAYRANGE_WINE in
        *wine64*) clayrange_wine_say "no Wine loader ($CLAYRANGE_WINE): is wine64 installed?" ;;
        *) clayrange_wine_say "no Wine loader ($CLAYRANGE_WINE): wine32 is not installed" ;;
        esac
        return 1
    fi
    export WINELOADER=$CLAYRANGE_WINE
    clayrange_wine_step "$CLAYRANGE_WINE" --version && return 0
    # A 32-bit loader (ELF class 1) cannot start where the kernel runs no
    # 32-bit programs.
    if [ "$(od -An -tu1 -j4 -N1 "$CLAYRANGE_WINE" | tr -d ' ')" = 1 ] && ! clayrange_runs_i386; then
        clayrange_wine_say "$CLAYRANGE_WINE is a 32-bit program, and this kernel runs no 32-bit" \
            "programs ($CLAYRANGE_I386_ERROR)"
    fi
    return 1
}

# Wine's settings for PREFIX, the build tree's own, never the user's ~/.wine,
# with nothing downloaded (no Mono, no Gecko), and the prefix itself, made on
# first use with CLAYRANGE_WINE on the X server in DISPLAY.
clayrange_wine_prefix() {
    export WINEPREFIX=$1
    # winemenubuilder would copy the Start menu into the user's own menus;
    # winedbg would hold a crashed program open until the test's timeout.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEARCH=win64

    # The first run makes the prefix, which takes a while; later ones wait for it.
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    local status=0
    if [ ! -f "$WINEPREFIX/.clayrange-ready" ]; then
        # Wine has no Times New Roman; Liberation Serif has its metrics.
        clayrange_wine_step "$CLAYRANGE_WINE" wineboot -i &&
            clayrange_wine_step "$CLAYRANGE_WINE" reg add \
                'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
                /d 'Liberation Serif' /f &&
            clayrange_wine_step wineserver -w &&
            touch "$WINEPREFIX/.clayrange-ready" || status=$?
        [ "$status" -eq 0 ] || clayrange_wine_say "the Wine prefix $WINEPREFIX could not be made"
    fi
    flock -u 9
    exec 9>&-
    return "$status"
}
