// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace platform::win32 {

// The dpi a window is shown at, with the system's where Windows has no dpi of
// its own for each monitor.
int dpiOf(HWND hwnd);
// The primary monitor's.
int systemDpi();
// A frame's outer rectangle, of that style and without a menu, around a
// client area at the origin, at a dpi.
RECT frameAround(SIZE client, DWORD style, int dpi);
// Where a new window opens: on the monitor the shell names, as for a program
// started from a second screen's taskbar, else on the fallback.
HMONITOR monitorToOpenOn(const STARTUPINFOW &startup, HMONITOR fallback);

} // namespace platform::win32
