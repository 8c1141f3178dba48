// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/startupcheck.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList printed;

void print(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    printed << qFormatLogMessage(type, context, text);
}

} // namespace

// The warnings held back while Qt connects to the display.
class TestStartupCheck : public QObject
{
    Q_OBJECT

private slots:
    void heldWarningsArePrintedAsQtPrintsThem_data();
    void heldWarningsArePrintedAsQtPrintsThem();
};

void TestStartupCheck::heldWarningsArePrintedAsQtPrintsThem_data()
{
    QTest::addColumn<QByteArray>("category");
    QTest::newRow("no category") << QByteArray();
    QTest::newRow("named") << "qt.qpa.plugin"_ba;
}

void TestStartupCheck::heldWarningsArePrintedAsQtPrintsThem()
{
    QFETCH(QByteArray, category);
    const QMessageLogContext context(nullptr, 0, nullptr,
                                     category.isNull() ? nullptr : category.constData());
    const QString text = u"Failed to create wl_display"_s;

    printed.clear();
    const QtMessageHandler before = qInstallMessageHandler(&print);
    {
        const platform::qt::StartupCheck check;
        qt_message_output(QtWarningMsg, context, text);
        QCOMPARE(printed.size(), 0);
    }
    qInstallMessageHandler(before);
    QCOMPARE(printed, QStringList{qFormatLogMessage(QtWarningMsg, context, text)});
}

QTEST_GUILESS_MAIN(TestStartupCheck)
#include "tst_startupcheck.moc"
