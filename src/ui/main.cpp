// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/displaycheck.h"
#include "platform/qt/formwindow.h"
#include "platform/qt/timerclock.h"
#include "rangeform.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[])
{
    using platform::DisplayCheck;
    if (!DisplayCheck::displayNamed()) {
        std::fprintf(stderr, "%s\n", DisplayCheck::message());
        return 1;
    }
    std::optional<DisplayCheck> check(std::in_place);
    QApplication app(argc, argv);
    check.reset();
    QApplication::setApplicationName(QStringLiteral("clayrange"));
    QApplication::setApplicationVersion(QStringLiteral(CLAYRANGE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CLAYRANGE_APP_ID));
    // The 32-pixel image is the window's icon; decoding the 256-pixel one too
    // would add milliseconds to every start for no visible gain in a title
    // bar. Launchers take the large sizes from the installed icon theme.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/clayrange-32.png")));

    RangeForm form;
    form.Form_Load();
    platform::TimerClock clock(form.controls().Timer1);
    platform::FormWindow window(form.form());
    window.show();
    return QApplication::exec();
}
