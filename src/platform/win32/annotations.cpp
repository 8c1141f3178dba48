// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "annotations.h"

#include "formwindow.h"
#include "text.h"

namespace platform::win32 {

namespace {

// {B5F8350B-0548-48B1-A6EE-88BD00B4A5E7}
constexpr CLSID AccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
// UI Automation's LiveSetting, which the system's proxies read from here.
constexpr GUID LiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG Polite = 1;

} // namespace

Annotations::Annotations()
{
    CoCreateInstance(AccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void **>(m_services.put()));
}

Annotations::~Annotations()
{
    for (auto &[control, property] : m_set)
        m_services->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, &property, 1);
}

void Annotations::setName(HWND control, const std::wstring &name)
{
    if (m_services
        && SUCCEEDED(m_services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF,
                                                PROPID_ACC_NAME, name.c_str())))
        m_set.emplace_back(control, PROPID_ACC_NAME);
}

void Annotations::setPoliteLiveRegion(HWND control)
{
    VARIANT polite;
    polite.vt = VT_I4;
    polite.lVal = Polite;
    if (m_services
        && SUCCEEDED(m_services->SetHwndProp(control, DWORD(OBJID_CLIENT), CHILDID_SELF,
                                             LiveSettingProperty, polite)))
        m_set.emplace_back(control, LiveSettingProperty);
}

std::vector<std::pair<HWND, std::wstring>> accessibleNames(const FormWindow &window)
{
    std::vector<std::pair<HWND, std::wstring>> names;
    const Form &form = window.form();
    for (const Control *control : form.controls()) {
        // The field answers for itself, and the buttons' captions name them.
        HWND hwnd = control->kind() == ControlKind::TextBox ? window.handleFor(*control) : nullptr;
        const Control *caption = form.captionOf(*control);
        std::wstring name = wide(caption ? caption->text() : control->properties().accessibleName);
        if (hwnd && !name.empty())
            names.emplace_back(hwnd, std::move(name));
    }
    return names;
}

void nameControls(const FormWindow &window, Annotations &annotations)
{
    for (const auto &[hwnd, name] : accessibleNames(window))
        annotations.setName(hwnd, name);
}

} // namespace platform::win32
