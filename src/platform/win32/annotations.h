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
    // With the system's services when services is null; with none at all
    // where COM is not running, and then nothing is set.
    explicit Annotations(IAccPropServices *services = nullptr);
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

// Names each text box by the caption that names it, or by its own accessible
// name: the captions stand behind the controls in the window's order, so the
// system would not find them as labels.
void nameControls(const FormWindow &window, Annotations &annotations);

} // namespace platform::win32
