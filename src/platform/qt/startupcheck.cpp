// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startupcheck.h"

#include <cstdio>
#include <cstdlib>

namespace platform::qt {

namespace {

// The check in force; Qt's handler is a plain function.
StartupCheck *g_current = nullptr;

} // namespace

const char *StartupCheck::noDisplayMessage()
{
    return "clayrange needs a graphical session; without one, install the xvfb package and start "
           "it as: xvfb-run clayrange";
}

StartupCheck::StartupCheck()
    : m_previous(qInstallMessageHandler(&StartupCheck::handle))
{
    g_current = this;
}

StartupCheck::~StartupCheck()
{
    qInstallMessageHandler(m_previous);
    g_current = nullptr;
    for (const Message &message : m_held)
        replay(message);
}

bool StartupCheck::noDisplay(const std::vector<Message> &messages)
{
    // What the X11 and Wayland plugins say when there is no server to reach.
    for (const Message &message : messages) {
        if (message.text.startsWith(u"could not connect to display")
            || message.text.contains(u"Failed to create wl_display"))
            return true;
    }
    return false;
}

void StartupCheck::replay(const Message &message) const
{
    // A message without a category (qErrnoWarning's, say) must stay without
    // one: an empty name would print as a stray ": " before the text.
    const char *category = message.category.isNull() ? nullptr : message.category.constData();
    const QMessageLogContext context(nullptr, 0, nullptr, category);
    m_previous(message.type, context, message.text);
}

void StartupCheck::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    StartupCheck *check = g_current;
    if (type != QtFatalMsg) {
        // Held until the start has succeeded or failed: a failed connection
        // warns before it is fatal, and that warning is not the whole story.
        check->m_held.push_back({type, QByteArray(context.category), text});
        return;
    }
    if (noDisplay(check->m_held)) {
        std::fprintf(stderr, "%s\n", noDisplayMessage());
    } else {
        for (const Message &message : check->m_held)
            check->replay(message);
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace platform::qt
