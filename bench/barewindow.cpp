// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up and memory: a plain Qt Widgets window of the same
// size with a button, a line edit and a text panel, and nothing of our own.

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(451, 424);
    auto *button = new QPushButton(QStringLiteral("Button"), &window);
    button->setGeometry(8, 232, 73, 25);
    auto *line = new QLineEdit(QStringLiteral("0"), &window);
    line->setGeometry(152, 232, 49, 27);
    auto *panel = new QPlainTextEdit(QStringLiteral("Text"), &window);
    panel->setGeometry(8, 264, 433, 153);
    window.show();
    return QApplication::exec();
}
