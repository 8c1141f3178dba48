# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash

# Sourced, by scripts/deps and by the Windows tests. Whether this kernel runs
# 32-bit x86 programs: some x86_64 kernels are booted without it, and then
# every i386 program, 32-bit Wine's loader among them, fails with "Exec format
# error". Neither uname nor dpkg's architecture list tells; starting one does.

# Returns 0 if the kernel ran a 93-byte i386 program that only exits 0;
# otherwise 1, with the reason in CLAYRANGE_I386_ERROR.
# CLAYRANGE_I386=no makes it answer no, for trying what the callers do then.
clayrange_runs_i386() {
    CLAYRANGE_I386_ERROR=
    if [ "${CLAYRANGE_I386:-}" = no ]; then
        CLAYRANGE_I386_ERROR="CLAYRANGE_I386=no"
        return 1
    fi
    local dir status=0
    dir=$(mktemp -d) || { CLAYRANGE_I386_ERROR="mktemp failed"; return 1; }
    base64 -d >"$dir/probe" <<'EOF'
f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAA
AAAAAIAECACABAhdAAAAXQAAAAUAAAAAEAAAuAEAAAAx282A
EOF
    chmod +x "$dir/probe"
    # The shell's own message ("Exec format error") names the reason.
    CLAYRANGE_I386_ERROR=$("$dir/probe" 2>&1) || status=$?
    rm -rf "$dir"
    [ "$status" -eq 0 ] && return 0
    # What the shell said, without its name and line and the probe's path.
    CLAYRANGE_I386_ERROR=$(printf '%s\n' "$CLAYRANGE_I386_ERROR" | head -n 1)
    CLAYRANGE_I386_ERROR=${CLAYRANGE_I386_ERROR##*/probe: }
    CLAYRANGE_I386_ERROR=${CLAYRANGE_I386_ERROR:-an i386 program exited with status $status}
    return 1
}
