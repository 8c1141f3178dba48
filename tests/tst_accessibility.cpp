// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace Qt::StringLiterals;

namespace {

// What Qt hands on to the screen reader's bridge: each event's type, the name
// of what it is about, and the states a state change reports.
struct Heard {
    QAccessible::Event type;
    QString name;
    QAccessible::State changed;
};
QList<Heard> heard;

void hear(QAccessibleEvent *event)
{
    // A widget being destroyed has no interface left, and a bridge drops its
    // events; some Qt releases still send one as the window goes.
    const QAccessibleInterface *about = event->accessibleInterface();
    if (!about)
        return;
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged)
        changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
    heard.append({event->type(), about->text(QAccessible::Name), changed});
}

QStringList namesHeard(QAccessible::Event type)
{
    QStringList names;
    for (const Heard &event : std::as_const(heard)) {
        if (event.type == type && (type != QAccessible::StateChanged || event.changed.disabled))
            names << event.name;
    }
    return names;
}

} // namespace

// What a screen reader finds in the window, read through QAccessible.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyVisibleElementHasANameAndRole();
    void fieldChildrenReportTheirScreenPlaces();
    void enabledStatesFollowAFlight();
    void countersReadTheirValues();
    void shotsCanBePressedThroughAccessibility();
    void countsAreAnnouncedAsTheyHappen();

private:
    QAccessibleInterface *of(QWidget *widget) const
    {
        return QAccessible::queryAccessibleInterface(widget);
    }
    QAccessibleInterface *fieldChild(int index) const { return of(m_range->field())->child(index); }

    std::unique_ptr<WindowFixture> m_range;
};

void TestAccessibility::initTestCase()
{
    // As a screen reader would: offscreen nothing else switches events on.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(&hear);
}

void TestAccessibility::init()
{
    m_range = std::make_unique<WindowFixture>();
    QVERIFY(QTest::qWaitForWindowExposed(&m_range->window));
    heard.clear();
}

void TestAccessibility::cleanup()
{
    m_range.reset();
}

void TestAccessibility::everyVisibleElementHasANameAndRole()
{
    QAccessibleInterface *launch = of(m_range->widget("Command1", 0));
    QCOMPARE(launch->role(), QAccessible::Button);
    QCOMPARE(launch->text(QAccessible::Name), u"Паничка");
    QCOMPARE(of(m_range->widget("Command1", 1))->text(QAccessible::Name), u"Чисти");

    const QString captions[] = {u"Опити:"_s, u"Попадения:"_s};
    for (int i = 0; i < 2; ++i) {
        QAccessibleInterface *counter = of(m_range->counter(i));
        QCOMPARE(counter->role(), QAccessible::EditableText);
        QCOMPARE(counter->text(QAccessible::Name), captions[i]);
        QVERIFY(counter->state().readOnly);
        const auto labels = counter->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), captions[i]);
    }

    QAccessibleInterface *panel = of(m_range->widget("Text1", 0));
    QCOMPARE(panel->text(QAccessible::Name), u"Упражнение");
    QCOMPARE(panel->role(), QAccessible::EditableText);
    QVERIFY(panel->state().readOnly);
    QVERIFY(panel->textInterface()->text(0, 40).startsWith(u"При ловната стрелба"));
    // The saying panel is never shown, so nothing of it reaches a screen reader.
    QAccessibleInterface *window = of(&m_range->window);
    for (int i = 0; i < window->childCount(); ++i) {
        const QAccessibleTextInterface *text = window->child(i)->textInterface();
        QVERIFY(!text || !text->text(0, text->characterCount()).startsWith(u"Неприятното"));
    }

    QAccessibleInterface *field = of(m_range->field());
    QCOMPARE(field->text(QAccessible::Name), u"Стрелбище");
    QCOMPARE(field->childCount(), 1 + ShotCount);
    QCOMPARE(field->child(0)->text(QAccessible::Name), u"Паничка");
    QCOMPARE(field->child(0)->role(), QAccessible::Graphic);
    for (int i = 0; i < ShotCount; ++i) {
        QAccessibleInterface *shot = field->child(1 + i);
        QCOMPARE(shot->text(QAccessible::Name), u"Изстрел %1"_s.arg(i + 1));
        QCOMPARE(shot->role(), QAccessible::Button);
        QCOMPARE(shot->parent()->object(), m_range->field());
        QCOMPARE(field->indexOfChild(shot), 1 + i);
        // Left to right, as the columns stand.
        if (i > 0)
            QVERIFY(shot->rect().left() > field->child(i)->rect().left());
    }
    // The same object every time it is asked for.
    QCOMPARE(field->child(3), field->child(3));
}

void TestAccessibility::fieldChildrenReportTheirScreenPlaces()
{
    const QPoint origin = m_range->window.mapToGlobal(QPoint(0, 0));
    // A resting shot shows only its upper five rows.
    QCOMPARE(fieldChild(1)->rect(), QRect(origin + QPoint(40 + 122, 40 + 178), QSize(9, 5)));

    m_range->launch();
    m_range->fire(2);
    m_range->tick(30);
    QCOMPARE(fieldChild(0)->rect(), QRect(origin + QPoint(40 + 22, 40 + 10), QSize(9, 41)));
    QCOMPARE(fieldChild(3)->rect().size(), QSize(9, 9));
    // The place reported is the place painted: the child's colour just inside
    // its corners, the field's green just outside.
    const QImage shown = m_range->window.grab().toImage();
    for (int i = 0; i <= ShotCount; ++i) {
        const QRect place = fieldChild(i)->rect().translated(-origin);
        const QColor colour = i == 0 ? QColor(128, 128, 255) : QColor(192, 64, 0);
        QCOMPARE(shown.pixelColor(place.topLeft()), colour);
        QCOMPARE(shown.pixelColor(place.bottomRight()), colour);
        QCOMPARE(shown.pixelColor(place.topLeft() - QPoint(0, 1)), QColor(0, 255, 0));
        QCOMPARE(shown.pixelColor(place.bottomRight() + QPoint(1, 0)), QColor(0, 255, 0));
    }
    QCOMPARE(of(m_range->field())
                 ->childAt(fieldChild(3)->rect().center().x(), fieldChild(3)->rect().center().y()),
             fieldChild(3));
}

void TestAccessibility::enabledStatesFollowAFlight()
{
    m_range->launch();
    m_range->fire(4);
    QStringList others;
    for (int i = 0; i < ShotCount; ++i) {
        QCOMPARE(fieldChild(1 + i)->state().disabled, i != 4);
        if (i != 4)
            others << u"Изстрел %1"_s.arg(i + 1);
    }
    QCOMPARE(namesHeard(QAccessible::StateChanged), others);

    m_range->tick(126);
    for (int i = 0; i < ShotCount; ++i)
        QVERIFY(!fieldChild(1 + i)->state().disabled);
}

void TestAccessibility::countersReadTheirValues()
{
    QAccessibleInterface *attempts = of(m_range->counter(0));
    QAccessibleInterface *hits = of(m_range->counter(1));
    QCOMPARE(attempts->text(QAccessible::Value), u"0");
    m_range->launchAndHit();
    QCOMPARE(attempts->text(QAccessible::Value), u"1");
    QCOMPARE(hits->text(QAccessible::Value), u"1");
    m_range->clear();
    QCOMPARE(attempts->text(QAccessible::Value), u"0");
    QCOMPARE(hits->text(QAccessible::Value), u"0");
}

void TestAccessibility::shotsCanBePressedThroughAccessibility()
{
    QAccessibleActionInterface *press = fieldChild(6)->actionInterface();
    QVERIFY(press);
    QCOMPARE(press->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    press->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_range->state().ActiveShot, 5);
    // A disabled shot offers nothing to press, and the target never does.
    QVERIFY(fieldChild(2)->actionInterface()->actionNames().isEmpty());
    QVERIFY(!fieldChild(0)->actionInterface());
}

void TestAccessibility::countsAreAnnouncedAsTheyHappen()
{
    // The one notification in the window, named by the latest news and shown
    // anew with each; whether AT-SPI carries that to Orca is Orca's to check.
    const auto notification = [this]() -> QAccessibleInterface * {
        QAccessibleInterface *window = of(&m_range->window);
        for (int i = 0; i < window->childCount(); ++i) {
            if (window->child(i)->role() == QAccessible::Notification)
                return window->child(i);
        }
        return nullptr;
    };
    QVERIFY(notification());
    QVERIFY(notification()->text(QAccessible::Name).isEmpty());

    QTest::mouseClick(m_range->widget("Command1", 0), Qt::LeftButton);
    QCOMPARE(notification()->text(QAccessible::Name), u"Опити: 1");
    QVERIFY(!notification()->state().invisible);
    m_range->tick(80);
    m_range->fire(0);
    m_range->tick(96);
    QCOMPARE(notification()->text(QAccessible::Name), u"Попадения: 1");
    // It draws nothing over the window and never takes the focus.
    QCOMPARE(notification()->rect().size(), QSize(1, 1));
    QVERIFY(!notification()->state().focusable);
    // Each count shown anew, once, and the ticks between them silent.
    QCOMPARE(namesHeard(QAccessible::ObjectShow), QStringList({u"Опити: 1"_s, u"Попадения: 1"_s}));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
