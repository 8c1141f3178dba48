// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/dpi.h"
#include "platform/win32/fieldwindow.h"
#include "platform/win32/messageloop.h"
#include "windowfixture.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

struct Place {
    const char *name;
    int index;
    RECT at96;
    RECT at144;
};

// Where each control stands, in client pixels, at 96 and at 144 dpi; each
// caption ends where the box it names begins.
constexpr Place Places[] = {
    {"Label1", 0, {72, 0, 377, 25}, {108, 0, 566, 38}},
    {"Picture1", -1, {40, 40, 401, 225}, {60, 60, 602, 338}},
    {"Command1", 0, {8, 232, 81, 257}, {12, 348, 122, 386}},
    {"Label1", 1, {96, 232, 152, 257}, {144, 348, 228, 386}},
    {"Text2", 0, {152, 232, 201, 259}, {228, 348, 302, 389}},
    {"Label1", 2, {216, 232, 304, 257}, {324, 348, 456, 386}},
    {"Text2", 1, {304, 232, 353, 259}, {456, 348, 530, 389}},
    {"Command1", 1, {368, 232, 441, 257}, {552, 348, 662, 386}},
    {"Text1", 0, {8, 264, 441, 417}, {12, 396, 662, 626}},
};

SIZE clientSize(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    return {client.right, client.bottom};
}

LOGFONTW fontOf(HWND hwnd)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// Each move or resize of a control, as WM_MOVE, and each font and text it is
// sent, while the window is made.
std::map<HWND, std::vector<UINT>> startupMessages;

LRESULT CALLBACK recordStartup(int code, WPARAM wParam, LPARAM lParam)
{
    const auto &call = *reinterpret_cast<const CWPSTRUCT *>(lParam);
    constexpr UINT Still = SWP_NOMOVE | SWP_NOSIZE;
    const bool moved =
        call.message == WM_WINDOWPOSCHANGED
        && (reinterpret_cast<const WINDOWPOS *>(call.lParam)->flags & Still) != Still;
    if (code == HC_ACTION && GetWindowLongW(call.hwnd, GWL_STYLE) & WS_CHILD
        && (moved || call.message == WM_SETFONT || call.message == WM_SETTEXT))
        startupMessages[call.hwnd].push_back(moved ? WM_MOVE : call.message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// A control moved after it is made, or an edit given its text before its
// font, is laid out twice, which every start-up pays for.
TEST(FormWindowStartup, eachControlIsMadeWhereItStandsAndGetsItsTextAfterItsFont)
{
    WindowFixture::SetUpTestSuite();
    WindowFixture::LoadedForm form;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &recordStartup, nullptr, GetCurrentThreadId());
    const platform::win32::FormWindow window(form.form());
    UnhookWindowsHookEx(hook);

    for (const auto &[hwnd, messages] : startupMessages)
        EXPECT_EQ(std::ranges::count(messages, UINT(WM_MOVE)), 0);
    for (const auto &[name, index] : {std::pair{"Text1", 0}, {"Text2", 0}, {"Text2", 1}}) {
        EXPECT_EQ(startupMessages[window.handleFor(*form.form().find(name, index))],
                  (std::vector<UINT>{WM_SETFONT, WM_SETTEXT}))
            << name << index;
    }
}

// What the screen shows where the field goes, when the field's window is
// made: its middle, and two pixels of the column where a focus rectangle
// runs at 96 dpi.
std::vector<COLORREF> fieldWhenMade;

LRESULT CALLBACK seeFieldMade(int code, WPARAM wParam, LPARAM lParam)
{
    if (code != HCBT_CREATEWND)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    const CREATESTRUCTW &made = *reinterpret_cast<CBT_CREATEWNDW *>(lParam)->lpcs;
    if (!IS_INTRESOURCE(made.lpszClass)
        && std::wstring_view(made.lpszClass) == platform::win32::FieldWindow::ClassName) {
        HDC dc = GetDC(made.hwndParent);
        const int middle = made.y + made.cy / 2;
        for (const POINT at : {POINT{made.x + made.cx / 2, middle}, POINT{made.x + 2, middle},
                               POINT{made.x + 2, middle + 1}})
            fieldWhenMade.push_back(GetPixel(dc, at.x, at.y));
        ReleaseDC(made.hwndParent, dc);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The field's window, made before the first frame, would delay it; made
// after it, it must find its picture already there, and leave it be.
TEST(FormWindowStartup, theFirstFrameShowsTheFieldThatItsWindowThenTakesOverUnpainted)
{
    WindowFixture::SetUpTestSuite();
    WindowFixture::LoadedForm form;
    platform::win32::FormWindow window(form.form());
    EXPECT_EQ(window.field().hwnd(), nullptr);
    HHOOK hook = SetWindowsHookExW(WH_CBT, &seeFieldMade, nullptr, GetCurrentThreadId());
    window.show(SW_SHOWNOACTIVATE);
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(fieldWhenMade, std::vector<COLORREF>(3, RGB(0x00, 0xff, 0x00)));
    RECT dirty;
    EXPECT_FALSE(GetUpdateRect(window.field().hwnd(), &dirty, FALSE));
}

TEST_F(WindowFixture, controlsStandWhereTheDescriptionPutsThemAtEachDpi)
{
    for (const int dpi : {96, 144}) {
        if (dpi != window.dpi()) {
            RECT frame;
            GetWindowRect(window.hwnd(), &frame);
            SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&frame));
        }
        SCOPED_TRACE(dpi);
        const SIZE client = clientSize(window.hwnd());
        EXPECT_EQ(client.cx, dpi == 96 ? 451 : 677);
        EXPECT_EQ(client.cy, dpi == 96 ? 424 : 636);
        for (const Place &place : Places) {
            SCOPED_TRACE(std::string(place.name) + "(" + std::to_string(place.index) + ")");
            EXPECT_EQ(placeOf(handle(place.name, place.index)),
                      dpi == 96 ? place.at96 : place.at144);
        }
        // Inside the field's border of two pixels at 96 dpi: a shot at rest
        // shows its upper five pixels.
        EXPECT_EQ(window.field().innerRect(),
                  (dpi == 96 ? RECT{2, 2, 359, 183} : RECT{3, 3, 539, 275}));
        EXPECT_EQ(window.field().childRect(shot(0)),
                  (dpi == 96 ? RECT{122, 178, 131, 187} : RECT{183, 267, 197, 281}));
        const LOGFONTW font = fontOf(handle("Text1", 0));
        EXPECT_EQ(font.lfHeight, dpi == 96 ? -16 : -24);
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
        EXPECT_STREQ(font.lfFaceName, L"Times New Roman");
    }
}

TEST_F(WindowFixture, windowIsFixedAndCentredWithTheHiddenPanelNotCreated)
{
    const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(textOf(window.hwnd()).substr(0, 22), L"www.clayrange.example ");
    EXPECT_EQ(textOf(handle("Label1", 0)), L"Физическо възпитание - спортна стрелба");

    RECT frame;
    RECT work;
    GetWindowRect(window.hwnd(), &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 2);

    EXPECT_EQ(handle("Text1", 1), nullptr);
}

// The shell names the monitor of a program started from a second screen's
// taskbar (STARTF_USEMONITOR) in place of standard output's handle.
TEST(FormWindowStartup, opensOnTheMonitorTheShellNamesElseTheFallback)
{
    const HANDLE screen = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    const HANDLE notAMonitor = reinterpret_cast<HANDLE>(0x7654);
    for (const auto &[flags, output, opensOn] :
         {std::tuple{DWORD(STARTF_USESHOWWINDOW | 0x400), screen, screen},
          {STARTF_USESHOWWINDOW, screen, nullptr},
          {0x400, notAMonitor, nullptr}}) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = flags;
        startup.hStdOutput = output;
        EXPECT_EQ(platform::win32::monitorToOpenOn(startup, nullptr), opensOn) << flags;
    }
}

TEST_F(WindowFixture, colorsAndStackingComeFromTheWindowsOwnPixels)
{
    const POINT fieldOrigin{placeOf(field()).left, placeOf(field()).top};
    const auto inField = [&](POINT at) {
        return POINT{fieldOrigin.x + at.x, fieldOrigin.y + at.y};
    };
    EXPECT_EQ(pixel({20, 20}), RGB(0xc0, 0xc0, 0xff));
    EXPECT_EQ(pixel({75, 10}), RGB(0xff, 0xc0, 0x80));
    EXPECT_EQ(pixel(inField({200, 100})), RGB(0x00, 0xff, 0x00));
    // The field's sunken edge, its two rings as the system draws them.
    EXPECT_EQ(pixel(inField({0, 100})), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(inField({1, 100})), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixel(inField({4, 30})), RGB(0x80, 0x80, 0xff));
    EXPECT_EQ(pixel(inField(shotPoint(4))), RGB(0xc0, 0x40, 0x00));
    EXPECT_EQ(pixel({12, 244}), RGB(0x00, 0xff, 0x00));
    EXPECT_EQ(pixel({372, 244}), RGB(0xff, 0x00, 0x00));
    EXPECT_EQ(pixel({160, 250}), RGB(0xff, 0xff, 0xff));
    // The counter covers the last column of the caption beside it.
    EXPECT_EQ(pixel({151, 252}), RGB(0xff, 0xc0, 0x80));
    EXPECT_NE(pixel({152, 252}), RGB(0xff, 0xc0, 0x80));

    // A shot crossing the target is on top, and takes the click there.
    form.controls().Label2.setLeft(1800);
    shot(0).setTop(400);
    const RECT crossing = window.field().childRect(shot(0));
    const POINT onBoth{crossing.left + 4, crossing.top + 4};
    EXPECT_EQ(pixel(inField(onBoth)), RGB(0xc0, 0x40, 0x00));
    click(field(), onBoth);
    EXPECT_EQ(form.range().state().ActiveShot, 0);
    // A disabled shot looks the same.
    ASSERT_FALSE(shot(4).enabled());
    EXPECT_EQ(pixel(inField(shotPoint(4))), RGB(0xc0, 0x40, 0x00));
}

TEST_F(WindowFixture, aTickRepaintsOnlyThePlacesLeftAndTakenAndLeavesNoTrace)
{
    UpdateWindow(field());
    form.Command1_Click(0);
    const RECT left = window.field().childRect(form.controls().Label2);
    tick(3);
    const RECT taken = window.field().childRect(form.controls().Label2);
    RECT dirty;
    GetUpdateRect(field(), &dirty, FALSE);
    RECT both;
    UnionRect(&both, &left, &taken);
    EXPECT_EQ(dirty, both);

    for (int i = 0; i < 30; ++i) {
        tick();
        UpdateWindow(field());
    }
    HDC dc = GetDC(field());
    EXPECT_EQ(GetPixel(dc, left.left + 1, left.top + 20), RGB(0x00, 0xff, 0x00));
    ReleaseDC(field(), dc);
}

TEST_F(WindowFixture, onlyTheButtonsAndTheEnabledShotsAnswerClicks)
{
    click(handle("Label1", 1), {10, 10});
    click(field(), {4, 30});   // the target
    click(field(), {200, 50}); // the field itself
    EXPECT_EQ(textOf(handle("Text2", 0)), L"0");
    EXPECT_EQ(form.range().state().ActiveShot, -1);

    click(handle("Command1", 0), {10, 10});
    EXPECT_EQ(textOf(handle("Text2", 0)), L"1");
    EXPECT_TRUE(form.controls().Timer1.enabled());

    click(field(), shotPoint(7));
    click(field(), shotPoint(2)); // disabled now
    EXPECT_EQ(form.range().state().ActiveShot, 7);

    click(handle("Command1", 1), {10, 10});
    EXPECT_EQ(textOf(handle("Text2", 0)), L"0");
    EXPECT_FALSE(form.controls().Timer1.enabled());
}

TEST_F(WindowFixture, aHitIsCountedOnItsExactTickAndAMissNever)
{
    // Fired at the launch, shot 0 is back at rest before the target reaches it.
    click(handle("Command1", 0), {10, 10});
    click(field(), shotPoint(0));
    tick(126);
    EXPECT_EQ(textOf(handle("Text2", 1)), L"0");
    EXPECT_EQ(form.range().state().ActiveShot, -1);

    // Fired after the 80th tick, it meets the target on the 96th of its flight.
    click(handle("Command1", 1), {10, 10});
    click(handle("Command1", 0), {10, 10});
    tick(80);
    click(field(), shotPoint(0));
    tick(95);
    EXPECT_EQ(textOf(handle("Text2", 1)), L"0");
    tick();
    EXPECT_EQ(textOf(handle("Text2", 1)), L"1");
}

TEST_F(WindowFixture, tabGoesThroughTheDescriptionsOrderAndClicksLeaveTheFocus)
{
    EXPECT_EQ(GetFocus(), handle("Text1", 0));
    const struct {
        const char *name;
        int index;
    } order[] = {{"Picture1", -1}, {"Command1", 0}, {"Command1", 1},
                 {"Text2", 0},     {"Text2", 1},    {"Text1", 0}};
    // The row where a focused button draws its focus rectangle.
    const RECT launch = placeOf(handle("Command1", 0));
    const auto focusRow = [&] {
        std::wstring row;
        for (int x = launch.left + 3; x < launch.left + 33; ++x)
            row += pixel({x, launch.top + 3}) == RGB(0, 255, 0) ? L'-' : L'x';
        return row;
    };
    const std::wstring unfocused = focusRow();
    for (const auto &stop : order) {
        key(VK_TAB);
        EXPECT_EQ(GetFocus(), handle(stop.name, stop.index)) << stop.name << stop.index;
        if (GetFocus() == handle("Command1", 0)) {
            EXPECT_NE(focusRow(), unfocused);
        }
    }
    click(field(), shotPoint(3));
    EXPECT_EQ(GetFocus(), handle("Text1", 0));

    // Space and Enter press the focused button.
    SetFocus(handle("Command1", 0));
    key(VK_SPACE);
    EXPECT_EQ(textOf(handle("Text2", 0)), L"1");
    SetFocus(handle("Command1", 1));
    key(VK_RETURN);
    EXPECT_EQ(textOf(handle("Text2", 0)), L"0");
}

TEST_F(WindowFixture, aPressDraggedOffAShotFiresNothingAsAButtonsWould)
{
    // Where the press on shot 3 is released, in the field's client pixels.
    const struct {
        const char *where;
        POINT release;
        int fired;
    } releases[] = {
        {"on another enabled shot", shotPoint(5), -1},
        {"on the pixel row above it", {shotPoint(3).x, shotPoint(3).y - 3}, -1},
        {"on the shot pressed", shotPoint(3), 3},
    };
    for (const auto &release : releases) {
        SCOPED_TRACE(release.where);
        SendMessageW(field(), WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(shotPoint(3).x, shotPoint(3).y));
        EXPECT_EQ(form.range().state().ActiveShot, -1);
        const LPARAM at = MAKELPARAM(release.release.x, release.release.y);
        SendMessageW(field(), WM_MOUSEMOVE, MK_LBUTTON, at);
        SendMessageW(field(), WM_LBUTTONUP, 0, at);
        pump();
        EXPECT_EQ(form.range().state().ActiveShot, release.fired);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(WindowFixture, theFieldRepaintsWhenItGainsAndLosesTheFocus)
{
    RECT client;
    GetClientRect(field(), &client);
    for (HWND to : {field(), handle("Text1", 0)}) {
        ValidateRect(field(), nullptr);
        SetFocus(to);
        RECT dirty{};
        GetUpdateRect(field(), &dirty, FALSE);
        EXPECT_EQ(dirty, client) << (to == field() ? "gained" : "lost");
    }
}

TEST_F(WindowFixture, aDpiChangeMovesTheWindowWhereTheSystemSuggests)
{
    RECT frame;
    GetWindowRect(window.hwnd(), &frame);
    // Another monitor's place, as a drag across its edge would suggest.
    RECT suggested = frame;
    OffsetRect(&suggested, 37 - frame.left, 21 - frame.top);
    SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
    GetWindowRect(window.hwnd(), &frame);
    EXPECT_EQ(frame.left, 37);
    EXPECT_EQ(frame.top, 21);
}

// The program's own loop, not the fixture's pump, is what a pupil's keys meet.
TEST_F(WindowFixture, theProgramsLoopTabsAndPressesTheFocusedButtonOnEnter)
{
    SetFocus(handle("Command1", 0));
    const auto press = [](WPARAM key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, LPARAM(0xC0000001));
    };
    press(VK_RETURN);
    press(VK_TAB);
    PostQuitMessage(7);
    EXPECT_EQ(platform::win32::runMessageLoop(window), 7);
    EXPECT_EQ(textOf(handle("Text2", 0)), L"1");
    EXPECT_EQ(GetFocus(), handle("Command1", 1));
}
