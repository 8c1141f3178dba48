// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "annotations.h"
#include "handles.h"

#include <windows.h>

#include <oleacc.h>
#include <uiautomationcore.h>

#include <string>

namespace platform::win32 {

// The notification calls of UI Automation, which Windows has from Windows 10
// 1709 on; looked up at run time, so that the program still starts on
// Windows 7.
struct NotificationCalls {
    using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
    // The kind and processing are UI Automation's NotificationKind and
    // NotificationProcessing.
    using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, int kind,
                                                     int processing, BSTR text, BSTR activity);

    // The system's, or none where it lacks either.
    static NotificationCalls system();

    HostProviderFromHwnd hostProviderFromHwnd = nullptr;
    RaiseNotificationEvent raiseNotificationEvent = nullptr;
};

// Tells a screen reader short news, such as a new count, without moving the
// focus: as a UI Automation notification where Windows has them, else through
// a polite live region, a static control that only screen readers find: it
// paints nothing of its own, only what the window shows behind it.
class Announcer
{
public:
    explicit Announcer(HWND window, const NotificationCalls &calls = NotificationCalls::system());
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    void announce(const std::wstring &message);
    // Null when the news goes out as notifications.
    HWND liveRegion() const { return m_liveRegion.get(); }

private:
    static LRESULT CALLBACK liveRegionProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR announcer);

    NotificationCalls m_calls;
    ComPtr<IRawElementProviderSimple> m_provider;
    // A child of the window: it goes with this, or with the window first.
    Window m_liveRegion;
    Annotations m_annotations;
};

} // namespace platform::win32
