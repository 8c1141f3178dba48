// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwindow.h"
#include "messageloop.h"
#include "systemclock.h"
#include "text.h"
#include "ui/commandline.h"
#include "ui/rangeform.h"

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace platform::win32;

namespace {

constexpr wchar_t Title[] = L"clayrange";

constexpr std::string_view Tips = "Програмата е един файл: копирайте clayrange.exe и го "
                                  "стартирайте, без инсталиране.\n";

// An answer goes where whoever asked will read it: to a pipe or a file when
// standard output is one, as from a script or under Wine; else to the console
// the program was started from; else, from Explorer, to a message box.
void tell(const CommandLine::Answer &answer)
{
    HANDLE stream = GetStdHandle(answer.error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const DWORD type =
        stream && stream != INVALID_HANDLE_VALUE ? GetFileType(stream) : FILE_TYPE_UNKNOWN;
    DWORD written = 0;
    if (type == FILE_TYPE_PIPE || type == FILE_TYPE_DISK) {
        WriteFile(stream, answer.text.data(), DWORD(answer.text.size()), &written, nullptr);
        return;
    }
    const std::wstring text = wide(answer.text);
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        const bool shown =
            console != INVALID_HANDLE_VALUE
            && WriteConsoleW(console, text.data(), DWORD(text.size()), &written, nullptr);
        if (console != INVALID_HANDLE_VALUE)
            CloseHandle(console);
        FreeConsole();
        if (shown)
            return;
    }
    MessageBoxW(nullptr, text.c_str(), Title,
                MB_OK | (answer.error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

std::optional<int> answerArguments()
{
    // The runtime has split the command line already; asking the shell to do
    // it again would load its DLL, which costs every start-up.
    std::vector<std::string> texts;
    for (int i = 1; i < __argc; ++i)
        texts.push_back(narrow(__wargv[i]));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const auto answer = CommandLine::answer(views, CLAYRANGE_VERSION, Tips);
    if (!answer)
        return std::nullopt;
    tell(*answer);
    return answer->status;
}

int fail(const std::string &what)
{
    MessageBoxW(nullptr, wide("clayrange не може да започне: " + what).c_str(), Title,
                MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    if (const std::optional<int> status = answerArguments())
        return *status;
    try {
        FormWindow::registerClasses(instance);
        RangeForm form;
        form.Form_Load();
        FormWindow window(form.form());
        const SystemClock clock(form.controls().Timer1, window.hwnd());
        const platform::Connection news = form.announced.connect(
            [&window](const std::string &message) { window.announce(message); });
        window.show(showCommand);
        return runMessageLoop(window);
    } catch (const std::exception &error) {
        return fail(error.what());
    }
}
