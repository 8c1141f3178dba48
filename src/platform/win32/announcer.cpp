// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <commctrl.h>

namespace platform::win32 {

namespace {

// UI Automation's NotificationKind_Other and NotificationProcessing_All: every
// count is news of its own, and none replaces another.
constexpr int KindOther = 4;
constexpr int ProcessingAll = 2;
constexpr wchar_t Activity[] = L"clayrange.count";

using String = Owned<BSTR, SysFreeString>;

template <typename Call> Call lookUp(HMODULE module, const char *name)
{
    return module
               ? reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
               : nullptr;
}

} // namespace

NotificationCalls NotificationCalls::system()
{
    // From the system directory only, never from beside the program; kept
    // loaded for the life of the process.
    static const HMODULE automation =
        LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    NotificationCalls calls;
    calls.raiseNotificationEvent =
        lookUp<RaiseNotificationEvent>(automation, "UiaRaiseNotificationEvent");
    if (calls.raiseNotificationEvent)
        calls.hostProviderFromHwnd =
            lookUp<HostProviderFromHwnd>(automation, "UiaHostProviderFromHwnd");
    if (!calls.hostProviderFromHwnd)
        calls.raiseNotificationEvent = nullptr;
    return calls;
}

Announcer::Announcer(HWND window, const NotificationCalls &calls)
    : m_calls(calls)
{
    if (m_calls.raiseNotificationEvent && m_calls.hostProviderFromHwnd
        && SUCCEEDED(m_calls.hostProviderFromHwnd(window, m_provider.put())) && m_provider)
        return;
    // Visible, or screen readers would pass it over, but one pixel in the
    // window's top left corner, where nothing else is, at the bottom of the
    // window's order and out of the tab order.
    m_liveRegion =
        Window(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                               0, 1, 1, window, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!m_liveRegion)
        return;
    SetWindowSubclass(m_liveRegion.get(), &Announcer::liveRegionProcedure, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    SetWindowPos(m_liveRegion.get(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_annotations.setPoliteLiveRegion(m_liveRegion.get());
}

LRESULT CALLBACK Announcer::liveRegionProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR announcer)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        // The text is for screen readers, which read it from the control; the
        // eye sees the window's background, which the window erases here.
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        HWND parent = GetParent(hwnd);
        POINT origin{0, 0};
        MapWindowPoints(hwnd, parent, &origin, 1);
        POINT previous;
        OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
        SendMessageW(parent, WM_ERASEBKGND, WPARAM(dc), 0);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &Announcer::liveRegionProcedure, 0);
        reinterpret_cast<Announcer *>(announcer)->m_liveRegion.release();
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Announcer::announce(const std::wstring &message)
{
    if (m_provider) {
        const String text(SysAllocStringLen(message.data(), UINT(message.size())));
        const String activity(SysAllocString(Activity));
        m_calls.raiseNotificationEvent(m_provider.get(), KindOther, ProcessingAll, text.get(),
                                       activity.get());
        return;
    }
    if (!m_liveRegion)
        return;
    SetWindowTextW(m_liveRegion.get(), message.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_liveRegion.get(), OBJID_CLIENT, CHILDID_SELF);
}

} // namespace platform::win32
