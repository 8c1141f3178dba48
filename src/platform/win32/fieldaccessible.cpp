// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldaccessible.h"

#include "fieldwindow.h"
#include "text.h"

#include <algorithm>
#include <iterator>

namespace platform::win32 {

namespace {

constexpr wchar_t PressAction[] = L"Натисни";

void setLong(VARIANT *variant, long value)
{
    variant->vt = VT_I4;
    variant->lVal = value;
}

HRESULT nothing(VARIANT *variant)
{
    variant->vt = VT_EMPTY;
    return S_FALSE;
}

} // namespace

LRESULT FieldAccessible::answer(ComPtr<FieldAccessible> &holder, FieldWindow &field, WPARAM wParam,
                                LPARAM lParam)
{
    if (DWORD(lParam) != DWORD(OBJID_CLIENT))
        return 0;
    const AccessibilityLibraries *libraries = AccessibilityLibraries::load();
    if (!libraries)
        return 0;
    if (!holder)
        holder = ComPtr<FieldAccessible>(new FieldAccessible(field, *libraries));
    return libraries->lresultFromObject(__uuidof(IAccessible), wParam, holder.get());
}

FieldAccessible::FieldAccessible(FieldWindow &field, const AccessibilityLibraries &libraries)
    : m_field(&field)
    , m_libraries(libraries)
{}

BSTR FieldAccessible::stringOf(const std::string &utf8) const
{
    const std::wstring text = wide(utf8);
    return m_libraries.sysAllocStringLen(text.data(), UINT(text.size()));
}

FieldWindow *FieldAccessible::field() const
{
    // The window may be gone before the object that drew it.
    return m_field && m_field->hwnd() ? m_field : nullptr;
}

HRESULT FieldAccessible::resolve(const VARIANT &child, long &id) const
{
    if (!field())
        return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > long(m_field->box().children().size()))
        return E_INVALIDARG;
    id = child.lVal;
    return S_OK;
}

HRESULT FieldAccessible::noText(const VARIANT &child, BSTR *text) const
{
    *text = nullptr;
    long id = 0;
    const HRESULT resolved = resolve(child, id);
    return resolved != S_OK ? resolved : S_FALSE;
}

Control &FieldAccessible::child(long id) const
{
    return *m_field->box().children()[std::size_t(id - 1)];
}

HRESULT FieldAccessible::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG FieldAccessible::AddRef()
{
    return ULONG(InterlockedIncrement(&m_references));
}

ULONG FieldAccessible::Release()
{
    const LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return ULONG(references);
}

HRESULT FieldAccessible::GetTypeInfoCount(UINT *count)
{
    if (!field())
        return RPC_E_DISCONNECTED;
    *count = 0;
    return S_OK;
}

HRESULT FieldAccessible::GetTypeInfo(UINT, LCID, ITypeInfo **info)
{
    *info = nullptr;
    return field() ? E_NOTIMPL : RPC_E_DISCONNECTED;
}

HRESULT FieldAccessible::GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *)
{
    return field() ? E_NOTIMPL : RPC_E_DISCONNECTED;
}

HRESULT FieldAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                UINT *)
{
    return field() ? E_NOTIMPL : RPC_E_DISCONNECTED;
}

HRESULT FieldAccessible::get_accParent(IDispatch **parent)
{
    *parent = nullptr;
    const FieldWindow *field = this->field();
    if (!field)
        return RPC_E_DISCONNECTED;
    return m_libraries.accessibleObjectFromWindow(
        field->hwnd(), DWORD(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void **>(parent));
}

HRESULT FieldAccessible::get_accChildCount(long *count)
{
    if (!field())
        return RPC_E_DISCONNECTED;
    *count = long(m_field->box().children().size());
    return S_OK;
}

HRESULT FieldAccessible::get_accChild(VARIANT child, IDispatch **object)
{
    *object = nullptr;
    long id = 0;
    const HRESULT resolved = resolve(child, id);
    // The target and the shots are simple elements, reached by child id.
    return resolved != S_OK ? resolved : id > 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT FieldAccessible::get_accName(VARIANT child, BSTR *name)
{
    *name = nullptr;
    long id = 0;
    if (const HRESULT resolved = resolve(child, id); resolved != S_OK)
        return resolved;
    const Control &named = id == CHILDID_SELF ? m_field->box() : this->child(id);
    *name = stringOf(named.properties().accessibleName);
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT FieldAccessible::get_accValue(VARIANT child, BSTR *value)
{
    *value = nullptr;
    long id = 0;
    const HRESULT resolved = resolve(child, id);
    return resolved != S_OK ? resolved : DISP_E_MEMBERNOTFOUND;
}

HRESULT FieldAccessible::get_accDescription(VARIANT child, BSTR *description)
{
    return noText(child, description);
}

HRESULT FieldAccessible::get_accRole(VARIANT child, VARIANT *role)
{
    role->vt = VT_EMPTY;
    long id = 0;
    if (const HRESULT resolved = resolve(child, id); resolved != S_OK)
        return resolved;
    if (id == CHILDID_SELF)
        setLong(role, ROLE_SYSTEM_GROUPING);
    else
        setLong(role, this->child(id).clickable() ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_GRAPHIC);
    return S_OK;
}

HRESULT FieldAccessible::get_accState(VARIANT child, VARIANT *state)
{
    state->vt = VT_EMPTY;
    long id = 0;
    if (const HRESULT resolved = resolve(child, id); resolved != S_OK)
        return resolved;
    long bits = IsWindowVisible(m_field->hwnd()) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (id == CHILDID_SELF) {
        bits |= STATE_SYSTEM_FOCUSABLE | (GetFocus() == m_field->hwnd() ? STATE_SYSTEM_FOCUSED : 0);
    } else {
        // A disabled shot looks the same as an enabled one; only this tells.
        const Control &control = this->child(id);
        bits |= control.enabled() ? 0 : STATE_SYSTEM_UNAVAILABLE;
        bits |= control.properties().visible ? 0 : STATE_SYSTEM_INVISIBLE;
    }
    setLong(state, bits);
    return S_OK;
}

HRESULT FieldAccessible::get_accHelp(VARIANT child, BSTR *help)
{
    return noText(child, help);
}

HRESULT FieldAccessible::get_accHelpTopic(BSTR *file, VARIANT, long *topic)
{
    *file = nullptr;
    *topic = 0;
    return field() ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT FieldAccessible::get_accKeyboardShortcut(VARIANT child, BSTR *shortcut)
{
    return noText(child, shortcut);
}

HRESULT FieldAccessible::get_accFocus(VARIANT *focus)
{
    focus->vt = VT_EMPTY;
    const FieldWindow *field = this->field();
    if (!field)
        return RPC_E_DISCONNECTED;
    // The shots never take the focus; only the field does.
    if (GetFocus() != field->hwnd())
        return S_FALSE;
    setLong(focus, CHILDID_SELF);
    return S_OK;
}

HRESULT FieldAccessible::get_accSelection(VARIANT *selection)
{
    if (!field()) {
        selection->vt = VT_EMPTY;
        return RPC_E_DISCONNECTED;
    }
    return nothing(selection);
}

HRESULT FieldAccessible::get_accDefaultAction(VARIANT child, BSTR *action)
{
    *action = nullptr;
    long id = 0;
    if (const HRESULT resolved = resolve(child, id); resolved != S_OK)
        return resolved;
    if (id == CHILDID_SELF || !this->child(id).takesClick())
        return S_FALSE;
    *action = m_libraries.sysAllocString(PressAction);
    return *action ? S_OK : E_OUTOFMEMORY;
}

HRESULT FieldAccessible::accSelect(long flags, VARIANT child)
{
    long id = 0;
    if (const HRESULT resolved = resolve(child, id); resolved != S_OK)
        return resolved;
    if (id != CHILDID_SELF || flags != SELFLAG_TAKEFOCUS)
        return DISP_E_MEMBERNOTFOUND;
    SetFocus(m_field->hwnd());
    return S_OK;
}

HRESULT FieldAccessible::accLocation(long *left, long *top, long *width, long *height,
                                     VARIANT child)
{
    *left = *top = *width = *height = 0;
    long id = 0;
    if (const HRESULT resolved = resolve(child, id); resolved != S_OK)
        return resolved;
    RECT place;
    GetClientRect(m_field->hwnd(), &place);
    // What is on screen, through the mapping that paints it: a shot at rest
    // shows only its upper part.
    if (id != CHILDID_SELF) {
        const RECT drawn = m_field->childRect(this->child(id));
        const RECT inner = m_field->innerRect();
        if (!IntersectRect(&place, &drawn, &inner))
            place = {};
    }
    MapWindowPoints(m_field->hwnd(), HWND_DESKTOP, reinterpret_cast<POINT *>(&place), 2);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT FieldAccessible::accNavigate(long direction, VARIANT start, VARIANT *end)
{
    end->vt = VT_EMPTY;
    long id = 0;
    if (const HRESULT resolved = resolve(start, id); resolved != S_OK)
        return resolved;
    const long count = long(m_field->box().children().size());
    long found = 0;
    if (id == CHILDID_SELF) {
        // The field's own siblings are the window object's to tell.
        if (direction == NAVDIR_FIRSTCHILD)
            found = 1;
        else if (direction == NAVDIR_LASTCHILD)
            found = count;
    } else if (direction == NAVDIR_NEXT && id < count) {
        found = id + 1;
    } else if (direction == NAVDIR_PREVIOUS && id > 1) {
        found = id - 1;
    }
    if (found == 0)
        return nothing(end);
    setLong(end, found);
    return S_OK;
}

HRESULT FieldAccessible::accHitTest(long x, long y, VARIANT *child)
{
    child->vt = VT_EMPTY;
    const FieldWindow *field = this->field();
    if (!field)
        return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ScreenToClient(field->hwnd(), &point);
    RECT client;
    GetClientRect(field->hwnd(), &client);
    if (!PtInRect(&client, point))
        return nothing(child);
    // The same topmost-first search that a click goes through.
    const Control *hit = field->childAt(point);
    const auto &children = field->box().children();
    const auto found = std::ranges::find(children, hit);
    setLong(child, found == children.end() ? CHILDID_SELF
                                           : long(std::distance(children.begin(), found)) + 1);
    return S_OK;
}

HRESULT FieldAccessible::accDoDefaultAction(VARIANT child)
{
    long id = 0;
    if (const HRESULT resolved = resolve(child, id); resolved != S_OK)
        return resolved;
    if (id == CHILDID_SELF || !this->child(id).takesClick())
        return DISP_E_MEMBERNOTFOUND;
    this->child(id).click();
    return S_OK;
}

HRESULT FieldAccessible::put_accName(VARIANT, BSTR)
{
    return field() ? E_NOTIMPL : RPC_E_DISCONNECTED;
}

HRESULT FieldAccessible::put_accValue(VARIANT, BSTR)
{
    return field() ? E_NOTIMPL : RPC_E_DISCONNECTED;
}

} // namespace platform::win32
