// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QtMessageHandler>

#include <vector>

namespace platform::qt {

// Watches Qt's messages while the application connects to the display. A
// start that failed for want of a display becomes one plain line of advice
// instead of Qt's plugin trace; any other fatal start-up error keeps Qt's own
// words; and the warnings of a start that succeeds still reach the terminal.
class StartupCheck
{
public:
    static const char *noDisplayMessage();

    StartupCheck();
    ~StartupCheck();
    StartupCheck(const StartupCheck &) = delete;
    StartupCheck &operator=(const StartupCheck &) = delete;

private:
    struct Message {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    // Whether Qt's messages say that it found no display to connect to, as
    // opposed to a missing or broken platform plugin.
    static bool noDisplay(const std::vector<Message> &messages);

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);
    void replay(const Message &message) const;

    QtMessageHandler m_previous;
    std::vector<Message> m_held;
};

} // namespace platform::qt
