# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash

# Sourced by wine-run.sh and bench/win32/winbench.sh: Wine for the programs of
# one build tree. Its loader is the one the tree's toolchain file names, run
# directly: Debian's wine, wineboot and msiexec take the 32-bit loader whenever
# wine32 is installed, even where the kernel cannot run it. Each step that
# fails says which command failed and what it said.

# shellcheck source=../../scripts/lib/i386.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/i386.sh"

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

# Sets CLAYRANGE_WINE to the loader for TREE's programs (CLAYRANGE_WINE_LOADER
# in the environment overrides the tree's), and checks that it starts.
clayrange_wine_loader() {
    local tree=$1
    CLAYRANGE_WINE=${CLAYRANGE_WINE_LOADER:-$(sed -n 's/^CLAYRANGE_WINE_LOADER:[A-Z]*=//p' \
        "$tree/CMakeCache.txt")}
    if [ -z "$CLAYRANGE_WINE" ]; then
        clayrange_wine_say "$tree/CMakeCache.txt names no Wine loader (CLAYRANGE_WINE_LOADER)"
        return 1
    fi
    if [ ! -e "$CLAYRANGE_WINE" ]; then
        case $CLAYRANGE_WINE in
        */wine) clayrange_wine_say "no $CLAYRANGE_WINE: wine32 is not installed" ;;
        *) clayrange_wine_say "no $CLAYRANGE_WINE: is wine64 installed?" ;;
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

# Says that a background program (PID, started as COMMAND) did not come up,
# with its exit status if it has ended, and the end of its LOG.
clayrange_wine_not_up() {
    local pid=$1 command=$2 log=$3 state="still running"
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && state="exited with status 0" || state="exited with status $?"
    fi
    clayrange_wine_say "'$command' did not come up ($state):"
    tail -n 20 "$log" | sed 's/^/    /' >&2
}

# clayrange_wine_wait PID COMMAND...: up to ten seconds for the command to
# succeed, while the background program PID lives.
clayrange_wine_wait() {
    local pid=$1
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    "$@"
}

# Starts an X server of its own, a classroom PC's screen at 96 dpi, and with
# WM set, openbox on it: without a window manager Wine waits two seconds for
# each window it destroys. Sets DISPLAY, clayrange_xvfb and clayrange_wm (the
# process ids); WORK is a folder for their files.
clayrange_wine_display() {
    local work=$1 wm=${2:-}
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    clayrange_xvfb=$!
    if ! clayrange_wine_wait "$clayrange_xvfb" test -s "$work/display"; then
        clayrange_wine_not_up "$clayrange_xvfb" "Xvfb -displayfd 3 -screen 0 1024x768x24" \
            "$work/xvfb.log"
        return 1
    fi
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    [ -n "$wm" ] || return 0
    openbox --startup "touch $work/ready" >"$work/openbox.log" 2>&1 &
    clayrange_wm=$!
    if ! clayrange_wine_wait "$clayrange_wm" test -f "$work/ready"; then
        clayrange_wine_not_up "$clayrange_wm" "openbox on $DISPLAY" "$work/openbox.log"
        return 1
    fi
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
