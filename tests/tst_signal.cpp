// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/model/signal.h"

#include <QtTest>

#include <memory>
#include <optional>

using platform::Connection;
using platform::Signal;

// The notifications views follow: they must stop when asked, whatever order
// things are torn down in.
class TestSignal : public QObject
{
    Q_OBJECT

private slots:
    void disconnectedSlotHearsNothingMore();
    void slotMayEndItsOwnConnectionWhileRunning();
    void connectionMayOutliveItsSignal();
};

void TestSignal::disconnectedSlotHearsNothingMore()
{
    Signal<int> signal;
    QList<int> first, second;
    Connection a = signal.connect([&first](int value) { first << value; });
    const Connection b = signal.connect([&second](int value) { second << value; });
    signal.notify(1);
    a.disconnect();
    signal.notify(2);
    {
        // Moved, it still holds the subscription; destroyed, it ends it.
        Connection moved = signal.connect([&first](int value) { first << -value; });
        Connection kept = std::move(moved);
        signal.notify(3);
    }
    signal.notify(4);
    QCOMPARE(first, QList<int>({1, -3}));
    QCOMPARE(second, QList<int>({1, 2, 3, 4}));
}

void TestSignal::slotMayEndItsOwnConnectionWhileRunning()
{
    Signal<> signal;
    int once = 0, always = 0;
    std::optional<Connection> self;
    // The captured state must survive its own disconnection until it returns.
    self = signal.connect([&self, &once, guard = std::make_shared<int>(7)] {
        self.reset();
        once += *guard;
    });
    const Connection other = signal.connect([&always] { ++always; });
    signal.notify();
    signal.notify();
    QCOMPARE(once, 7);
    QCOMPARE(always, 2);
}

void TestSignal::connectionMayOutliveItsSignal()
{
    Connection connection;
    std::weak_ptr<int> captured;
    {
        Signal<> signal;
        const auto guard = std::make_shared<int>(0);
        captured = guard;
        connection = signal.connect([guard] {});
    }
    // The slot went with its signal: the connection keeps nothing alive.
    QVERIFY(captured.expired());
    connection.disconnect();
}

QTEST_GUILESS_MAIN(TestSignal)
#include "tst_signal.moc"
