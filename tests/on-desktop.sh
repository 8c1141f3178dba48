#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a virtual X server of its own under openbox, where windows
# get a frame with a title bar as on a desktop, and stops both afterwards.
set -euo pipefail
run=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$run"' EXIT

# wait_for WHAT COMMAND...: up to five seconds for the command to succeed.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" && return
        sleep 0.05
    done
    echo "no $what after 5 s" >&2
    cat "$run"/*.log >&2
    exit 1
}

# Xvfb picks a free display itself and writes its number once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" 2>"$run/xvfb.log" &
pids+=($!)
wait_for "X server" test -s "$run/display"
export DISPLAY=:$(cat "$run/display")
openbox >"$run/openbox.log" 2>&1 &
pids+=($!)
# Ready once it names itself on the root window.
wait_for "window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
QT_QPA_PLATFORM=xcb "$@"
