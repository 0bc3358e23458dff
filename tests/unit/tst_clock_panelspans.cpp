// Where the status panels lie across the bar, as a pure function.
#include "StatusBar.h"

#include <QTest>

using Spans = QList<StatusPanelSpan>;
Q_DECLARE_METATYPE(StatusPanelSpan)

namespace QTest {
template <> char *toString(const StatusPanelSpan &span)
{
    return qstrdup(QByteArray::number(span.left) + " to " + QByteArray::number(span.right));
}
} // namespace QTest

class TestPanelSpans : public QObject
{
    Q_OBJECT
private slots:
    void spans_data();
    void spans();
};

void TestPanelSpans::spans_data()
{
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<Spans>("expected");

    const QList<int> mainWindow = {0, 100, 200, 350, 50};
    QTest::newRow("main window's panels, 1024-pixel bar")
        << mainWindow << 1024 << Spans{{0, 0}, {0, 100}, {100, 300}, {300, 650}, {650, 1024}};
    QTest::newRow("main window's panels, 1920-pixel bar")
        << mainWindow << 1920 << Spans{{0, 0}, {0, 100}, {100, 300}, {300, 650}, {650, 1920}};
    QTest::newRow("last panel exactly as wide as its setting")
        << mainWindow << 700 << Spans{{0, 0}, {0, 100}, {100, 300}, {300, 650}, {650, 700}};
    QTest::newRow("last panel narrower than its setting")
        << mainWindow << 660 << Spans{{0, 0}, {0, 100}, {100, 300}, {300, 650}, {650, 660}};
    QTest::newRow("bar ends before the last panel begins: it is empty")
        << mainWindow << 500 << Spans{{0, 0}, {0, 100}, {100, 300}, {300, 650}, {650, 650}};
    QTest::newRow("one panel takes the whole bar") << QList<int>{50} << 300 << Spans{{0, 300}};
    QTest::newRow("no panels") << QList<int>{} << 300 << Spans{};
}

void TestPanelSpans::spans()
{
    QFETCH(QList<int>, widths);
    QFETCH(int, barWidth);
    QFETCH(Spans, expected);
    QCOMPARE(statusPanelSpans(widths, barWidth), expected);
}

QTEST_GUILESS_MAIN(TestPanelSpans)
#include "tst_clock_panelspans.moc"
