// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include "text.h"

#include <commctrl.h>

#include <utility>

namespace platform::win32 {

namespace {

// UI Automation's NotificationKind_Other and NotificationProcessing_All: every
// count is news of its own, and none replaces another.
constexpr int KindOther = 4;
constexpr int ProcessingAll = 2;
constexpr wchar_t Activity[] = L"clayrange.count";

// UI Automation's LiveSetting, which the system's proxies read from the
// annotations, and its Polite: a screen reader tells a change of the text
// when it is free.
constexpr GUID LiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG Polite = 1;

} // namespace

Announcer::Announcer(HWND window)
    : m_window(window)
{}

Announcer::~Announcer()
{
    if (m_properties && m_annotated) {
        MSAAPROPID property = LiveSettingProperty;
        m_properties->ClearHwndProps(m_annotated, DWORD(OBJID_CLIENT), CHILDID_SELF, &property, 1);
    }
}

void Announcer::listen(const AccessibilityLibraries &libraries,
                       const NotificationCalls &notifications, ComPtr<IAccPropServices> properties)
{
    if (m_libraries)
        return;
    m_libraries = &libraries;
    m_calls = notifications;
    if (m_calls && SUCCEEDED(m_calls.hostProviderFromHwnd(m_window, m_provider.put()))
        && m_provider)
        return;
    // Visible, or screen readers would pass it over, but one pixel in the
    // window's top left corner, where nothing else is, at the bottom of the
    // window's order and out of the tab order.
    m_liveRegion =
        Window(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                               0, 1, 1, m_window, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!m_liveRegion)
        return;
    SetWindowSubclass(m_liveRegion.get(), &Announcer::liveRegionProcedure, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    SetWindowPos(m_liveRegion.get(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_properties = properties ? std::move(properties) : libraries.propertyServices();
    VARIANT polite;
    polite.vt = VT_I4;
    polite.lVal = Polite;
    if (m_properties
        && SUCCEEDED(m_properties->SetHwndProp(m_liveRegion.get(), DWORD(OBJID_CLIENT),
                                               CHILDID_SELF, LiveSettingProperty, polite)))
        m_annotated = m_liveRegion.get();
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

void Announcer::announce(const std::string &message)
{
    if (m_provider) {
        const std::wstring shown = wide(message);
        BSTR text = m_libraries->sysAllocStringLen(shown.data(), UINT(shown.size()));
        BSTR activity = m_libraries->sysAllocString(Activity);
        m_calls.raiseNotificationEvent(m_provider.get(), KindOther, ProcessingAll, text, activity);
        m_libraries->sysFreeString(activity);
        m_libraries->sysFreeString(text);
    } else if (m_liveRegion) {
        SetWindowTextW(m_liveRegion.get(), wide(message).c_str());
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_liveRegion.get(), OBJID_CLIENT,
                       CHILDID_SELF);
    }
}

} // namespace platform::win32
