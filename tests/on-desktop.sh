#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a virtual X server of its own under openbox, where windows
# get a frame with a title bar as on a desktop, and stops both afterwards.
set -euo pipefail
# shellcheck source=desktop.sh
. "$(dirname "$(readlink -f "$0")")/desktop.sh"
run=$(mktemp -d)
clayrange_desktop_pids=()
trap 'clayrange_desktop_stop; rm -rf "$run"' EXIT
clayrange_desktop "$run" openbox -screen 0 1280x1024x24
QT_QPA_PLATFORM=xcb "$@"
