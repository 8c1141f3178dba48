// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into copies of the program and of the bare window for the Windows
// benchmark: once the first frame is painted it prints the moments it saw and
// the peak working set, then quits. CLAYRANGE_PROBE=stay keeps the window open
// and CLAYRANGE_PROBE=press also presses the button captioned "Паничка".

#include "platform/win32/handles.h"

#include <windows.h>

#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using Hook = platform::win32::Owned<HHOOK, UnhookWindowsHookEx>;

// Under Wine the performance counter is CLOCK_MONOTONIC_RAW in 100 ns, which
// the harness reads on the Linux side before it starts wine.
std::int64_t nowNs()
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return now.QuadPart / frequency.QuadPart * 1'000'000'000
           + now.QuadPart % frequency.QuadPart * 1'000'000'000 / frequency.QuadPart;
}

void say(const char *line)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, DWORD(std::char_traits<char>::length(line)),
              &written, nullptr);
}

BOOL CALLBACK pressIfLaunch(HWND child, LPARAM)
{
    wchar_t caption[16];
    if (GetWindowTextW(child, caption, 16) && std::wstring_view(caption) == L"Паничка") {
        SendMessageW(child, BM_CLICK, 0, 0);
        return FALSE;
    }
    return TRUE;
}

// Sees the end of every sent WM_PAINT from the first one of a top-level window
// on, and takes the frame as done when the thread has no more to paint: a
// thread timer's WM_TIMER only comes once no window of the thread needs it.
class FirstFrameProbe
{
public:
    FirstFrameProbe()
        : m_init(nowNs())
        , m_afterCall(
              SetWindowsHookExW(WH_CALLWNDPROCRET, &afterCall, nullptr, GetCurrentThreadId()))
        , m_cbt(SetWindowsHookExW(WH_CBT, &onCbt, nullptr, GetCurrentThreadId()))
    {
        wchar_t mode[16] = L"";
        GetEnvironmentVariableW(L"CLAYRANGE_PROBE", mode, 16);
        m_mode = mode;
    }

private:
    static FirstFrameProbe &self();
    static LRESULT CALLBACK afterCall(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK settled(HWND, UINT, UINT_PTR id, DWORD);

    std::int64_t m_init;
    std::int64_t m_window = 0;
    std::int64_t m_lastPaint = 0;
    int m_paints = 0;
    bool m_reported = false;
    HWND m_root = nullptr;
    std::wstring m_mode;
    Hook m_afterCall;
    Hook m_cbt;
};

FirstFrameProbe probe;

FirstFrameProbe &FirstFrameProbe::self()
{
    return probe;
}

LRESULT CALLBACK FirstFrameProbe::onCbt(int code, WPARAM wParam, LPARAM lParam)
{
    FirstFrameProbe &probe = self();
    if (code == HCBT_CREATEWND && !probe.m_window) {
        const CREATESTRUCTW &create = *reinterpret_cast<CBT_CREATEWNDW *>(lParam)->lpcs;
        if (!create.hwndParent && (create.style & WS_CAPTION) == WS_CAPTION)
            probe.m_window = nowNs();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK FirstFrameProbe::afterCall(int code, WPARAM wParam, LPARAM lParam)
{
    FirstFrameProbe &probe = self();
    const auto &call = *reinterpret_cast<const CWPRETSTRUCT *>(lParam);
    if (code == HC_ACTION && call.message == WM_PAINT && !probe.m_reported) {
        if (!probe.m_root && GetAncestor(call.hwnd, GA_ROOT) == call.hwnd) {
            probe.m_root = call.hwnd;
            SetTimer(nullptr, 0, 0, &settled);
        }
        if (probe.m_root) {
            probe.m_lastPaint = nowNs();
            ++probe.m_paints;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK FirstFrameProbe::settled(HWND, UINT, UINT_PTR id, DWORD)
{
    FirstFrameProbe &probe = self();
    KillTimer(nullptr, id);
    probe.m_reported = true;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    char line[160];
    std::snprintf(line, sizeof line, "init %lld window %lld frame %lld paints %d peak %lu\n",
                  static_cast<long long>(probe.m_init), static_cast<long long>(probe.m_window),
                  static_cast<long long>(probe.m_lastPaint), probe.m_paints,
                  static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    say(line);
    if (probe.m_mode.empty()) {
        // Closed as a user closes it, so that each program tears its windows
        // down itself, rather than leaving them to the system while the next
        // run starts.
        PostMessageW(probe.m_root, WM_CLOSE, 0, 0);
        return;
    }
    // From here on the program runs as it would without the probe.
    probe.m_afterCall.reset();
    probe.m_cbt.reset();
    if (probe.m_mode == L"press") {
        EnumChildWindows(probe.m_root, &pressIfLaunch, 0);
        std::snprintf(line, sizeof line, "pressed %lld\n", static_cast<long long>(nowNs()));
        say(line);
    }
}

} // namespace
