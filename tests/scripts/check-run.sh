#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The README's first command as a new user meets it: scripts/run, from a clean
# clone, on a virtual X server, must build the program and show its window.
set -uo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

git clone -q "$source" "$work/clayrange" || exit 1
if [ -n "$(git -C "$source" status --porcelain --untracked-files=no)" ]; then
    echo "note: the clone holds the last commit, without the tree's uncommitted changes"
fi

# Prints the program's top-level window as xwininfo lists it, once it is shown.
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    (cd "$1" && exec scripts/run) >"$2/run.log" 2>&1 &
    run=$!
    for _ in $(seq 900); do
        xwininfo -root -tree 2>/dev/null | grep -F "(\"clayrange\" \"clayrange\")" && break
        kill -0 "$run" 2>/dev/null || break
        sleep 1
    done
    kill "$run" 2>/dev/null
    wait "$run" 2>/dev/null
    true
' _ "$work/clayrange" "$work" >"$work/window"

if ! grep -q ' 451x424+' "$work/window"; then
    echo "FAIL: scripts/run showed no 451x424 clayrange window; it printed:"
    tail -n 20 "$work/run.log" | sed 's/^/    /'
    [ ! -s "$work/window" ] || { echo "and the window was:"; cat "$work/window"; }
    exit 1
fi
echo "ok: scripts/run built the program and showed its window:"
sed 's/^ *//' "$work/window"
