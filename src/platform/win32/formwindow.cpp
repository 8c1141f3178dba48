// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwindow.h"

#include "announcer.h"
#include "colors.h"
#include "dpi.h"
#include "platform/model/placement.h"
#include "text.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace platform::win32 {

namespace {

constexpr DWORD FrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int FirstControlId = 100;
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

// Where a frame goes to be centred on a monitor's work area, for a window's
// outer rectangle and client area given in the same coordinates.
PixelPoint centredOn(HMONITOR monitor, const RECT &frame, const RECT &client)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT &work = info.rcWork;
    return centredFramePosition(
        {work.left, work.top, work.right - work.left, work.bottom - work.top},
        client.right - client.left, client.bottom - client.top,
        {client.left - frame.left, client.top - frame.top, frame.right - client.right,
         frame.bottom - client.bottom});
}

bool screenReaderRunning()
{
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

} // namespace

void FormWindow::registerClasses(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const auto icon = [instance](int size) {
        return static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    };
    if (!WindowProcedure::registerClass(instance, ClassName,
                                        LoadIconW(instance, MAKEINTRESOURCEW(1)),
                                        icon(GetSystemMetrics(SM_CXSMICON)))
        || !FieldWindow::registerClass(instance))
        throw StartupError("Не може да се регистрира класът на прозореца.");
}

FormWindow::FormWindow(Form &form, std::optional<NotificationCalls> notifications)
    : WindowProcedure(m_window)
    , m_form(form)
    , m_notifications(notifications)
    , m_mapping(systemDpi())
    , m_background(CreateSolidBrush(colorOf(form.properties().backColor)))
    , m_textBackground(CreateSolidBrush(White))
{
    // Everything is made at its size and place: each later move costs the
    // start-up messages, and an edit control lays its text out again.
    if (!create(ClassName, wide(form.properties().caption).c_str(), FrameStyle, 0, startFrame()))
        throw StartupError("Не може да се създаде прозорецът.");
    if (const int dpi = dpiOf(hwnd()); dpi != m_mapping.dpi() || !fitsClient()) {
        m_mapping = PixelMapping(dpi);
        fitFrame();
        centreOnWorkArea();
    }
    makeFont();
    createControls();
    m_announcer = std::make_unique<Announcer>(hwnd());
}

FormWindow::~FormWindow()
{
    // The windows go first, while all they paint with is there. A child may
    // ask to wake accessibility on its way out: it finds no announcer then,
    // and the announcer's live region goes with the others.
    const std::unique_ptr<Announcer> announcer = std::move(m_announcer);
    m_window.reset();
}

void FormWindow::createControls()
{
    // Tab goes through the controls in the order they were made, and that
    // order also stacks them, the first on top: the core's stacking order,
    // which starts with the tab stops in tab order. A screen reader names a
    // box by the nearest static made before it, so each caption comes just
    // before the box it names, and a box named but without a caption gets a
    // hidden one once a screen reader asks; statics are no tab stops, so Tab
    // passes them.
    const std::vector<Control *> order = m_form.stackingOrder();
    m_children.reserve(order.size());
    for (Control *control : order) {
        if (handleFor(*control))
            continue;
        if (control->kind() == ControlKind::TextBox) {
            Control *caption = m_form.captionOf(*control);
            if (caption && std::ranges::find(order, caption) != order.end())
                addChild(*caption);
            else if (!control->properties().accessibleName.empty())
                m_unlabelled.push_back(control);
        }
        addChild(*control);
    }
}

void FormWindow::labelForScreenReaders()
{
    // Made only now: each window costs a start-up about 2 ms under Wine, and
    // without a screen reader nobody reads these.
    for (const Control *box : std::exchange(m_unlabelled, {})) {
        HWND label = CreateWindowExW(0, L"STATIC", wide(box->properties().accessibleName).c_str(),
                                     WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd(), nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        // Just before the box in the window order, where the proxies look.
        HWND above = GetWindow(handleFor(*box), GW_HWNDPREV);
        SetWindowPos(label, above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void FormWindow::addChild(Control &control)
{
    const int id = FirstControlId + int(m_children.size());
    const RECT place = placeOf(control);
    if (control.kind() == ControlKind::PictureBox) {
        // Its window comes with show(), once the first frame is painted.
        m_field = std::make_unique<FieldWindow>(static_cast<PictureBox &>(control), hwnd(), id,
                                                place, m_mapping);
        m_children.push_back({&control, nullptr, {}});
        return;
    }
    HWND hwnd = createControl(control, id, place);
    if (!hwnd)
        throw StartupError("Не може да се създаде елемент на прозореца.");
    SendMessageW(hwnd, WM_SETFONT, WPARAM(m_font.get()), FALSE);
    // An edit control lays its text out once, in its own font.
    if (control.kind() == ControlKind::TextBox)
        SetWindowTextW(hwnd, wide(control.text()).c_str());
    Brush background;
    if (control.properties().backColor)
        background.reset(CreateSolidBrush(colorOf(*control.properties().backColor)));
    m_children.push_back({&control, hwnd, std::move(background)});
}

void FormWindow::listenForScreenReaders(HWND child)
{
    // A screen reader may first ask a control rather than the window: the
    // box with the focus, or whatever the mouse is over.
    SetWindowSubclass(child, &FormWindow::childProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK FormWindow::childProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self)
{
    if (message == WM_GETOBJECT)
        reinterpret_cast<FormWindow *>(self)->wakeAccessibility();
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, &FormWindow::childProcedure, 0);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

HWND FormWindow::createControl(Control &control, int id, const RECT &place)
{
    const ControlProperties &properties = control.properties();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto menu = reinterpret_cast<HMENU>(INT_PTR(id));
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    const int x = place.left;
    const int y = place.top;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    switch (control.kind()) {
    case ControlKind::Label: {
        const DWORD align = properties.alignment == Alignment::Center ? SS_CENTER : SS_LEFT;
        return CreateWindowExW(0, L"STATIC", wide(control.shownText()).c_str(),
                               child | align | SS_NOPREFIX, x, y, width, height, hwnd(), menu,
                               instance, nullptr);
    }
    case ControlKind::TextBox: {
        DWORD style = child | WS_TABSTOP | (properties.readOnly ? ES_READONLY : 0);
        if (properties.multiLine)
            style |=
                ES_MULTILINE | ES_AUTOVSCROLL | (properties.verticalScrollBar ? WS_VSCROLL : 0);
        else
            style |= ES_AUTOHSCROLL | (properties.alignment == Alignment::Center ? ES_CENTER : 0);
        // The texts keep their CR LF line ends, which is what an edit control
        // wants. The text comes once the font is set.
        HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, x, y, width, height,
                                    hwnd(), menu, instance, nullptr);
        m_connections.push_back(control.textChanged.connect([edit](const std::string &text) {
            // A counter's few digits are widened on the stack. A hit scored on
            // a tick allocates only while a screen reader listens: its
            // announcement widens the message, and a notification takes BSTRs.
            wchar_t shown[64];
            const int length = text.size() < std::size(shown)
                                   ? MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()),
                                                         shown, int(std::size(shown)) - 1)
                                   : 0;
            if (length > 0 || text.empty()) {
                shown[length] = L'\0';
                SetWindowTextW(edit, shown);
            } else {
                SetWindowTextW(edit, wide(text).c_str());
            }
        }));
        return edit;
    }
    case ControlKind::CommandButton:
        return CreateWindowExW(0, L"BUTTON", wide(control.text()).c_str(),
                               child | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW, x, y, width,
                               height, hwnd(), menu, instance, nullptr);
    case ControlKind::PictureBox:
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

SIZE FormWindow::clientSize() const
{
    const FormProperties &properties = m_form.properties();
    return {m_mapping.toPixels(properties.clientWidth),
            m_mapping.toPixels(properties.clientHeight)};
}

bool FormWindow::fitsClient() const
{
    const SIZE wanted = clientSize();
    RECT actual;
    GetClientRect(hwnd(), &actual);
    return actual.right == wanted.cx && actual.bottom == wanted.cy;
}

RECT FormWindow::startFrame() const
{
    const SIZE client = clientSize();
    const RECT frame = frameAround(client, FrameStyle, m_mapping.dpi());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const HMONITOR monitor =
        monitorToOpenOn(startup, MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    const PixelPoint position = centredOn(monitor, frame, {0, 0, client.cx, client.cy});
    return {position.x, position.y, position.x + frame.right - frame.left,
            position.y + frame.bottom - frame.top};
}

void FormWindow::makeFont()
{
    const FormProperties &properties = m_form.properties();
    const int fontHeight = -MulDiv(properties.fontPointSize, m_mapping.dpi(), 72);
    const std::wstring family =
        properties.fontFamilies.empty() ? L"" : wide(properties.fontFamilies.front());
    // Cyrillic, which every Windows has in Times New Roman.
    m_font.reset(CreateFontW(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_ROMAN, family.c_str()));
}

void FormWindow::fitFrame()
{
    const SIZE client = clientSize();
    const RECT frame = frameAround(client, FrameStyle, m_mapping.dpi());
    const SIZE outer{frame.right - frame.left, frame.bottom - frame.top};
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame the system draws differs from the one computed, as
    // when the frame keeps the system dpi, the client area still gets its size.
    RECT actual;
    GetClientRect(hwnd(), &actual);
    if (actual.right != client.cx || actual.bottom != client.cy) {
        SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx + client.cx - actual.right,
                     outer.cy + client.cy - actual.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

RECT FormWindow::placeOf(const Control &control) const
{
    const RECT place = m_mapping.toPixels(control.rect());
    const Control *named = m_form.namedBy(control);
    if (!named)
        return place;
    // A caption stacks above the box it names, which overlaps a side of it:
    // the caption ends where the box begins, so that the box's border shows.
    // A window region would do it too, but costs each start-up a few ms
    // under Wine, in the regions' own calls and in showing the window.
    const RECT box = m_mapping.toPixels(named->rect());
    RECT shown;
    SubtractRect(&shown, &place, &box);
    return shown;
}

void FormWindow::layout()
{
    makeFont();
    fitFrame();
    for (const Child &child : m_children) {
        const RECT place = placeOf(*child.control);
        if (m_field && child.control == &m_field->box()) {
            m_field->place(place, m_mapping);
            continue;
        }
        SendMessageW(child.hwnd, WM_SETFONT, WPARAM(m_font.get()), FALSE);
        SetWindowPos(child.hwnd, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void FormWindow::centreOnWorkArea()
{
    RECT frame;
    RECT client;
    GetWindowRect(hwnd(), &frame);
    GetClientRect(hwnd(), &client);
    MapWindowPoints(hwnd(), HWND_DESKTOP, reinterpret_cast<POINT *>(&client), 2);
    const PixelPoint position =
        centredOn(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), frame, client);
    SetWindowPos(hwnd(), nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::show(int showCommand)
{
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
    openField();
    // Only once the window is painted, which this would delay by about 2 ms
    // under Wine: a screen reader that sees the window come up asks the
    // window itself first, and one that asks a control does so once it has
    // the focus, below.
    for (const Child &child : m_children)
        listenForScreenReaders(child.hwnd);
    if (screenReaderRunning())
        wakeAccessibility();
    if (const Control *first = m_form.initialFocus())
        SetFocus(handleFor(*first));
}

void FormWindow::openField()
{
    // The first frame shows the field as this window painted it. Its own
    // window, which the keyboard, the mouse and screen readers need, takes
    // those pixels over only now: each window made before the first frame
    // delays it, by some 4 ms under Wine. Nothing is lost meanwhile, since
    // no input is read before the message loop runs.
    if (!m_field || m_field->hwnd())
        return;
    const auto field = std::ranges::find_if(
        m_children, [this](const Child &child) { return child.control == &m_field->box(); });
    // Just below the control made before it, where the tab order has it.
    if (!m_field->open(field == m_children.begin() ? HWND_TOP : std::prev(field)->hwnd))
        throw StartupError("Не може да се създаде елемент на прозореца.");
    field->hwnd = m_field->hwnd();
}

bool FormWindow::handleDialogKey(MSG &message) const
{
    // Enter presses the focused button, as Space does; buttons painted by
    // their owner are never the dialog's default, which Enter would press.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        if (const Child *child = childFor(GetFocus());
            child && child->control->kind() == ControlKind::CommandButton) {
            child->control->click();
            return true;
        }
    }
    return IsDialogMessageW(hwnd(), &message) != FALSE;
}

void FormWindow::announce(const std::string &message)
{
    m_announcer->announce(message);
}

void FormWindow::wakeAccessibility()
{
    if (!m_announcer)
        return;
    labelForScreenReaders();
    if (m_announcer->listening())
        return;
    const AccessibilityLibraries *libraries = AccessibilityLibraries::load();
    if (!libraries)
        return;
    m_announcer->listen(*libraries, m_notifications.value_or(libraries->notifications));
}

const FormWindow::Child *FormWindow::childFor(HWND hwnd) const
{
    if (!hwnd)
        return nullptr;
    const auto found =
        std::ranges::find_if(m_children, [hwnd](const Child &child) { return child.hwnd == hwnd; });
    return found == m_children.end() ? nullptr : &*found;
}

HWND FormWindow::handleFor(const Control &control) const
{
    const auto found = std::ranges::find_if(
        m_children, [&control](const Child &child) { return child.control == &control; });
    return found == m_children.end() ? nullptr : found->hwnd;
}

LRESULT FormWindow::colorStatic(HDC dc, HWND control)
{
    const Child *child = childFor(control);
    SetTextColor(dc, Black);
    // Read-only edit controls ask here too; they keep a text box's white.
    if (!child || child->control->kind() != ControlKind::Label || !child->background) {
        SetBkColor(dc, White);
        return LRESULT(m_textBackground.get());
    }
    SetBkColor(dc, colorOf(*child->control->properties().backColor));
    return LRESULT(child->background.get());
}

void FormWindow::drawButton(const DRAWITEMSTRUCT &item) const
{
    const Child *child = childFor(item.hwndItem);
    if (!child)
        return;
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    FillRect(dc, &face,
             child->background ? child->background.get() : GetSysColorBrush(COLOR_BTNFACE));
    RECT text = face;
    if (pressed)
        OffsetRect(&text, 1, 1);
    const std::wstring caption = wide(child->control->text());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Black);
    const Selection font(dc, m_font.get());
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = face;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT FormWindow::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        if (m_field)
            m_field->paintOnParent(dc, paint.rcPaint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_background.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        return colorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (const Child *child = childFor(reinterpret_cast<HWND>(lParam)))
                child->control->click();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // The focus comes back to where it was when the window is active again.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(hwnd, focus))
                m_lastFocus = focus;
        } else if (m_lastFocus) {
            SetFocus(m_lastFocus);
            return 0;
        }
        break;
    case WM_NEXTDLGCTL:
        // Sent by a multi-line edit control that takes Tab itself, as the
        // dialog manager would handle it.
        if (LOWORD(lParam))
            SetFocus(reinterpret_cast<HWND>(wParam));
        else
            SetFocus(GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0));
        return 0;
    case WM_DPICHANGED: {
        m_mapping = PixelMapping(LOWORD(wParam));
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        layout();
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_GETOBJECT:
        // The system answers; a screen reader is there from now on.
        wakeAccessibility();
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETSCREENREADER && screenReaderRunning())
            wakeAccessibility();
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace platform::win32
