#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures the Windows edition under Wine against a fair bare Win32 window,
# one that shows the same controls and text with nothing of ours and no
# accessibility (barewindow.cpp), and prints a table. It builds nothing and is
# not a test: nothing here fails on a timing. Usage: winbench.sh TREE LOADER,
# a windows preset's build tree and its Wine loader, as the tree's winbench
# target passes them (cmake --build --preset windows-x64 --target winbench).
# CLAYRANGE_BENCH_RUNS (21) start-up pairs, CLAYRANGE_BENCH_CPU_RUNS (5) CPU runs.
set -euo pipefail
source=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
tree=$(readlink -f "$1")
runs=${CLAYRANGE_BENCH_RUNS:-21}
cpuRuns=${CLAYRANGE_BENCH_CPU_RUNS:-5}
program=$tree/clayrange.exe
ours=$tree/clayrange-probe.exe
bare=$tree/bench/win32/clayrange-bare.exe
for exe in "$program" "$ours" "$bare"; do
    [ -f "$exe" ] || { echo "winbench: no $exe; build the windows preset first" >&2; exit 2; }
done

# The tree's own Wine loader, as the tests use it.
# shellcheck source=../../tests/win32/wine-prefix.sh
. "$source/tests/win32/wine-prefix.sh"
clayrange_wine_loader "$2"
export CLAYRANGE_WINE

work=$(mktemp -d)
xvfb=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A screen the size of a classroom PC's, at 96 dpi, as the tests have, and a
# prefix of the benchmark's own, so that a test run in the same tree never
# shares its server.
clayrange_desktop "$work" none -screen 0 1024x768x24 -dpi 96
xvfb=${clayrange_desktop_pids[0]}
clayrange_wine_prefix "$tree/wineprefix-bench"
# One server for every run, so that no run pays for starting it.
wineserver -p

# Starts a program after printing the moment on CLOCK_MONOTONIC_RAW, the clock
# of Wine's QueryPerformanceCounter (CLOCK_MONOTONIC drifts from it by NTP's
# corrections, by 311 ms on the machine this was written on).
launch() {
    exec /usr/bin/python3 -c 'import os, sys, time
print("start", time.clock_gettime_ns(time.CLOCK_MONOTONIC_RAW), flush=True)
os.execv(sys.argv[1], sys.argv[1:])' "$CLAYRANGE_WINE" "$@"
}

# Milliseconds to the first frame, to the program's own start and from there,
# and the peak working set in KiB.
# A run that fails stops the benchmark with the reason: dropping it would pair
# the runs after it with the other program's runs of another turn.
startOnce() {
    local status=0
    timeout 60 bash -c "$(declare -f launch); launch '$1'" >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -ne 0 ] || ! grep -q '^init' "$work/out"; then
        echo "winbench: $(basename "$1") failed with status $status, before its first frame was" \
            "reported:" >&2
        grep -v '^X connection to' "$work/err" | tail -n 5 >&2
        exit 1
    fi
    awk '$1 == "start" { s = $2 }
         $1 == "init" { printf "%.1f %.1f %.1f %d\n", ($6 - s) / 1e6, ($2 - s) / 1e6,
                        ($6 - $2) / 1e6, $10 }' "$work/out"
}

# Nanoseconds that the threads of a process have spent on a CPU.
cpuNs() {
    local total=0 task run
    for task in /proc/"$1"/task/*/schedstat; do
        read -r run _ <"$task" 2>/dev/null && total=$((total + run))
    done
    echo "$total"
}

wineProcesses() {
    local dir
    for dir in /proc/[0-9]*; do
        if grep -qzxF "WINEPREFIX=$WINEPREFIX" "$dir/environ" 2>/dev/null; then
            echo "${dir#/proc/}"
        fi
    done
}

# Percent of a core over the interval for the program, the wineserver, the
# other Wine processes of the prefix and the X server, in that order.
sampleCpu() {
    local pid=$1 seconds=$2 server others=() p
    server=$(for p in $(wineProcesses); do
        case $(cat /proc/"$p"/comm 2>/dev/null) in wineserver*) echo "$p" ;; esac
    done | head -1)
    for p in $(wineProcesses); do
        [ "$p" = "$pid" ] || [ "$p" = "$server" ] || [ "$p" = "$xvfb" ] || others+=("$p")
    done
    sumOthers() { local t=0 p; for p in "${others[@]}"; do t=$((t + $(cpuNs "$p"))); done; echo $t; }
    local a b c d
    a=$(cpuNs "$pid") b=$(cpuNs "$server") c=$(sumOthers) d=$(cpuNs "$xvfb")
    local began=$EPOCHREALTIME
    sleep "$seconds"
    local ended=$EPOCHREALTIME
    awk -v span="$(awk -v a="$began" -v b="$ended" 'BEGIN { print b - a }')" \
        -v a=$(($(cpuNs "$pid") - a)) -v b=$(($(cpuNs "$server") - b)) \
        -v c=$(($(sumOthers) - c)) -v d=$(($(cpuNs "$xvfb") - d)) \
        'BEGIN { printf "%.3f %.3f %.3f %.3f\n", a / span / 1e7, b / span / 1e7,
                 c / span / 1e7, d / span / 1e7 }'
}

# Starts a probe copy that stays open, waits for its first frame (and the
# press), lets it settle for a second and samples it.
cpuOnce() {
    local exe=$1 mode=$2 seconds=$3 pid
    CLAYRANGE_PROBE=$mode launch "$exe" >"$work/cpu" 2>/dev/null &
    pid=$!
    for _ in $(seq 300); do grep -q '^init' "$work/cpu" && break; sleep 0.1; done
    grep -q '^init' "$work/cpu" || {
        echo "winbench: $(basename "$exe") reported no first frame within 30 s" >&2
        exit 1
    }
    sleep 1
    sampleCpu "$pid" "$seconds"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Median and range of a column of numbers, and how many runs they come from.
summary() {
    sort -g | awk -v unit="$1" '{ v[NR] = $1 }
        END { printf "%s%s (%s to %s, %d runs)", v[int((NR + 1) / 2)], unit, v[1], v[NR], NR }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

row() { printf '| %-52s | %-36s | %-12s |\n' "$1" "$2" "$3"; }

echo "warming up..." >&2
startOnce "$ours" >/dev/null
startOnce "$bare" >/dev/null
: >"$work/ours" && : >"$work/bare"
# Each pair in turn starts with the other program, so that neither always
# follows the other's exit.
for run in $(seq "$runs"); do
    printf '\rstart-up pair %d of %d' "$run" "$runs" >&2
    if [ $((run % 2)) = 1 ]; then
        startOnce "$ours" >>"$work/ours"
        startOnce "$bare" >>"$work/bare"
    else
        startOnce "$bare" >>"$work/bare"
        startOnce "$ours" >>"$work/ours"
    fi
done
echo >&2
: >"$work/idle-ours" && : >"$work/idle-bare" && : >"$work/crossing"
for run in $(seq "$cpuRuns"); do
    printf '\rCPU run %d of %d' "$run" "$cpuRuns" >&2
    cpuOnce "$ours" stay 5 >>"$work/idle-ours"
    cpuOnce "$bare" stay 5 >>"$work/idle-bare"
    cpuOnce "$ours" press 10 >>"$work/crossing"
done
echo >&2

field() { awk -v c="$2" '{ print $c }' "$work/$1"; }
oursMs=$(field ours 1 | median) bareMs=$(field bare 1 | median)
oursKiB=$(field ours 4 | median) bareKiB=$(field bare 4 | median)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f x", a / b }'; }
# Ratios of each pair, for their spread.
pairRatios() { paste -d' ' "$work/ours" "$work/bare" | awk -v c="$1" -v n=$(($1 + 4)) \
    '{ printf "%.2f\n", $c / $n }'; }

echo "Wine $("$CLAYRANGE_WINE" --version 2>/dev/null), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "medians of $(grep -c . "$work/ours") alternating pairs (start-up, memory) and of" \
    "$(grep -c . "$work/crossing") runs (CPU), with ranges"
echo
row "measure" "value" "target"
printf '|%s|%s|%s|\n' "$(printf -- '-%.0s' $(seq 54))" "$(printf -- '-%.0s' $(seq 38))" \
    "$(printf -- '-%.0s' $(seq 14))"
row "start-up to first frame: clayrange" "$(field ours 1 | summary " ms")" ""
row "start-up to first frame: fair bare Win32 window" "$(field bare 1 | summary " ms")" ""
row "start-up ratio (of medians; range of pair ratios)" \
    "$(ratio "$oursMs" "$bareMs") ($(pairRatios 1 | summary " x" | sed 's/^[^(]*(//; s/)$//'))" \
    "<= 1.05 x"
row "  wine to program's entry: clayrange / bare" \
    "$(field ours 2 | median) / $(field bare 2 | median) ms" ""
row "  program's entry to first frame: clayrange / bare" \
    "$(field ours 3 | median) / $(field bare 3 | median) ms" ""
row "peak working set: clayrange" "$(field ours 4 | summary " KiB")" ""
row "peak working set: fair bare Win32 window" "$(field bare 4 | summary " KiB")" ""
row "peak working set ratio" "$(ratio "$oursKiB" "$bareKiB")" "<= 1.10 x"
for who in "idle-ours:CPU idle, 5 s, clayrange" "idle-bare:CPU idle, 5 s, fair bare Win32 window" \
    "crossing:CPU during a crossing, 10 s, clayrange"; do
    file=${who%%:*} what=${who#*:}
    target=
    case $file in idle-ours) target="= fair bare" ;; crossing) target="< 0.5 %" ;; esac
    row "$what: the program" "$(field "$file" 1 | summary " %")" "$target"
    row "  wineserver" "$(field "$file" 2 | summary " %")" ""
    row "  other Wine processes (explorer, services...)" "$(field "$file" 3 | summary " %")" ""
    row "  Xvfb" "$(field "$file" 4 | summary " %")" ""
done
size=$(stat -c %s "$program")
row "clayrange.exe, stripped" "$(awk -v s="$size" 'BEGIN { printf "%d bytes (%.0f KiB)", s, s / 1024 }')" \
    "< 1 MB"
