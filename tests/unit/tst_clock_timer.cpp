// The platform timer that drives the status-bar clock.
#include "Exception.h"
#include "Timer.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

class TestTimer : public QObject
{
    Q_OBJECT
private slots:
    void defaults();
    void startsWhenTheHandlerIsAttached();
    void ticksThroughTheEventLoopOnly();
    void atMostOneTickPending();
    void ticksEveryInterval();
    void settingsStopIt_data();
    void settingsStopIt();
    void handlerGetsTheTimerAsSender();
    void noTimersLeftRaises();
    void noTimersLeftEndsWithItsScope();
    void settingsAreLayoutProperties();
};

void TestTimer::defaults()
{
    TTimer timer;
    QCOMPARE(timer.interval(), 1000);
    QVERIFY(timer.enabled());
    QVERIFY(!timer.isRunning());
}

void TestTimer::startsWhenTheHandlerIsAttached()
{
    TTimer timer;
    int ticks = 0;
    timer.setInterval(50);
    QVERIFY(!timer.isRunning());
    timer.setOnTimer([&](QObject *) { ++ticks; });
    QVERIFY(timer.isRunning());
    QTRY_VERIFY(ticks >= 2);
}

void TestTimer::ticksThroughTheEventLoopOnly()
{
    TTimer timer;
    int ticks = 0;
    timer.setInterval(20);
    timer.setOnTimer([&](QObject *) { ++ticks; });
    QThread::msleep(100);
    QCOMPARE(ticks, 0);
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 1);
}

// A loop busy for ten intervals gets one tick when it is free, not ten.
void TestTimer::atMostOneTickPending()
{
    TTimer timer;
    int ticks = 0;
    timer.setInterval(30);
    timer.setOnTimer([&](QObject *) { ++ticks; });
    QThread::msleep(300);
    // What is waiting now is handled; a later tick would be a new one.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 1);
}

void TestTimer::ticksEveryInterval()
{
    TTimer timer;
    QList<qint64> at;
    QElapsedTimer clock;
    timer.setInterval(100);
    clock.start();
    timer.setOnTimer([&](QObject *) { at.append(clock.elapsed()); });
    QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 5, 3000);
    // Counted from the start: the n-th tick never before n intervals (how
    // late it comes depends on the machine's load).
    for (qsizetype i = 0; i < 5; ++i)
        QVERIFY2(at[i] >= (i + 1) * 100 - 5, qPrintable(QString::number(at[i])));
}

void TestTimer::settingsStopIt_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("disabled") << "disabled";
    QTest::newRow("interval 0") << "interval 0";
    QTest::newRow("handler removed") << "handler removed";
}

void TestTimer::settingsStopIt()
{
    QFETCH(QString, change);
    TTimer timer;
    int ticks = 0;
    timer.setInterval(20);
    timer.setOnTimer([&](QObject *) { ++ticks; });
    if (change == "disabled")
        timer.setEnabled(false);
    else if (change == "interval 0")
        timer.setInterval(0);
    else
        timer.setOnTimer(nullptr);
    QVERIFY(!timer.isRunning());
    QTest::qWait(100);
    QCOMPARE(ticks, 0);
}

void TestTimer::handlerGetsTheTimerAsSender()
{
    TTimer timer;
    QObject *sender = nullptr;
    timer.setInterval(10);
    timer.setOnTimer([&](QObject *from) { sender = from; });
    QTRY_COMPARE(sender, &timer);
}

void TestTimer::noTimersLeftRaises()
{
    TTimer timer;
    TTimer::NoTimersLeft none;
    try {
        timer.setOnTimer([](QObject *) {});
        QFAIL("no error raised");
    } catch (const EOutOfResources &error) {
        QCOMPARE(error.message(), QStringLiteral("Not enough timers available"));
        QCOMPARE(error.kind(), QStringLiteral("EOutOfResources"));
    }
    QVERIFY(!timer.isRunning());
}

void TestTimer::noTimersLeftEndsWithItsScope()
{
    TTimer timer;
    {
        TTimer::NoTimersLeft none;
        QVERIFY_THROWS_EXCEPTION(EOutOfResources, timer.setOnTimer([](QObject *) {}));
    }
    timer.setEnabled(false);
    timer.setEnabled(true);
    QVERIFY(timer.isRunning());
}

void TestTimer::settingsAreLayoutProperties()
{
    TTimer timer;
    QVERIFY(timer.setProperty("Interval", 250));
    QVERIFY(timer.setProperty("Enabled", false));
    QCOMPARE(timer.interval(), 250);
    QVERIFY(!timer.enabled());
}

QTEST_GUILESS_MAIN(TestTimer)
#include "tst_clock_timer.moc"
