// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handles.h"

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <utility>
#include <vector>

namespace platform::win32 {

class FormWindow;

// Properties that the system's own accessible objects of standard controls
// report in place of their defaults, set through IAccPropServices and cleared
// again when this goes.
class Annotations
{
public:
    // Where COM is not running there are no services, and nothing is set.
    Annotations();
    ~Annotations();
    Annotations(const Annotations &) = delete;
    Annotations &operator=(const Annotations &) = delete;

    void setName(HWND control, const std::wstring &name);
    // Polite: a screen reader tells a change of the text when it is free.
    void setPoliteLiveRegion(HWND control);

private:
    ComPtr<IAccPropServices> m_services;
    std::vector<std::pair<HWND, MSAAPROPID>> m_set;
};

// The names of the text boxes: the caption that names one, or its own
// accessible name. The captions stand behind the controls in the window's
// order, where the system's proxies would not find them as labels.
std::vector<std::pair<HWND, std::wstring>> accessibleNames(const FormWindow &window);
void nameControls(const FormWindow &window, Annotations &annotations);

} // namespace platform::win32
