// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtMessageHandler>

namespace platform {

// Turns a missing or unreachable display into one plain line and a non-zero
// exit, instead of Qt's abort with its plugin trace.
class DisplayCheck
{
public:
    static const char *message();

    // False when the environment names no display that Qt could open.
    static bool displayNamed();

    // While an instance lives, a fatal message from Qt (it can only come from
    // opening the display) prints message() and exits.
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

private:
    QtMessageHandler m_previous;
};

} // namespace platform
