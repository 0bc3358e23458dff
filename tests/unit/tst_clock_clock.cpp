// The injectable clock that the status-bar clock reads.
#include "../mock/TestClock.h"

#include <QTest>

#include <ctime>

class TestClockSeam : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void systemClockIsLocalTime();
    void testClockPinsTheTime();
    void timeZoneChangeShowsAtTheNextRead();
};

void TestClockSeam::cleanup()
{
    TestClock::uninstall();
    qunsetenv("TZ");
    tzset();
}

void TestClockSeam::systemClockIsLocalTime()
{
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = Clock::currentDateTime();
    const QDateTime after = QDateTime::currentDateTime();
    QCOMPARE(now.timeSpec(), Qt::LocalTime);
    QVERIFY(before <= now && now <= after);
}

void TestClockSeam::testClockPinsTheTime()
{
    const QDateTime pinned(QDate(2024, 5, 7), QTime(9, 5, 3));
    TestClock *clock = TestClock::install(pinned);
    QCOMPARE(Clock::currentDateTime(), pinned);
    clock->set(pinned.addSecs(1));
    QCOMPARE(Clock::currentDateTime(), pinned.addSecs(1));
    TestClock::uninstall();
    QVERIFY(qAbs(Clock::currentDateTime().secsTo(QDateTime::currentDateTime())) <= 1);
}

// The machine's time zone is read anew on each read: TZ stands in for a
// change of the system's zone (POSIX rules, so no zone database is needed).
// Nothing here tells the C library to look again: the clock must.
void TestClockSeam::timeZoneChangeShowsAtTheNextRead()
{
    qputenv("TZ", "UTC0");
    const QDateTime utc = Clock::currentDateTime();
    qputenv("TZ", "CST-8");
    const QDateTime china = Clock::currentDateTime();
    const int offset = int(QDateTime(china.date(), china.time(), Qt::UTC)
                               .secsTo(QDateTime(utc.date(), utc.time(), Qt::UTC)));
    // Eight hours apart, give or take the time between the two reads.
    QVERIFY2(qAbs(offset + 8 * 3600) <= 2, qPrintable(QString::number(offset)));
}

QTEST_GUILESS_MAIN(TestClockSeam)
#include "tst_clock_clock.moc"
