// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessibilitylibraries.h"
#include "handles.h"

#include <windows.h>

#include <string>

namespace platform::win32 {

// Tells a screen reader short news, such as a new count, without moving the
// focus: as a UI Automation notification where Windows has them, else through
// a polite live region, a static control that only screen readers find: it
// paints nothing of its own, only what the window shows behind it. Until a
// screen reader listens, news costs nothing.
class Announcer
{
public:
    explicit Announcer(HWND window);
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    // A screen reader listens from now on: news goes out as notifications
    // where there are both calls and the window has a provider, else through
    // the live region, made now, whose politeness goes to properties, by
    // default the libraries' own.
    void listen(const AccessibilityLibraries &libraries, const NotificationCalls &notifications,
                ComPtr<IAccPropServices> properties = {});
    bool listening() const { return m_libraries != nullptr; }
    void announce(const std::string &message);
    // Null when the news goes out as notifications, or nobody listens.
    HWND liveRegion() const { return m_liveRegion.get(); }

private:
    static LRESULT CALLBACK liveRegionProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR announcer);

    HWND m_window;
    const AccessibilityLibraries *m_libraries = nullptr;
    NotificationCalls m_calls;
    ComPtr<IRawElementProviderSimple> m_provider;
    ComPtr<IAccPropServices> m_properties;
    HWND m_annotated = nullptr;
    // A child of the window: it goes with this, or with the window first.
    Window m_liveRegion;
};

} // namespace platform::win32
