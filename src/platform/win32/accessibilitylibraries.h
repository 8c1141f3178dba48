// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handles.h"

#include <windows.h>

#include <oleacc.h>
#include <uiautomationcore.h>

namespace platform::win32 {

inline void freeLibrary(HMODULE module)
{
    FreeLibrary(module);
}
using Library = Owned<HMODULE, freeLibrary>;

// The notification calls of UI Automation, which Windows has from Windows 10
// 1709 on.
struct NotificationCalls {
    using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
    // The kind and processing are UI Automation's NotificationKind and
    // NotificationProcessing.
    using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, int kind,
                                                     int processing, BSTR text, BSTR activity);

    explicit operator bool() const { return hostProviderFromHwnd && raiseNotificationEvent; }

    HostProviderFromHwnd hostProviderFromHwnd = nullptr;
    RaiseNotificationEvent raiseNotificationEvent = nullptr;
};

// COM on the window's thread and the system DLLs that serve screen readers,
// none of which a start-up pays for: loaded from the system directory when a
// screen reader first asks, and kept for the rest of the process.
class AccessibilityLibraries
{
public:
    // Loads them on the first call, on the window's thread; null where the
    // system lacks one.
    static const AccessibilityLibraries *load();
    ~AccessibilityLibraries();
    AccessibilityLibraries(const AccessibilityLibraries &) = delete;
    AccessibilityLibraries &operator=(const AccessibilityLibraries &) = delete;

    // Where an object's properties are annotated, or none.
    ComPtr<IAccPropServices> propertyServices() const;

    // What CoInitializeEx's result leaves on the thread: COM of our own, to
    // end at exit; COM that another made, multithreaded, which serves too but
    // is not ours to end; or none to use.
    enum class Com { Ours, Others, None };
    static Com comAfter(HRESULT initialized);

    decltype(&CoCreateInstance) coCreateInstance = nullptr;
    decltype(&SysAllocString) sysAllocString = nullptr;
    decltype(&SysAllocStringLen) sysAllocStringLen = nullptr;
    decltype(&SysFreeString) sysFreeString = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&AccessibleObjectFromWindow) accessibleObjectFromWindow = nullptr;
    // None before Windows 10 1709.
    NotificationCalls notifications;

private:
    AccessibilityLibraries();

    Library m_ole32;
    Library m_oleaut32;
    Library m_oleacc;
    Library m_automation;
    decltype(&CoUninitialize) m_coUninitialize = nullptr;
    bool m_complete = false;
};

} // namespace platform::win32
