# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts/deps and the Windows tests. Whether this kernel runs 32-bit
# x86 programs: some kernels are booted with that emulation off, and there
# every i386 program, 32-bit Wine among them, fails with "Exec format error".
# Neither uname nor dpkg's architectures tell, so a tiny i386 program is
# started: 93 bytes of ELF that only exit with status 0.
# CLAYRANGE_RUNS_I386=yes|no answers for the kernel, for the scripts' tests.
clayrange_runs_i386() {
    case ${CLAYRANGE_RUNS_I386:-} in
    yes) return 0 ;;
    no) return 1 ;;
    esac
    local dir probe status=1
    # A /tmp mounted noexec refuses every program, so the source tree is next.
    for dir in "${TMPDIR:-/tmp}" "$PWD"; do
        probe=$(mktemp -p "$dir" .i386-probe.XXXXXX 2>/dev/null) || continue
        echo 'f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAAAAAAAIAECACABAhdAAAAXQAAAAUAAAAAEAAAuAEAAAAx282A' |
            base64 -d >"$probe" && chmod +x "$probe"
        local error
        error=$("$probe" 2>&1)
        status=$?
        rm -f "$probe"
        [[ $error == *"Permission denied"* ]] || break
    done
    return "$status"
}
