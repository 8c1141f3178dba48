// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPushButton>

namespace platform::qt {

// A push button whose face is one flat colour with a classic raised edge, so the
// launch and clear buttons show exactly their colours under any style.
class FlatButton : public QPushButton
{
    Q_OBJECT

public:
    FlatButton(const QString &text, const QColor &face, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
};

} // namespace platform::qt
