#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the program says and how it exits for each way it can be started: its
# own arguments, a missing display, a broken Qt set-up and a working one.
set -u
program=$1
failures=0
no_display='clayrange needs a graphical session; without one, install the xvfb package and start it as: xvfb-run clayrange'

# expect NAME STATUS OUTPUT ENV-AND-COMMAND...: the exit status, and the output's
# first line and its number of lines (--help says more than one).
expect() {
    local name=$1 status=$2 want=$3
    shift 3
    local out rc
    out=$(env "$@" 2>&1)
    rc=$?
    if [ "$rc" -ne "$status" ] || [ "$(head -n 1 <<<"$out")" != "$want" ] \
        || { [ "$name" != help ] && [ "$(wc -l <<<"$out")" -ne 1 ]; }; then
        echo "FAIL $name: exit $rc (want $status), output:"
        echo "$out" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

offscreen=(QT_QPA_PLATFORM=offscreen)
expect help 0 'Употреба: clayrange [--help | --version]' "${offscreen[@]}" "$program" --help
expect version 0 'clayrange 1.00' "${offscreen[@]}" "$program" --version
for args in "-platform offscreen" "-qwindowtitle X" "-reverse" "--help --version" "x"; do
    # shellcheck disable=SC2086
    out=$(env "${offscreen[@]}" "$program" $args 2>&1); rc=$?
    first=${args%% *}
    [ "$first" = "--help" ] && first=--version
    if [ "$rc" -eq 2 ] && [ "$out" = "clayrange: непознат аргумент „$first“; вижте clayrange --help" ]; then
        echo "ok   rejects $args"
    else
        echo "FAIL rejects $args: exit $rc, output: $out"
        failures=$((failures + 1))
    fi
done

# Nothing but the advice, whether no display is named or the named one is gone.
expect "no display named" 1 "$no_display" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
expect "display unreachable" 1 "$no_display" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 "$program"
# A broken set-up is not a missing display: Qt's own words say what is wrong.
out=$(QT_QPA_PLATFORM=nonexistent "$program" 2>&1); rc=$?
if [ "$rc" -eq 1 ] && grep -q 'Qt platform plugin "nonexistent"' <<<"$out" \
    && ! grep -q 'xvfb' <<<"$out"; then
    echo "ok   missing plugin"
else
    echo "FAIL missing plugin: exit $rc, output:"; echo "$out" | sed 's/^/    /'
    failures=$((failures + 1))
fi
# A platform list whose first entry fails falls back to the next, and starts;
# the warning about the first still reaches the terminal. Still running after
# two seconds means it started. Qt says "find" where the wayland plugin is not
# installed and "load" where it is, so only the plugin's name is looked for.
out=$(env -u WAYLAND_DISPLAY QT_QPA_PLATFORM='wayland;offscreen' timeout 2 "$program" 2>&1); rc=$?
if [ "$rc" -eq 124 ] && grep -q 'Qt platform plugin "wayland"' <<<"$out"; then
    echo "ok   platform fallback starts"
else
    echo "FAIL platform fallback: exit $rc, output:"; echo "$out" | sed 's/^/    /'
    failures=$((failures + 1))
fi
exit $((failures > 0))
