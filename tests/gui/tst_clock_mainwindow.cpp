// The status bar and clock of the main window: the bar as
// the layout places it, the clock ticking into panel 4, and the start-up
// that ends when no timer can be had.
#include "../mock/TestClock.h"
#include "Main_Frm.h"
#include "StatusBar.h"
#include "TestApplication.h"
#include "Timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeGrip>

#include <cstdio>

namespace {

const char *const noTimersChild = "--start-up-with-no-timers";

// The main window as the start-up builds it, hidden.
std::unique_ptr<TForm_Main> buildMainWindow()
{
    auto form = std::make_unique<TForm_Main>();
    form->Build();
    return form;
}

} // namespace

class TestClockMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void statusBarFromTheLayout();
    void statusBarDockedAtTheBottom();
    void timerStartedByTheLayout();
    void clockEmptyUntilTheFirstTick();
    void tickWritesTheClockText();
    void tickFollowsTheClock();
    void unchangedTimeRepaintsNothing();
    void noTimerEndsTheStartUp();
};

void TestClockMainWindow::cleanup()
{
    TestClock::uninstall();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestClockMainWindow::statusBarFromTheLayout()
{
    auto form = buildMainWindow();
    TStatusBar *bar = form->StatusBar_Main;
    QVERIFY(bar);
    QCOMPARE(bar->objectName(), QStringLiteral("StatusBar_Main"));
    QCOMPARE(bar->panelCount(), 5);
    QCOMPARE(bar->panelWidthTexts(), QStringList({"0", "100", "200", "350", "50"}));
    QCOMPARE(bar->panelAlignmentTexts(),
             QStringList({"left", "center", "center", "center", "left"}));
    QCOMPARE(bar->panelText(0), QString());
    QCOMPARE(bar->panelText(1), QStringLiteral("岱汐软件"));
    // The maker's texts come from the build's branding settings.
    QVERIFY(!bar->panelText(2).isEmpty());
    QVERIFY(!bar->panelText(2).contains(u'@'));
    const QRegularExpression contact(
        QStringLiteral("^E_Mail\uFF1A[^\\s@]+@[^\\s@]+\u3000QQ\uFF1A[0-9]+\u3001[0-9]+$"));
    QVERIFY2(contact.match(bar->panelText(3)).hasMatch(), qPrintable(bar->panelText(3)));
    QCOMPARE(bar->font().families().value(0), QStringLiteral("宋体"));
    QCOMPARE(bar->font().pixelSize(), 13);
    QCOMPARE(bar->font().weight(), QFont::Normal);
    QCOMPARE(bar->fontColor(), QColor(0, 0, 0));
    QVERIFY(bar->isSizeGripEnabled());
}

void TestClockMainWindow::statusBarDockedAtTheBottom()
{
    auto form = buildMainWindow();
    form->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    TStatusBar *bar = form->StatusBar_Main;
    QCOMPARE(form->statusBar(), bar);
    // The client area: inside the skin's frame where the skin draws one.
    const auto bottomStrip = [&] {
        const QRect client = form->contentsRect();
        return QRect(client.left(), client.bottom() + 1 - 25, client.width(), 25);
    };
    QCOMPARE(bar->geometry(), bottomStrip());
    QCOMPARE(bar->panelRect(4).left(), 650 + TStatusBar::PanelGap);
    QCOMPARE(bar->panelSpans().at(4), (StatusPanelSpan{650, bar->width()}));
    auto *grip = bar->findChild<QSizeGrip *>();
    QVERIFY(grip && grip->isVisible());
    // It keeps its height and follows the bottom edge.
    form->resize(form->width() + 200, form->height() + 100);
    QTRY_COMPARE(bar->geometry(), bottomStrip());
    QCOMPARE(bar->panelSpans().at(4), (StatusPanelSpan{650, bar->width()}));
}

void TestClockMainWindow::timerStartedByTheLayout()
{
    auto form = buildMainWindow();
    TTimer *timer = form->Timer_Main;
    QVERIFY(timer);
    QCOMPARE(timer->objectName(), QStringLiteral("Timer_Main"));
    QCOMPARE(timer->parent(), form.get());
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->enabled());
    QVERIFY(timer->isRunning());
}

void TestClockMainWindow::clockEmptyUntilTheFirstTick()
{
    TestClock::install(QDateTime(QDate(2024, 5, 7), QTime(9, 5, 3)));
    QElapsedTimer sinceLayout;
    sinceLayout.start();
    auto form = buildMainWindow();
    QCOMPARE(form->StatusBar_Main->panelText(4), QString());
    form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // Still empty most of the first second (a loaded machine may take longer
    // than that to show the window).
    if (sinceLayout.elapsed() < 600) {
        QTest::qWait(700 - int(sinceLayout.elapsed()));
        QCOMPARE(form->StatusBar_Main->panelText(4), QString());
    }
    QTRY_COMPARE_WITH_TIMEOUT(form->StatusBar_Main->panelText(4),
                              QStringLiteral("2024年5月7日 09:05:03"), 2000);
}

void TestClockMainWindow::tickWritesTheClockText()
{
    TestClock::install(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
    auto form = buildMainWindow();
    form->Timer_MainTimer(form->Timer_Main);
    QCOMPARE(form->StatusBar_Main->panelText(4), QStringLiteral("2025年12月31日 23:59:59"));
    // The other panels are left as they are.
    QCOMPARE(form->StatusBar_Main->panelText(1), QStringLiteral("岱汐软件"));
}

// Each tick reads the clock anew: across midnight, and when the machine's
// clock is set back.
void TestClockMainWindow::tickFollowsTheClock()
{
    TestClock *clock = TestClock::install(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
    auto form = buildMainWindow();
    QTRY_COMPARE_WITH_TIMEOUT(form->StatusBar_Main->panelText(4),
                              QStringLiteral("2025年12月31日 23:59:59"), 2000);
    clock->set(QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(form->StatusBar_Main->panelText(4),
                              QStringLiteral("2026年1月1日 00:00:00"), 2000);
    clock->set(QDateTime(QDate(2024, 5, 7), QTime(9, 5, 3)));
    QTRY_COMPARE_WITH_TIMEOUT(form->StatusBar_Main->panelText(4),
                              QStringLiteral("2024年5月7日 09:05:03"), 2000);
}

void TestClockMainWindow::unchangedTimeRepaintsNothing()
{
    TestClock::install(QDateTime(QDate(2024, 5, 7), QTime(9, 5, 3)));
    auto form = buildMainWindow();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->Timer_MainTimer(form->Timer_Main);
    QTest::qWait(100);
    // Count the bar's paint events from here on.
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    form->StatusBar_Main->installEventFilter(&counter);
    form->Timer_MainTimer(form->Timer_Main);
    QTest::qWait(1300); // a real tick too, with the same pinned time
    QCOMPARE(counter.paints, 0);
    form->StatusBar_Main->removeEventFilter(&counter);
}

// With no timer to be had, the main window cannot be built: the error box
// "Application Error" names the error, and the program ends with exit code 1.
void TestClockMainWindow::noTimerEndsTheStartUp()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(noTimersChild)});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    QVERIFY2(output.contains(QStringLiteral("box: Application Error|")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("Not enough timers available")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("EOutOfResources")), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("shown")), qPrintable(output));
}

// The child: the program's own start-up with no timer left. It answers the
// error box as soon as it is up and reports what it said.
static int startUpWithNoTimers(int argc, char **argv)
{
    TTimer::NoTimersLeft none;
    return TApplication::Main(argc, argv, [] {
        auto *answer = new QTimer(QCoreApplication::instance());
        QObject::connect(answer, &QTimer::timeout, [] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (box && box->isVisible()) {
                    std::printf("box: %s|%s\n", qPrintable(box->windowTitle()),
                                qPrintable(box->text()));
                    std::fflush(stdout);
                    box->accept();
                }
            }
        });
        answer->start(50);
        Application->Initialize();
        Application->setTitle(QStringLiteral("岱汐服装销售管理系统"));
        Application->CreateForm(Form_Main);
        std::printf("main window shown\n");
        Application->Run();
    });
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], noTimersChild) == 0)
        return startUpWithNoTimers(argc, argv);
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("岱汐服装销售管理系统"));
    TestClockMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clock_mainwindow.moc"
