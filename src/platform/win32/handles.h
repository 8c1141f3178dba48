// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <utility>

namespace platform::win32 {

// Owns one handle and frees it with Free when it goes, so that no GDI object or
// window outlives the window that made it, whatever path the code leaves by.
template <typename Handle, auto Free> class Owned
{
public:
    Owned() = default;
    explicit Owned(Handle handle)
        : m_handle(handle)
    {}
    Owned(Owned &&other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr))
    {}
    Owned &operator=(Owned &&other) noexcept
    {
        reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    Owned(const Owned &) = delete;
    Owned &operator=(const Owned &) = delete;
    ~Owned() { reset(); }

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    // For a handle that something else has freed already.
    void release() { m_handle = nullptr; }
    void reset(Handle handle = nullptr)
    {
        if (m_handle)
            Free(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

inline void freeGdiObject(HGDIOBJ object)
{
    DeleteObject(object);
}
inline void freeDc(HDC dc)
{
    DeleteDC(dc);
}
inline void freeWindow(HWND window)
{
    // The program's own windows reach their object through GWLP_USERDATA; that
    // object is going, so no message of the teardown may reach it.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

using Font = Owned<HFONT, freeGdiObject>;
using Brush = Owned<HBRUSH, freeGdiObject>;
using Bitmap = Owned<HBITMAP, freeGdiObject>;
using MemoryDc = Owned<HDC, freeDc>;
using Window = Owned<HWND, freeWindow>;

// Selects an object into a device context for one scope.
class Selection
{
public:
    Selection(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_previous(SelectObject(dc, object))
    {}
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;
    ~Selection() { SelectObject(m_dc, m_previous); }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A COM interface pointer that releases what it holds.
template <typename Interface> class ComPtr
{
public:
    ComPtr() = default;
    // Takes over a reference already counted for it, as a new object's first.
    explicit ComPtr(Interface *adopted)
        : m_pointer(adopted)
    {}
    ComPtr(ComPtr &&other) noexcept
        : m_pointer(std::exchange(other.m_pointer, nullptr))
    {}
    ComPtr &operator=(ComPtr &&other) noexcept
    {
        std::swap(m_pointer, other.m_pointer);
        return *this;
    }
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;
    ~ComPtr()
    {
        if (m_pointer)
            m_pointer->Release();
    }

    Interface *get() const { return m_pointer; }
    Interface *operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // For the functions that hand out a pointer through an out parameter.
    Interface **put()
    {
        if (m_pointer)
            m_pointer->Release();
        m_pointer = nullptr;
        return &m_pointer;
    }

private:
    Interface *m_pointer = nullptr;
};

} // namespace platform::win32
