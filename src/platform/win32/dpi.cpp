// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dpi.h"

#include "lookup.h"

namespace platform::win32 {

namespace {

// The dpi calls of Windows 10 1607 and later, looked up at run time so that
// the program still starts on Windows 7, where the system dpi serves.
using GetDpiForWindowCall = UINT(WINAPI *)(HWND);
using GetDpiForSystemCall = UINT(WINAPI *)();
using AdjustWindowRectExForDpiCall = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Windows' STARTF_USEMONITOR, which mingw-w64's headers lack.
constexpr DWORD UseMonitor = 0x400;

Export user32(const char *name)
{
    return lookUp(GetModuleHandleW(L"user32.dll"), name);
}

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

int dpiOf(HWND hwnd)
{
    static const GetDpiForWindowCall getDpiForWindow = user32("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(hwnd))
            return int(dpi);
    }
    return screenDpi();
}

int systemDpi()
{
    static const GetDpiForSystemCall getDpiForSystem = user32("GetDpiForSystem");
    return getDpiForSystem ? int(getDpiForSystem()) : screenDpi();
}

RECT frameAround(SIZE client, DWORD style, int dpi)
{
    static const AdjustWindowRectExForDpiCall adjust = user32("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (adjust)
        adjust(&rect, style, FALSE, 0, UINT(dpi));
    else
        AdjustWindowRectEx(&rect, style, FALSE, 0);
    return rect;
}

HMONITOR monitorToOpenOn(const STARTUPINFOW &startup, HMONITOR fallback)
{
    if (!(startup.dwFlags & UseMonitor))
        return fallback;
    // The handle comes in place of standard output's.
    const auto named = reinterpret_cast<HMONITOR>(startup.hStdOutput);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    return GetMonitorInfoW(named, &info) ? named : fallback;
}

} // namespace platform::win32
