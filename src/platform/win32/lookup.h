// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <type_traits>

namespace platform::win32 {

// What a module exports under a name, as the pointer to the function it is
// assigned to; null where there is no module or it lacks the function, as an
// older Windows does.
class Export
{
public:
    explicit Export(FARPROC address)
        : m_address(address)
    {}
    template <typename Call>
    requires std::is_function_v<std::remove_pointer_t<Call>>
    operator Call() const
    {
        return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(m_address));
    }

private:
    FARPROC m_address;
};

// The one look-up of a function at run time, for the calls that a Windows 7
// may lack and for the DLLs loaded only when they are needed.
inline Export lookUp(HMODULE module, const char *name)
{
    return Export(module ? GetProcAddress(module, name) : nullptr);
}

} // namespace platform::win32
