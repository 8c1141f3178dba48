// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycheck.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

void handleStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // The platform plugin explains a failed connection over several lines that
    // mean nothing to a teacher; the one line below says it all.
    if (type != QtFatalMsg) {
        if (!QByteArray(context.category).startsWith("qt.qpa"))
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
        return;
    }
    std::fputs(DisplayCheck::message(), stderr);
    std::fputc('\n', stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

const char *DisplayCheck::message()
{
    return "clayrange needs a graphical session; without one, start it as: xvfb-run clayrange";
}

bool DisplayCheck::displayNamed()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    if (platform.startsWith("xcb"))
        return !qEnvironmentVariableIsEmpty("DISPLAY");
    if (platform.startsWith("wayland"))
        return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

DisplayCheck::DisplayCheck()
    : m_previous(qInstallMessageHandler(handleStartupMessage))
{}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(m_previous);
}

} // namespace platform
