// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/announcer.h"
#include "platform/win32/lookup.h"
#include "platform/win32/text.h"
#include "windowfixture.h"

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

using platform::win32::AccessibilityLibraries;
using platform::win32::ComPtr;
using platform::win32::NotificationCalls;
using Texts = std::vector<std::wstring>;

namespace {

struct WinEvent {
    DWORD event;
    HWND hwnd;
    LONG child;
};
std::vector<WinEvent> winEvents;
Texts notified;

void CALLBACK recordWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                             DWORD)
{
    if (object == OBJID_CLIENT)
        winEvents.push_back({event, hwnd, child});
}

HRESULT WINAPI recordNotification(IRawElementProviderSimple *provider, int, int, BSTR text, BSTR)
{
    notified.emplace_back(provider ? text : L"(no provider)");
    return S_OK;
}

// News through the live region, on any system.
const NotificationCalls LiveRegion{};

// A test that needs them stops there, failed, where they are missing.
const AccessibilityLibraries &libraries()
{
    if (const AccessibilityLibraries *loaded = AccessibilityLibraries::load())
        return *loaded;
    throw std::runtime_error("the accessibility libraries did not load");
}

HRESULT WINAPI noProvider(HWND, IRawElementProviderSimple **provider)
{
    *provider = nullptr;
    return E_FAIL;
}

// During a window's teardown each child asks for accessibility as it goes;
// every window made meanwhile is counted.
HWND closingWindow = nullptr;
int created = 0;
LRESULT CALLBACK askOnDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    const auto &call = *reinterpret_cast<const CWPSTRUCT *>(lParam);
    created += call.message == WM_CREATE;
    if (call.message == WM_DESTROY && GetParent(call.hwnd) == closingWindow)
        SendMessageW(call.hwnd, WM_GETOBJECT, 0, LPARAM(OBJID_CLIENT));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

VARIANT childId(long id)
{
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR *);
std::wstring read(IAccessible *accessible, TextProperty property, long id = CHILDID_SELF)
{
    BSTR text = nullptr;
    (accessible->*property)(childId(id), &text);
    std::wstring result = text ? text : L"";
    SysFreeString(text);
    return result;
}

long stateOf(IAccessible *accessible, long id = CHILDID_SELF)
{
    VARIANT state{};
    accessible->get_accState(childId(id), &state);
    return state.lVal;
}

// Records the properties set on it, where Wine's own only answers E_NOTIMPL.
struct RecordedProperties final : IAccPropServices {
    struct Set {
        HWND hwnd;
        DWORD object;
        DWORD child;
        MSAAPROPID property;
        VARTYPE type;
        LONG value;
        bool operator==(const Set &) const = default;
    };
    std::vector<Set> set;

    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                                          VARIANT value) override
    {
        set.push_back({hwnd, object, child, property, value.vt, value.lVal});
        return S_OK;
    }
    // Held on the stack, by a test that outlives its users.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int,
                                            IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND, DWORD, DWORD, MSAAPROPID, LPCWSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int,
                                                IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND, DWORD, DWORD, const MSAAPROPID *, int) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **,
                                                        DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *,
                                                          DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int,
                                                 IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *,
                                                           DWORD *) override
    {
        return E_NOTIMPL;
    }
};

} // namespace

// A shell extension or input method may have made the thread multithreaded
// before the first screen reader asks: COM is then not ours to start, but it
// serves all the same. Run in a process of its own, where nothing is loaded.
TEST(AccessibilityLibrariesDeathTest, aThreadAlreadyMultithreadedStillServesScreenReaders)
{
    EXPECT_EXIT(
        {
            CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            std::exit(AccessibilityLibraries::load() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(AccessibilityLibraries, onlyComThatServesCountsAsLoadedAndOnlyOursIsEnded)
{
    using enum AccessibilityLibraries::Com;
    for (const auto &[initialized, com] : {std::pair{S_OK, Ours},
                                           {S_FALSE, Ours},
                                           {RPC_E_CHANGED_MODE, Others},
                                           {E_OUTOFMEMORY, None}})
        EXPECT_EQ(AccessibilityLibraries::comAfter(initialized), com) << std::hex << initialized;
}

// A DLL of the same name as one of them waits beside the suite, which is also
// its working folder; the system's is the one loaded.
TEST(AccessibilityLibraries, areLoadedFromTheSystemDirectoryOnly)
{
    ASSERT_TRUE(AccessibilityLibraries::load());
    wchar_t system[MAX_PATH];
    wchar_t loaded[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    ASSERT_TRUE(GetModuleFileNameW(GetModuleHandleW(L"uiautomationcore.dll"), loaded, MAX_PATH));
    EXPECT_EQ(std::wstring(loaded).substr(0, length + 1), std::wstring(system) + L"\\")
        << platform::win32::narrow(loaded);
}

// The window as a screen reader sees it, with the window events it raises.
struct AccessibilityTest : WindowFixture {
    AccessibilityTest() { winEvents.clear(), notified.clear(); }
    ~AccessibilityTest() override { UnhookWinEvent(m_hook); }

    // Without the object a test cannot go on: it stops there, failed, where
    // a null object would crash it.
    static ComPtr<IAccessible> of(HWND hwnd)
    {
        ComPtr<IAccessible> accessible;
        const HRESULT result =
            AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                       reinterpret_cast<void **>(accessible.put()));
        if (result != S_OK || !accessible) {
            char text[64];
            std::snprintf(text, sizeof text, "AccessibleObjectFromWindow answered 0x%08lx",
                          ULONG(result));
            throw std::runtime_error(text);
        }
        return accessible;
    }
    // The events of one kind since the last look.
    std::vector<WinEvent> events(DWORD kind)
    {
        pump();
        std::vector<WinEvent> found;
        for (const WinEvent &event : std::exchange(winEvents, {}))
            if (event.event == kind)
                found.push_back(event);
        return found;
    }
    void launch() { click(handle("Command1", 0), {4, 4}); }
    // A launch, shot 1 fired after 80 ticks and scoring on the 96th of its
    // flight, and a clear: only the attempt and the hit are news.
    void expectEachCountHeard(const std::function<Texts()> &heard)
    {
        const struct {
            const char *step;
            std::function<void()> act;
            Texts said;
        } steps[] = {
            {"launch", [this] { launch(); }, {L"Опити: 1"}},
            {"80 ticks", [this] { tick(80); }, {}},
            {"fire", [this] { click(field(), shotPoint(0)); }, {}},
            {"95 ticks", [this] { tick(95); }, {}},
            {"the hit", [this] { tick(); }, {L"Попадения: 1"}},
            {"clear",
             [this] {
                 click(handle("Command1", 1), {4, 4});
             },
             {}},
        };
        for (const auto &step : steps) {
            step.act();
            EXPECT_EQ(heard(), step.said) << step.step;
        }
    }

    HWINEVENTHOOK m_hook =
        SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        &recordWinEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    // As the program's entry connects them.
    const platform::Connection m_news =
        form.announced.connect([this](const std::string &message) { window.announce(message); });
};

TEST_F(AccessibilityTest, fieldIsAGroupingOfTheTargetAndShotsWhereTheyAreDrawn)
{
    const ComPtr<IAccessible> accessible = of(field());
    long count = 0;
    ASSERT_EQ(accessible->get_accChildCount(&count), S_OK);
    ASSERT_EQ(count, 13);
    EXPECT_EQ(read(accessible.get(), &IAccessible::get_accName), L"Стрелбище");
    for (long id = 1; id <= count; ++id) {
        VARIANT role{};
        accessible->get_accRole(childId(id), &role);
        EXPECT_EQ(role.lVal, id == 1 ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_PUSHBUTTON) << id;
        EXPECT_EQ(read(accessible.get(), &IAccessible::get_accName, id),
                  id == 1 ? L"Паничка" : L"Изстрел " + std::to_wstring(id - 1));
        // The place reported is the place painted: the child's colour just
        // inside its corners, the field's green just outside.
        long left, top, width, height;
        ASSERT_EQ(accessible->accLocation(&left, &top, &width, &height, childId(id)), S_OK);
        POINT corners[] = {{left, top},
                           {left + width - 1, top + height - 1},
                           {left, top - 1},
                           {left + width, top + height - 1}};
        MapWindowPoints(HWND_DESKTOP, window.hwnd(), corners, 4);
        const COLORREF colour = id == 1 ? RGB(128, 128, 255) : RGB(192, 64, 0);
        const COLORREF expected[] = {colour, colour, RGB(0, 255, 0), RGB(0, 255, 0)};
        for (int corner = 0; corner < 4; ++corner)
            EXPECT_EQ(pixel(corners[corner]), expected[corner]) << id << " corner " << corner;
        VARIANT hit{};
        ASSERT_EQ(accessible->accHitTest(left + width - 1, top, &hit), S_OK);
        EXPECT_EQ(hit.lVal, id);
    }
    EXPECT_EQ(stateOf(accessible.get()), STATE_SYSTEM_FOCUSABLE);
    SetFocus(field());
    EXPECT_EQ(stateOf(accessible.get()), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
}

TEST_F(AccessibilityTest, aShotsDefaultActionFiresItAndTheOthersBecomeUnavailable)
{
    const ComPtr<IAccessible> accessible = of(field());
    launch();
    events(EVENT_OBJECT_STATECHANGE);
    ASSERT_EQ(accessible->accDoDefaultAction(childId(5)), S_OK);
    std::vector<LONG> changed;
    for (const WinEvent &event : events(EVENT_OBJECT_STATECHANGE))
        changed.push_back(event.hwnd == field() ? event.child : -1);
    EXPECT_EQ(changed, (std::vector<LONG>{2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(stateOf(accessible.get(), 5), 0);
    EXPECT_EQ(stateOf(accessible.get(), 6), STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(accessible->accDoDefaultAction(childId(6)), DISP_E_MEMBERNOTFOUND);
    EXPECT_TRUE(shot(3).enabled() && !shot(4).enabled());
}

TEST_F(AccessibilityTest, theFieldOfAWindowThatIsGoneAnswersDisconnected)
{
    // Closed, the windows go before the objects that show them; then those go.
    const ComPtr<IAccessible> closed = of(field());
    DestroyWindow(window.hwnd());
    LoadedForm other;
    auto gone = std::make_unique<platform::win32::FormWindow>(other.form());
    gone->show(SW_SHOWNOACTIVATE);
    const ComPtr<IAccessible> deleted = of(gone->field().hwnd());
    gone.reset();
    for (IAccessible *accessible : {closed.get(), deleted.get()}) {
        long count = 0;
        EXPECT_EQ(accessible->get_accChildCount(&count), RPC_E_DISCONNECTED);
        EXPECT_EQ(accessible->accDoDefaultAction(childId(2)), RPC_E_DISCONNECTED);
    }
}

TEST_F(AccessibilityTest, standardControlsAreNamedAsTheSystemsProxiesFindTheirLabels)
{
    launch();
    const struct {
        HWND hwnd;
        TextProperty property;
        const wchar_t *text;
    } controls[] = {{handle("Text1", 0), &IAccessible::get_accName, L"Упражнение"},
                    {handle("Text2", 0), &IAccessible::get_accName, L"Опити:"},
                    {handle("Text2", 1), &IAccessible::get_accName, L"Попадения:"},
                    {handle("Command1", 0), &IAccessible::get_accName, L"Паничка"},
                    {handle("Command1", 1), &IAccessible::get_accName, L"Чисти"},
                    {handle("Text2", 0), &IAccessible::get_accValue, L"1"}};
    for (const auto &control : controls)
        EXPECT_EQ(read(of(control.hwnd).get(), control.property), control.text);
    EXPECT_TRUE(stateOf(of(handle("Text2", 0)).get()) & STATE_SYSTEM_READONLY);
    // The exercise box's label is there for screen readers only.
    HWND exerciseLabel = GetWindow(handle("Text1", 0), GW_HWNDPREV);
    ASSERT_TRUE(exerciseLabel);
    EXPECT_TRUE(stateOf(of(exerciseLabel).get()) & STATE_SYSTEM_INVISIBLE);
    // Each caption stacks above the box it names, and the box's border
    // still shows where the two overlap.
    for (const int box : {0, 1}) {
        ASSERT_GT(form.form().find("Label1", box + 1)->rect().right(),
                  form.form().find("Text2", box)->rect().left);
        const RECT place = placeOf(handle("Text2", box));
        const COLORREF belowCaption = pixel({place.left, place.bottom - 2});
        EXPECT_EQ(pixel({place.left, place.top + 4}), belowCaption) << box;
    }
}

TEST_F(AccessibilityTest, untilAScreenReaderAsksNewsCostsNothingThenALiveRegionTellsIt)
{
    launch();
    EXPECT_TRUE(events(EVENT_OBJECT_LIVEREGIONCHANGED).empty());
    EXPECT_FALSE(GetWindow(handle("Text1", 0), GW_HWNDPREV)) << "the exercise's label, made early";
    click(handle("Command1", 1), {4, 4});
    // A screen reader asks for the window, as it does when the window comes
    // to the front.
    of(window.hwnd());
    HWND liveRegion = nullptr;
    expectEachCountHeard([&] {
        Texts texts;
        for (const WinEvent &event : events(EVENT_OBJECT_LIVEREGIONCHANGED))
            texts.push_back(textOf(liveRegion = event.hwnd));
        return texts;
    });
    // A control of the window's own, which paints nothing over its lavender.
    ASSERT_TRUE(IsChild(window.hwnd(), liveRegion));
    RECT place;
    GetWindowRect(liveRegion, &place);
    MapWindowPoints(HWND_DESKTOP, window.hwnd(), reinterpret_cast<POINT *>(&place), 1);
    EXPECT_EQ(pixel({place.left, place.top}), RGB(192, 192, 255));
}

// Not every screen reader asks the window first: it may ask the box with the
// focus, a button, the field, or what the mouse is over.
TEST_F(AccessibilityTest, aScreenReaderAskingAnyControlFirstHearsTheNews)
{
    for (const auto &[name, index] :
         {std::pair{"Text1", 0}, {"Command1", 0}, {"Picture1", -1}, {"Label1", 1}}) {
        SCOPED_TRACE(name);
        LoadedForm other;
        platform::win32::FormWindow started(other.form(), LiveRegion);
        started.show(SW_SHOWNOACTIVATE);
        const platform::Connection news =
            other.announced.connect([&](const std::string &message) { started.announce(message); });
        other.Command1_Click(0);
        EXPECT_TRUE(events(EVENT_OBJECT_LIVEREGIONCHANGED).empty());
        of(started.handleFor(*other.form().find(name, index)));
        other.Command1_Click(1);
        other.Command1_Click(0);
        const std::vector<WinEvent> heard = events(EVENT_OBJECT_LIVEREGIONCHANGED);
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(GetParent(heard.front().hwnd), started.hwnd());
    }
}

TEST_F(AccessibilityTest, aScreenReaderStartedLaterOrRunningAtStartUpHearsTheNews)
{
    const auto heard = [this] {
        std::vector<HWND> parents;
        for (const WinEvent &event : events(EVENT_OBJECT_LIVEREGIONCHANGED))
            parents.push_back(GetParent(event.hwnd));
        return parents;
    };
    SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, 0);
    SendMessageW(window.hwnd(), WM_SETTINGCHANGE, SPI_SETSCREENREADER, 0);
    launch();
    EXPECT_EQ(heard(), std::vector<HWND>{window.hwnd()});
    LoadedForm other;
    platform::win32::FormWindow started(other.form(), LiveRegion);
    started.show(SW_SHOWNOACTIVATE);
    SystemParametersInfoW(SPI_SETSCREENREADER, FALSE, nullptr, 0);
    const platform::Connection news =
        other.announced.connect([&](const std::string &message) { started.announce(message); });
    other.Command1_Click(0);
    EXPECT_EQ(heard(), std::vector<HWND>{started.hwnd()});
}

TEST_F(AccessibilityTest, theLiveRegionIsPoliteAlsoWhereNotificationsFail)
{
    // UI Automation's LiveSetting property and its Polite.
    constexpr GUID LiveSetting = {
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    for (const NotificationCalls &calls :
         {LiveRegion, NotificationCalls{&noProvider, &recordNotification}}) {
        RecordedProperties properties;
        platform::win32::Announcer announcer(window.hwnd());
        announcer.listen(libraries(), calls, ComPtr<IAccPropServices>(&properties));
        ASSERT_TRUE(announcer.liveRegion());
        EXPECT_EQ(properties.set, (std::vector<RecordedProperties::Set>{
                                      {announcer.liveRegion(), DWORD(OBJID_CLIENT), CHILDID_SELF,
                                       LiveSetting, VT_I4, 1}}));
    }
}

TEST_F(AccessibilityTest, withNotificationsEachCountIsOneNotificationWithoutALiveRegion)
{
    // Wine's own, where the system's library lacks the call that raises them.
    const NotificationCalls calls{platform::win32::lookUp(GetModuleHandleW(L"uiautomationcore.dll"),
                                                          "UiaHostProviderFromHwnd"),
                                  &recordNotification};
    ASSERT_TRUE(calls);
    platform::win32::Announcer notifying(window.hwnd());
    notifying.listen(libraries(), calls, {});
    const platform::Connection news =
        form.announced.connect([&](const std::string &message) { notifying.announce(message); });
    EXPECT_FALSE(notifying.liveRegion());
    expectEachCountHeard([] { return std::exchange(notified, {}); });

    // A window given them, once a screen reader asks.
    LoadedForm other;
    platform::win32::FormWindow started(other.form(), calls);
    const platform::Connection toStarted =
        other.announced.connect([&](const std::string &message) { started.announce(message); });
    of(started.hwnd());
    other.Command1_Click(0);
    EXPECT_EQ(notified, Texts{L"Опити: 1"});
    EXPECT_TRUE(events(EVENT_OBJECT_LIVEREGIONCHANGED).empty());
}

// A child may ask for accessibility while the window takes it down; nothing
// is woken or made then.
TEST_F(AccessibilityTest, aChildAskingDuringTheTeardownWakesNothing)
{
    LoadedForm other;
    auto started = std::make_unique<platform::win32::FormWindow>(other.form(), LiveRegion);
    started->show(SW_SHOWNOACTIVATE);
    closingWindow = started->hwnd();
    HHOOK asking = SetWindowsHookExW(WH_CALLWNDPROC, askOnDestroy, nullptr, GetCurrentThreadId());
    started.reset();
    UnhookWindowsHookEx(asking);
    EXPECT_EQ(created, 0);
}
