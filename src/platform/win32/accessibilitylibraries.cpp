// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibilitylibraries.h"

#include "lookup.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace platform::win32 {

namespace {

// {B5F8350B-0548-48B1-A6EE-88BD00B4A5E7} and {6E26E776-04F0-495D-80E4-3330352E3169}:
// not from an import library, which holds no GUIDs for x86_64.
constexpr CLSID AccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID AccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

// From the system directory only, never from beside the program or the
// working folder, where anyone could plant a DLL of the same name.
Library loadSystemLibrary(const wchar_t *name)
{
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return Library(module);
    // A Windows 7 without update KB2533623 knows no such flag: the full path.
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return {};
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, UINT(std::size(path)));
    const std::size_t nameLength = std::wcslen(name);
    if (length == 0 || length + 1 + nameLength >= std::size(path))
        return {};
    path[length] = L'\\';
    std::copy_n(name, nameLength + 1, path + length + 1);
    return Library(LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

} // namespace

const AccessibilityLibraries *AccessibilityLibraries::load()
{
    static const AccessibilityLibraries libraries;
    return libraries.m_complete ? &libraries : nullptr;
}

AccessibilityLibraries::AccessibilityLibraries()
    : m_ole32(loadSystemLibrary(L"ole32.dll"))
    , m_oleaut32(loadSystemLibrary(L"oleaut32.dll"))
    , m_oleacc(loadSystemLibrary(L"oleacc.dll"))
{
    const decltype(&CoInitializeEx) coInitializeEx = lookUp(m_ole32.get(), "CoInitializeEx");
    m_coUninitialize = lookUp(m_ole32.get(), "CoUninitialize");
    coCreateInstance = lookUp(m_ole32.get(), "CoCreateInstance");
    sysAllocString = lookUp(m_oleaut32.get(), "SysAllocString");
    sysAllocStringLen = lookUp(m_oleaut32.get(), "SysAllocStringLen");
    sysFreeString = lookUp(m_oleaut32.get(), "SysFreeString");
    lresultFromObject = lookUp(m_oleacc.get(), "LresultFromObject");
    accessibleObjectFromWindow = lookUp(m_oleacc.get(), "AccessibleObjectFromWindow");
    if (!coInitializeEx || !m_coUninitialize || !coCreateInstance || !sysAllocString
        || !sysAllocStringLen || !sysFreeString || !lresultFromObject
        || !accessibleObjectFromWindow)
        return;
    switch (comAfter(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
    case Com::Ours:
        break;
    case Com::Others:
        m_coUninitialize = nullptr;
        break;
    case Com::None:
        return;
    }
    m_complete = true;
    // Where either notification call is missing, the live region serves.
    m_automation = loadSystemLibrary(L"uiautomationcore.dll");
    notifications.hostProviderFromHwnd = lookUp(m_automation.get(), "UiaHostProviderFromHwnd");
    notifications.raiseNotificationEvent = lookUp(m_automation.get(), "UiaRaiseNotificationEvent");
    if (!notifications)
        notifications = {};
}

AccessibilityLibraries::~AccessibilityLibraries()
{
    if (m_complete && m_coUninitialize)
        m_coUninitialize();
}

AccessibilityLibraries::Com AccessibilityLibraries::comAfter(HRESULT initialized)
{
    // S_FALSE: already ours on this thread, to end once more.
    if (initialized == S_OK || initialized == S_FALSE)
        return Com::Ours;
    // A shell extension or input method made the thread multithreaded.
    return initialized == RPC_E_CHANGED_MODE ? Com::Others : Com::None;
}

ComPtr<IAccPropServices> AccessibilityLibraries::propertyServices() const
{
    ComPtr<IAccPropServices> services;
    coCreateInstance(AccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, AccPropServicesInterface,
                     reinterpret_cast<void **>(services.put()));
    return services;
}

} // namespace platform::win32
