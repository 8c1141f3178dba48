# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash

# Sourced by tests/on-desktop.sh, tests/win32/wine-prefix.sh and through it
# bench/win32/winbench.sh: the one way a suite gets a virtual X server of its
# own, with openbox on it when asked, each waited for until it is ready.

# clayrange_desktop WORK WM XVFB-OPTION...: starts Xvfb with the options, and
# openbox if WM is "openbox"; sets DISPLAY and clayrange_desktop_pids (the
# server's first). WORK is a folder for their files. Xvfb picks a free display
# itself and writes its number once it listens; openbox is ready once it names
# itself on the root window. Where others start X servers at the same moment,
# Xvfb can now and then say it listens on a display whose socket another
# server took ("server already running" in its log), and openbox then finds no
# display; so a start that fails is tried again, twice, on a new server, and
# only the last one's reasons are shown.
clayrange_desktop() {
    for _ in 1 2 3; do
        clayrange_desktop_once "$@" 2>"$1/desktop.why" && return 0
        clayrange_desktop_stop
    done
    cat "$1/desktop.why" >&2
    return 1
}

clayrange_desktop_once() {
    local work=$1 wm=$2
    shift 2
    clayrange_desktop_pids=()
    rm -f "$work/display"
    Xvfb -displayfd 3 "$@" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    clayrange_desktop_pids+=($!)
    clayrange_desktop_wait $! "Xvfb $*" "$work/xvfb.log" test -s "$work/display" || return 1
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    [ "$wm" = openbox ] || return 0
    openbox >"$work/openbox.log" 2>&1 &
    clayrange_desktop_pids+=($!)
    clayrange_desktop_wait $! "openbox on $DISPLAY" "$work/openbox.log" \
        sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' && return 0
    echo "Xvfb on $DISPLAY: $(kill -0 "${clayrange_desktop_pids[0]}" 2>/dev/null && echo running || echo ended)" >&2
    tail -n 5 "$work/xvfb.log" | sed 's/^/    /' >&2
    return 1
}

# clayrange_desktop_wait PID WHAT LOG COMMAND...: up to ten seconds for the
# command to succeed while the program PID runs; else says that WHAT did not
# come up, whether it ended, and the end of its LOG.
clayrange_desktop_wait() {
    local pid=$1 what=$2 log=$3 state="still running after 10 s"
    shift 3
    for _ in $(seq 100); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    "$@" && return 0
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && state="exited with status 0" || state="exited with status $?"
    fi
    echo "desktop: '$what' did not come up ($state):" >&2
    tail -n 20 "$log" | sed 's/^/    /' >&2
    return 1
}

# Stops what clayrange_desktop started.
clayrange_desktop_stop() {
    if [ "${#clayrange_desktop_pids[@]}" -gt 0 ]; then
        kill "${clayrange_desktop_pids[@]}" 2>/dev/null || true
        wait "${clayrange_desktop_pids[@]}" 2>/dev/null || true
    fi
    clayrange_desktop_pids=()
}
