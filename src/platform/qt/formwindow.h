// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/form.h"

#include <QWidget>

#include <unordered_map>
#include <vector>

namespace platform::qt {

class Announcer;

// The window that shows a Form: one Qt widget per visible control, placed by
// the same twips-to-pixels mapping, in the tab order of the description.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FormWindow(Form &form, QWidget *parent = nullptr);

    // The widget that shows a control on the window; controls drawn inside the
    // field, and the timer, have none.
    QWidget *widgetFor(const Control &control) const;

    // Tells a screen reader the news without moving the focus.
    void announce(const std::string &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createWidget(Control &control);
    void linkCaptions();
    void setUpTabOrder();
    void centreOnScreen();

    Form &m_form;
    Announcer *m_announcer;
    bool m_placed = false;
    std::unordered_map<const Control *, QWidget *> m_widgets;
    std::vector<Connection> m_connections;
};

} // namespace platform::qt
