// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessibilitylibraries.h"
#include "fieldwindow.h"
#include "handles.h"
#include "pixelmapping.h"
#include "platform/model/form.h"
#include "windowprocedure.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform::win32 {

class Announcer;

// A start-up that could not go on, with what failed, for the message box.
class StartupError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The window that shows a Form with the native controls: a static control per
// caption, edit controls for the text boxes, push buttons painted in their
// colours and the field, each placed by the one twips-to-pixels mapping at the
// window's dpi, in the tab order of the description. Once it is shown, screen
// readers are served from the first moment one asks, or is known to be running.
class FormWindow final : private WindowProcedure
{
public:
    static constexpr wchar_t ClassName[] = L"ClayRangeForm";
    // Once per process, before the first window.
    static void registerClasses(HINSTANCE instance);

    // Created hidden, centred on the work area of the monitor it was started
    // on. News goes to screen readers the way the system offers, or through
    // notifications given here (none: the live region), the same on every
    // system.
    explicit FormWindow(Form &form, std::optional<NotificationCalls> notifications = {});
    ~FormWindow();

    HWND hwnd() const { return m_window.get(); }
    int dpi() const { return m_mapping.dpi(); }
    FieldWindow &field() const { return *m_field; }
    // The native control that shows a control, if it has one: nothing for
    // the timer, the hidden panel, or what is drawn inside the field.
    HWND handleFor(const Control &control) const;

    // Shows and paints the window, and from then on serves screen readers.
    // The field has its window from here on.
    void show(int showCommand);
    // The keyboard's dialog navigation: Tab, Shift+Tab, and Enter on a
    // focused button. True when the message was handled.
    bool handleDialogKey(MSG &message) const;
    // Tells a screen reader the news without moving the focus.
    void announce(const std::string &message);

private:
    // A control of the window, which destroys it along with itself.
    struct Child {
        Control *control;
        HWND hwnd;
        Brush background;
    };

    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void createControls();
    void addChild(Control &control);
    // Gives the field its own window, where the first frame painted it.
    void openField();
    // Where a control goes, in the window's client pixels: its own place, but
    // a caption gives up the side that the box it names covers.
    RECT placeOf(const Control &control) const;
    // A control at place, in the window's client pixels.
    HWND createControl(Control &control, int id, const RECT &place);
    void wakeAccessibility();
    // Gives each box named but without a caption a hidden one, for the
    // system's proxies to name it by.
    void labelForScreenReaders();
    // Has the child's first WM_GETOBJECT wake accessibility too.
    void listenForScreenReaders(HWND child);
    static LRESULT CALLBACK childProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self);
    // The client area's size at the current dpi, and whether the window has it.
    SIZE clientSize() const;
    bool fitsClient() const;
    // The frame that gives the client area its size, centred on the work
    // area of the monitor where a new window opens.
    RECT startFrame() const;
    void makeFont();
    // Sizes the frame for the client area at the current dpi.
    void fitFrame();
    // Font, sizes and places for a new dpi.
    void layout();
    void centreOnWorkArea();
    const Child *childFor(HWND hwnd) const;
    LRESULT colorStatic(HDC dc, HWND control);
    void drawButton(const DRAWITEMSTRUCT &item) const;

    Form &m_form;
    std::optional<NotificationCalls> m_notifications;
    PixelMapping m_mapping;
    Font m_font;
    Brush m_background;
    Brush m_textBackground;
    std::vector<Child> m_children;
    std::vector<const Control *> m_unlabelled;
    // Destroyed first, by the destructor, while the font and brushes that it
    // and its controls paint with and the objects below, which own windows
    // inside it, are all still there.
    Window m_window;
    std::unique_ptr<FieldWindow> m_field;
    std::unique_ptr<Announcer> m_announcer;
    HWND m_lastFocus = nullptr;
    std::vector<Connection> m_connections;
};

} // namespace platform::win32
