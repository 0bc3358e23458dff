// The date-time formatter of the status-bar clock.
#include "DateTimeFormat.h"

#include <QLocale>
#include <QTest>

#include <clocale>

namespace {

// The clock panel's format, as the main window uses it.
const QString clockFormat = QStringLiteral("yyyy\"年\"m\"月\"d\"日\" hh\":\"mm\":\"ss");

QDateTime at(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec));
}

} // namespace

class TestDateTimeFormat : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void clockText_data();
    void clockText();
    void tokens_data();
    void tokens();
    void regionalSettingsChangeNothing_data();
    void regionalSettingsChangeNothing();
};

void TestDateTimeFormat::cleanup()
{
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
}

void TestDateTimeFormat::clockText_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("expected");

    QTest::newRow("morning, single-digit month and day")
        << at(2024, 5, 7, 9, 5, 3) << QStringLiteral("2024年5月7日 09:05:03");
    QTest::newRow("last second of the year")
        << at(2025, 12, 31, 23, 59, 59) << QStringLiteral("2025年12月31日 23:59:59");
    QTest::newRow("new year, midnight")
        << at(2026, 1, 1, 0, 0, 0) << QStringLiteral("2026年1月1日 00:00:00");
    QTest::newRow("midnight") << at(2024, 6, 15, 0, 0, 0)
                              << QStringLiteral("2024年6月15日 00:00:00");
    QTest::newRow("one second after midnight")
        << at(2024, 6, 15, 0, 0, 1) << QStringLiteral("2024年6月15日 00:00:01");
    QTest::newRow("single-digit month and day")
        << at(2024, 1, 2, 3, 4, 5) << QStringLiteral("2024年1月2日 03:04:05");
    QTest::newRow("two-digit month, single-digit day")
        << at(2024, 11, 9, 12, 30, 0) << QStringLiteral("2024年11月9日 12:30:00");
    QTest::newRow("noon is 12 on the 24-hour clock")
        << at(2024, 7, 1, 12, 0, 0) << QStringLiteral("2024年7月1日 12:00:00");
    QTest::newRow("afternoon stays on the 24-hour clock")
        << at(2024, 7, 1, 13, 7, 8) << QStringLiteral("2024年7月1日 13:07:08");
    QTest::newRow("leap day") << at(2024, 2, 29, 23, 0, 0)
                              << QStringLiteral("2024年2月29日 23:00:00");
    QTest::newRow("milliseconds are not shown")
        << at(2024, 5, 7, 9, 5, 3, 999) << QStringLiteral("2024年5月7日 09:05:03");
    QTest::newRow("minute equal to the month")
        << at(2024, 5, 7, 9, 6, 3) << QStringLiteral("2024年5月7日 09:06:03");
}

void TestDateTimeFormat::clockText()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, expected);
    QCOMPARE(formatDateTime(clockFormat, time), expected);
}

void TestDateTimeFormat::tokens_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("expected");

    const QDateTime morning = at(2024, 5, 7, 9, 5, 3, 42);
    const QDateTime evening = at(2024, 12, 31, 21, 45, 9, 7);

    QTest::newRow("m without an hour token is the month") << "m" << morning << "5";
    QTest::newRow("mm without an hour token is the month, two digits") << "mm" << morning << "05";
    QTest::newRow("m right after h is the minute") << "h:m" << morning << "9:5";
    QTest::newRow("mm after hh is the minute") << "hh:mm" << morning << "09:05";
    QTest::newRow("quoted text between hour and m keeps it the minute")
        << "hh\"時\"mm" << morning << "09時05";
    QTest::newRow("another letter token in between makes m the month")
        << "hh dd mm" << morning << "09 07 05";
    QTest::newRow("m after a minute token is the month again")
        << "hh:mm mm" << morning << "09:05 05";
    QTest::newRow("n is always the minute") << "n nn" << morning << "5 05";
    QTest::newRow("capital letters are the same tokens")
        << "YYYY-MM-DD HH:NN:SS" << morning << "2024-05-07 09:05:03";
    QTest::newRow("yy is the year in two digits") << "yy" << morning << "24";
    QTest::newRow("d and dd") << "d dd" << morning << "7 07";
    QTest::newRow("h and hh") << "h hh" << morning << "9 09";
    QTest::newRow("s and ss") << "s ss" << morning << "3 03";
    QTest::newRow("z and zzz") << "z zzz" << morning << "42 042";
    QTest::newRow("month names are English, fixed") << "mmm mmmm" << morning << "May May";
    QTest::newRow("day names are English, fixed") << "ddd dddd" << morning << "Tue Tuesday";
    QTest::newRow("aaa and aaaa are day names") << "aaa aaaa" << morning << "Tue Tuesday";
    QTest::newRow("hour without am/pm is 24-hour") << "hh:nn" << evening << "21:45";
    QTest::newRow("am/pm puts the hour on the 12-hour clock")
        << "h:nn am/pm" << evening << "9:45 pm";
    QTest::newRow("am/pm keeps the case written") << "h AM/PM" << morning << "9 AM";
    QTest::newRow("a/p") << "hh a/p" << evening << "09 p";
    QTest::newRow("ampm gives the AM and PM texts") << "h ampm" << evening << "9 PM";
    QTest::newRow("midnight on the 12-hour clock is 12")
        << "h am/pm" << at(2024, 1, 1, 0, 30, 0) << "12 am";
    QTest::newRow("noon on the 12-hour clock is 12")
        << "h am/pm" << at(2024, 1, 1, 12, 30, 0) << "12 pm";
    QTest::newRow("am/pm after the next hour token does not count")
        << "hh hh am/pm" << evening << "21 09 pm";
    QTest::newRow("quoted am/pm is text") << "hh \"am/pm\"" << evening << "21 am/pm";
    QTest::newRow("single quotes enclose text too") << "hh'h'nn" << evening << "21h45";
    QTest::newRow("quoted token letters are copied") << "\"yyyy mm dd\"" << evening << "yyyy mm dd";
    QTest::newRow("an unclosed quote runs to the end") << "hh\"mm" << evening << "21mm";
    QTest::newRow("an empty quote gives nothing") << "hh\"\"nn" << evening << "2145";
    QTest::newRow("other characters are copied") << "[x] hh-nn #" << evening << "[x] 21-45 #";
    QTest::newRow("separators are fixed") << "yyyy/mm/dd hh:nn" << evening << "2024/12/31 21:45";
    QTest::newRow("t and tt are the fixed short and long time")
        << "t|tt" << evening << "21:45|21:45:09";
    QTest::newRow("ddddd and dddddd are the fixed short and long date")
        << "ddddd|dddddd" << evening << "12/31/2024|Tuesday, December 31, 2024";
    QTest::newRow("c is the short date and the long time")
        << "c" << evening << "12/31/2024 21:45:09";
    QTest::newRow("c at midnight is the short date alone")
        << "c" << at(2024, 12, 31, 0, 0, 0) << "12/31/2024";
    QTest::newRow("empty format") << "" << evening << "";
    QTest::newRow("characters beyond ASCII are copied") << "yyyy年" << evening << "2024年";
    QTest::newRow("four-digit year pads") << "yyyy" << at(987, 3, 4, 0, 0, 0) << "0987";
}

void TestDateTimeFormat::tokens()
{
    QFETCH(QString, format);
    QFETCH(QDateTime, time);
    QFETCH(QString, expected);
    QCOMPARE(formatDateTime(format, time), expected);
}

void TestDateTimeFormat::regionalSettingsChangeNothing_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("cLocale");

    // Finnish writes times as 9.05.03; US English has a 12-hour default;
    // Arabic (Egypt) has its own digits and an AM/PM marker.
    QTest::newRow("Finnish, time separator '.'")
        << QLocale(QLocale::Finnish, QLocale::Finland) << QByteArray("fi_FI.UTF-8");
    QTest::newRow("US English, 12-hour default")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QByteArray("en_US.UTF-8");
    QTest::newRow("Arabic, own digits")
        << QLocale(QLocale::Arabic, QLocale::Egypt) << QByteArray("ar_EG.UTF-8");
    QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China)
                             << QByteArray("zh_CN.UTF-8");
}

void TestDateTimeFormat::regionalSettingsChangeNothing()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, cLocale);
    // The locale is in force (its own time format differs from ours).
    QLocale::setDefault(locale);
    QVERIFY(QLocale().toString(QTime(21, 5, 3), QLocale::LongFormat) != QStringLiteral("21:05:03"));
    // The C library's locale too, where the machine has it.
    std::setlocale(LC_ALL, cLocale.constData());

    QCOMPARE(formatDateTime(clockFormat, at(2024, 5, 7, 9, 5, 3)),
             QStringLiteral("2024年5月7日 09:05:03"));
    QCOMPARE(formatDateTime(clockFormat, at(2025, 12, 31, 23, 59, 59)),
             QStringLiteral("2025年12月31日 23:59:59"));
    QCOMPARE(formatDateTime(QStringLiteral("mmm dddd h:nn am/pm"), at(2024, 5, 7, 21, 5, 3)),
             QStringLiteral("May Tuesday 9:05 pm"));
}

QTEST_GUILESS_MAIN(TestDateTimeFormat)
#include "tst_clock_datetimeformat.moc"
