// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/formwindow.h"
#include "platform/qt/startupcheck.h"
#include "platform/qt/timerclock.h"
#include "ui/commandline.h"
#include "ui/rangeform.h"
#include "ui/startup.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view Tips =
    "По-голям прозорец, например за проектор:  QT_SCALE_FACTOR=2 clayrange\n"
    "Без графична среда (пакетът xvfb):        xvfb-run clayrange\n";

// The program takes no arguments but --help and --version: anything else is
// a mistake worth naming, rather than something to pass on to Qt.
std::optional<int> answerArguments(int argc, char *argv[])
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto answer = CommandLine::answer(arguments, CLAYRANGE_VERSION, Tips);
    if (!answer)
        return std::nullopt;
    std::fputs(answer->text.c_str(), answer->error ? stderr : stdout);
    return answer->status;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerArguments(argc, argv))
        return *status;

    // Qt sees none of the command line, so none of its own options apply; its
    // environment variables, such as QT_SCALE_FACTOR, still do.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    std::optional<platform::qt::StartupCheck> check(std::in_place);
    QApplication app(qtArgc, qtArgv);
    check.reset();
    QApplication::setApplicationName(QStringLiteral("clayrange"));
    QApplication::setApplicationVersion(QStringLiteral(CLAYRANGE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CLAYRANGE_APP_ID));
    // The 32-pixel image, kept as plain pixels: reading any image file makes
    // Qt first survey its image format plugins, which costs a start-up more
    // than the rest of the icon. Launchers take the PNG and SVG sizes from the
    // installed icon theme.
    const QByteArray pixels =
        QResource(QStringLiteral(":/icons/clayrange-32.rgba")).uncompressedData();
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(QImage(
        reinterpret_cast<const uchar *>(pixels.constData()), 32, 32, QImage::Format_RGBA8888))));

    std::optional<RangeForm> form;
    if (const std::optional<int> status = stopOnMissingControl([&form] { form.emplace(); }))
        return *status;
    form->Form_Load();
    platform::qt::TimerClock clock(form->controls().Timer1);
    platform::qt::FormWindow window(form->form());
    const platform::Connection news = form->announced.connect(
        [&window](const std::string &message) { window.announce(message); });
    window.show();
    return QApplication::exec();
}
