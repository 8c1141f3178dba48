// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessibilitylibraries.h"
#include "handles.h"

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace platform {
class Control;
}

namespace platform::win32 {

class FieldWindow;

// The field as a screen reader sees it: a grouping whose simple children, with
// child ids 1.. in the order of the field's children, are the target (a
// graphic) and the shots (push buttons), placed where they are drawn.
class FieldAccessible final : public IAccessible
{
public:
    // The answer to the field's WM_GETOBJECT, or 0 to leave it to the system.
    // The object, and the libraries it needs, come with the first call; it is
    // kept in holder for the life of the window.
    static LRESULT answer(ComPtr<FieldAccessible> &holder, FieldWindow &field, WPARAM wParam,
                          LPARAM lParam);
    // The field is going: every call from now on answers RPC_E_DISCONNECTED.
    void disconnect() { m_field = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *,
                                     EXCEPINFO *, UINT *) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    FieldAccessible(FieldWindow &field, const AccessibilityLibraries &libraries);
    ~FieldAccessible() = default;

    // The field while it is there, or null.
    FieldWindow *field() const;
    // The opening that every call naming a child shares: S_OK with the child's
    // id, 0 for the field itself; RPC_E_DISCONNECTED once the field is gone;
    // E_INVALIDARG for an id the field lacks.
    HRESULT resolve(const VARIANT &child, long &id) const;
    // A text that neither the field nor its children have.
    HRESULT noText(const VARIANT &child, BSTR *text) const;
    Control &child(long id) const;
    BSTR stringOf(const std::string &utf8) const;

    LONG m_references = 1;
    FieldWindow *m_field;
    const AccessibilityLibraries &m_libraries;
};

} // namespace platform::win32
