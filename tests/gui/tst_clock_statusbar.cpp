// The status bar with panels, as a widget on its own.
#include "Exception.h"
#include "StatusBar.h"

#include <QApplication>
#include <QMainWindow>
#include <QPaintEvent>
#include <QSizeGrip>
#include <QTest>

namespace {

// A bar that records the regions it is asked to repaint.
class RecordingBar : public TStatusBar
{
public:
    using TStatusBar::TStatusBar;
    QList<QRegion> painted;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        painted.append(event->region());
        TStatusBar::paintEvent(event);
    }
};

// The main window's bar, with its layout settings.
void configure(TStatusBar &bar)
{
    QFont font(QStringLiteral("宋体"));
    bar.setFont(font);
    bar.setFontHeight(13);
    bar.setFontColor(Qt::black);
    bar.setPanelWidthTexts({"0", "100", "200", "350", "50"});
    bar.setPanelAlignmentTexts({"left", "center", "center", "center", "left"});
    bar.setPanelTexts({"", QStringLiteral("岱汐软件"), "www.daixi.example",
                       QStringLiteral("E_Mail：service@daixi.example\u3000QQ：10000001、10000002"),
                       ""});
}

// Shows the bar on its own, 1024 pixels wide, and forgets its first paint.
void showAndForgetFirstPaint(RecordingBar &bar)
{
    bar.resize(1024, 25);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTRY_VERIFY(!bar.painted.isEmpty());
    QTest::qWait(50);
    bar.painted.clear();
}

} // namespace

class TestStatusBar : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void panelsFromTheLayout();
    void panelRects_data();
    void panelRects();
    void sizeGripAtTheRightEnd();
    void sizeGripHiddenWhileMaximised();
    void unchangedTextDoesNotRepaint();
    void changedTextRepaintsThatPanelOnly();
    void paintsTextInThePanels();
    void paintsNormalColoursWhileDisabled();
    void noHintTextIsShown();
    void badSettingsRaise();
    void indexOutOfRangeRaises();
};

void TestStatusBar::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestStatusBar::panelsFromTheLayout()
{
    TStatusBar bar;
    configure(bar);
    QCOMPARE(bar.panelCount(), 5);
    QCOMPARE(bar.panelWidthTexts(), QStringList({"0", "100", "200", "350", "50"}));
    QCOMPARE(bar.panelAlignmentTexts(),
             QStringList({"left", "center", "center", "center", "left"}));
    QCOMPARE(bar.panel(1).alignment, Qt::AlignHCenter);
    QCOMPARE(bar.panelText(1), QStringLiteral("岱汐软件"));
    QCOMPARE(bar.panelText(4), QString());
    QCOMPARE(bar.font().pixelSize(), 13);
    QCOMPARE(bar.fontHeight(), 13);
    QCOMPARE(bar.fontColor(), QColor(Qt::black));
    // The layout's settings arrive as properties.
    QVERIFY(bar.setProperty("PanelTexts", QStringList({"a", "b"})));
    QCOMPARE(bar.panelText(0), QStringLiteral("a"));
    QCOMPARE(bar.panelCount(), 5);
}

void TestStatusBar::panelRects_data()
{
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("lastRight");
    QTest::newRow("1024 pixels") << 1024 << 1024;
    QTest::newRow("1920 pixels") << 1920 << 1920;
}

void TestStatusBar::panelRects()
{
    QFETCH(int, barWidth);
    QFETCH(int, lastRight);
    QMainWindow window;
    auto *bar = new TStatusBar;
    configure(*bar);
    bar->setFixedHeight(25);
    window.setStatusBar(bar);
    window.resize(barWidth, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(bar->geometry(), QRect(0, 400 - 25, barWidth, 25));
    const QList<StatusPanelSpan> spans = bar->panelSpans();
    QCOMPARE(spans.size(), 5);
    QCOMPARE(spans[3], (StatusPanelSpan{300, 650}));
    QCOMPARE(spans[4], (StatusPanelSpan{650, lastRight}));
    // Drawn panels: 2 pixels below the top, a 2-pixel gap between panels.
    QVERIFY(bar->panelRect(0).isEmpty());
    QCOMPARE(bar->panelRect(1), QRect(QPoint(2, 2), QPoint(99, 24)));
    QCOMPARE(bar->panelRect(2), QRect(QPoint(102, 2), QPoint(299, 24)));
    QCOMPARE(bar->panelRect(3), QRect(QPoint(302, 2), QPoint(649, 24)));
    QCOMPARE(bar->panelRect(4), QRect(QPoint(652, 2), QPoint(lastRight - 1, 24)));
}

void TestStatusBar::sizeGripAtTheRightEnd()
{
    QMainWindow window;
    auto *bar = new TStatusBar;
    configure(*bar);
    bar->setFixedHeight(25);
    window.setStatusBar(bar);
    window.resize(1024, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(bar->isSizeGripEnabled());
    auto *grip = bar->findChild<QSizeGrip *>();
    QVERIFY(grip);
    QVERIFY(grip->isVisible());
    QCOMPARE(grip->geometry().right(), bar->width() - 1);
    QCOMPARE(grip->geometry().bottom(), bar->height() - 1);
    QVERIFY(bar->panelRect(4).contains(grip->geometry()));
}

void TestStatusBar::sizeGripHiddenWhileMaximised()
{
    QMainWindow window;
    auto *bar = new TStatusBar;
    configure(*bar);
    window.setStatusBar(bar);
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *grip = bar->findChild<QSizeGrip *>();
    QVERIFY(grip);
    QTRY_VERIFY(!grip->isVisible());
    window.showNormal();
    QTRY_VERIFY(grip->isVisible());
}

void TestStatusBar::unchangedTextDoesNotRepaint()
{
    RecordingBar bar;
    configure(bar);
    bar.setPanelText(4, QStringLiteral("2024年5月7日 09:05:03"));
    showAndForgetFirstPaint(bar);
    if (QTest::currentTestFailed())
        return;

    bar.setPanelText(4, QStringLiteral("2024年5月7日 09:05:03"));
    bar.setPanelText(1, QStringLiteral("岱汐软件"));
    QTest::qWait(100);
    QVERIFY(bar.painted.isEmpty());
    QCOMPARE(bar.panelText(4), QStringLiteral("2024年5月7日 09:05:03"));
}

void TestStatusBar::changedTextRepaintsThatPanelOnly()
{
    RecordingBar bar;
    configure(bar);
    showAndForgetFirstPaint(bar);
    if (QTest::currentTestFailed())
        return;

    bar.setPanelText(4, QStringLiteral("2024年5月7日 09:05:04"));
    // Marked for repainting, shown at the next repaint.
    QVERIFY(bar.painted.isEmpty());
    QTRY_COMPARE(bar.painted.size(), 1);
    QCOMPARE(bar.painted.first(), QRegion(bar.panelRect(4)));
    for (int i = 0; i < 4; ++i)
        QVERIFY(!bar.painted.first().intersects(bar.panelRect(i)));
}

void TestStatusBar::paintsTextInThePanels()
{
    TStatusBar bar;
    configure(bar);
    bar.resize(1024, 25);
    const QImage empty = bar.grab().toImage();
    bar.setPanelText(4, QStringLiteral("2024年5月7日 09:05:03"));
    const QImage clock = bar.grab().toImage();
    // The new text changes pixels inside panel 4 and nowhere else.
    QRect changed;
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x)
            if (empty.pixel(x, y) != clock.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    QVERIFY(!changed.isEmpty());
    QVERIFY2(bar.panelRect(4).adjusted(1, 1, -1, -1).contains(changed),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(changed.x())
                            .arg(changed.y())
                            .arg(changed.width())
                            .arg(changed.height())));
    // Black text, left-aligned: it begins a few pixels into the panel.
    QVERIFY(changed.left() < bar.panelRect(4).left() + 8);
    bool black = false;
    for (int y = changed.top(); y <= changed.bottom(); ++y)
        for (int x = changed.left(); x <= changed.right(); ++x)
            black = black || QColor(clock.pixel(x, y)).lightness() < 60;
    QVERIFY(black);
    // The background is the button face.
    QCOMPARE(QColor(clock.pixel(1, 0)), bar.palette().color(QPalette::Active, QPalette::Button));
}

void TestStatusBar::paintsNormalColoursWhileDisabled()
{
    QWidget window;
    auto *bar = new TStatusBar(&window);
    configure(*bar);
    bar->setPanelText(4, QStringLiteral("2024年5月7日 09:05:03"));
    bar->setGeometry(0, 0, 1024, 25);
    // A palette whose disabled colours differ plainly from the active ones.
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Disabled, QPalette::Button, Qt::red);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::green);
    palette.setColor(QPalette::Disabled, QPalette::Dark, Qt::blue);
    palette.setColor(QPalette::Disabled, QPalette::Light, Qt::yellow);
    bar->setPalette(palette);
    const QImage enabled = bar->grab().toImage();
    window.setEnabled(false);
    QVERIFY(!bar->isEnabled());
    const QImage disabled = bar->grab().toImage();
    // The size grip is the style's business; the panels are ours.
    const QRect panels(0, 0, 1000, 25);
    QCOMPARE(disabled.copy(panels), enabled.copy(panels));
}

void TestStatusBar::noHintTextIsShown()
{
    TStatusBar bar;
    configure(bar);
    bar.resize(1024, 25);
    const QImage before = bar.grab().toImage();
    bar.showMessage(QStringLiteral("a hint"));
    QCOMPARE(bar.grab().toImage(), before);
}

void TestStatusBar::badSettingsRaise()
{
    TStatusBar bar;
    QVERIFY_THROWS_EXCEPTION(Exception, bar.setPanelWidthTexts({"100", "wide"}));
    QVERIFY_THROWS_EXCEPTION(Exception, bar.setPanelAlignmentTexts({"middle"}));
}

void TestStatusBar::indexOutOfRangeRaises()
{
    TStatusBar bar;
    configure(bar);
    QVERIFY_THROWS_EXCEPTION(EInvalidOperation, bar.setPanelText(5, QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(EInvalidOperation, bar.panelRect(-1));
}

QTEST_MAIN(TestStatusBar)
#include "tst_clock_statusbar.moc"
