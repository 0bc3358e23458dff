#include "TestApplication.h"
#include "TRzBitBtn.h"
#include "TRzLabel.h"
#include "Unit_MessageBox.h"

#include <QApplication>
#include <QSignalSpy>

// The confirmation dialog as a person meets it: keys, mouse, and the
// guarantee that no dialog outlives the question.
class TestMessageBox : public QObject
{
    Q_OBJECT
    QTimer m_watchdog;

    // Asks the question, running `drive` against the open dialog.
    template <class Drive> bool ask(Drive drive, const QString &question = QStringLiteral("确认退出系统？"))
    {
        whenIdle([=] {
            QVERIFY(Form_MessageBox);
            QVERIFY(QTest::qWaitForWindowExposed(Form_MessageBox));
            drive(Form_MessageBox);
            // A dialog still waiting after the drive gives up with Cancel.
            if (Form_MessageBox)
                QTimer::singleShot(200, [] {
                    if (Form_MessageBox)
                        Form_MessageBox->setModalResult(-1);
                });
        });
        return ShowMessageBox(question);
    }

private slots:
    void initTestCase()
    {
        // However a case fails, no dialog is left waiting.
        m_watchdog.setSingleShot(true);
        m_watchdog.setInterval(3000);
        connect(&m_watchdog, &QTimer::timeout, this, [] {
            if (Form_MessageBox)
                Form_MessageBox->setModalResult(-1);
        });
    }

    void init() { m_watchdog.start(); }

    void cleanup()
    {
        m_watchdog.stop();
        QCOMPARE(Form_MessageBox, nullptr);
        QTRY_VERIFY(noTopLevelShown());
    }

    void layout()
    {
        ask([](TForm_MessageBox *dialog) {
            QCOMPARE(dialog->size(), QSize(342, 173));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("岱汐服装销售管理系统"));
            QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(dialog->RzBitBtn_Ok->geometry(), QRect(86, 125, 75, 25));
            QCOMPARE(dialog->RzBitBtn_Cancel->geometry(), QRect(182, 125, 75, 25));
            QCOMPARE(dialog->Label_Tip->geometry(), QRect(21, 30, 300, 75));
            QCOMPARE(dialog->RzLabel1->pos(), QPoint(8, 8));
            QCOMPARE(dialog->RzLabel1->height(), 15);
            QCOMPARE(dialog->Label_Tip->text(), QStringLiteral("确认退出系统？"));
            QCOMPARE(dialog->font().pixelSize(), 15);
            QCOMPARE(dialog->RzBitBtn_Ok->text(), QStringLiteral("确定"));
            QCOMPARE(dialog->RzBitBtn_Cancel->text(), QStringLiteral("取消"));
            QCOMPARE(dialog->focusWidget(), dialog->RzBitBtn_Cancel);
            dialog->setModalResult(2);
        });
    }

    void glyphs()
    {
        ask([](TForm_MessageBox *dialog) {
            for (TRzBitBtn *button : {dialog->RzBitBtn_Ok, dialog->RzBitBtn_Cancel}) {
                QCOMPARE(button->glyph().size(), QSize(32, 16));
                const QImage normal = button->glyphImage(0).toImage();
                QCOMPARE(normal.size(), QSize(16, 16));
                // The background colour is transparent, the mark is not.
                QCOMPARE(qAlpha(normal.pixel(0, 15)), 0);
                QCOMPARE(qAlpha(normal.pixel(8, 8)) > 0 || qAlpha(normal.pixel(7, 11)) > 0, true);
            }
            dialog->setModalResult(2);
        });
    }

    void keys_data()
    {
        QTest::addColumn<bool>("focusOk");
        QTest::addColumn<QString>("keys"); // space-separated steps
        QTest::addColumn<int>("answer");   // 1 OK, 2 Cancel, 0 still waiting

        QTest::newRow("enter on cancel") << false << "Enter" << 2;
        QTest::newRow("enter on ok") << true << "Enter" << 1;
        QTest::newRow("shift+enter on cancel") << false << "Shift+Enter" << 1;
        QTest::newRow("ctrl+enter on cancel") << false << "Ctrl+Enter" << 1;
        QTest::newRow("alt+enter on cancel") << false << "Alt+Enter" << 1;
        QTest::newRow("escape on ok") << true << "Escape" << 2;
        QTest::newRow("shift+escape on cancel") << false << "Shift+Escape" << 2;
        QTest::newRow("space on cancel") << false << "Space" << 2;
        QTest::newRow("space on ok") << true << "Space" << 1;
        QTest::newRow("tab then enter") << false << "Tab Enter" << 1;
        QTest::newRow("shift+tab then enter") << false << "Shift+Tab Enter" << 1;
        QTest::newRow("tab twice then enter") << false << "Tab Tab Enter" << 2;
        QTest::newRow("right then enter") << false << "Right Enter" << 1;
        QTest::newRow("up then enter") << false << "Up Enter" << 1;
        QTest::newRow("left on ok then enter") << true << "Left Enter" << 2;
        QTest::newRow("ctrl+tab then enter") << false << "Ctrl+Tab Enter" << 2;
        QTest::newRow("alt+f4") << true << "Alt+F4" << 2;
        QTest::newRow("space held, tab, released") << false << "SpaceDown Tab SpaceUp" << 0;
        QTest::newRow("letter does nothing") << false << "A" << 0;
    }

    void keys()
    {
        QFETCH(bool, focusOk);
        QFETCH(QString, keys);
        QFETCH(int, answer);
        int result = -1;
        whenIdle([&] {
            TForm_MessageBox *dialog = Form_MessageBox;
            QVERIFY(dialog);
            if (focusOk)
                dialog->RzBitBtn_Ok->setFocus();
            for (const QString &step : keys.split(QLatin1Char(' '))) {
                QWidget *focus = dialog->focusWidget();
                QVERIFY(focus);
                if (step == QLatin1String("SpaceDown"))
                    QTest::keyPress(focus, Qt::Key_Space);
                else if (step == QLatin1String("SpaceUp"))
                    QTest::keyRelease(focus, Qt::Key_Space);
                else
                    QTest::keySequence(focus, QKeySequence(QString(step).replace(
                                                  QLatin1String("Enter"), QLatin1String("Return"))));
                if (!Form_MessageBox || dialog->ModalResult() != 0)
                    break;
            }
            result = dialog->ModalResult();
            if (result == 0) {
                if (QString(keys).contains(QLatin1String("SpaceDown")))
                    QCOMPARE(dialog->focusWidget(), dialog->RzBitBtn_Ok);
                dialog->setModalResult(-1);
            }
        });
        const bool ok = ShowMessageBox(QStringLiteral("确认退出系统？"));
        QCOMPARE(result == -1 ? 0 : result, answer);
        QCOMPARE(ok, answer == 1);
    }

    void mouse_data()
    {
        QTest::addColumn<bool>("onOk");
        QTest::addColumn<bool>("releaseOff");
        QTest::addColumn<int>("answer");
        QTest::newRow("click ok") << true << false << 1;
        QTest::newRow("click cancel") << false << false << 2;
        QTest::newRow("press ok, release off it") << true << true << 0;
    }

    void mouse()
    {
        QFETCH(bool, onOk);
        QFETCH(bool, releaseOff);
        QFETCH(int, answer);
        int result = -1;
        whenIdle([&] {
            TForm_MessageBox *dialog = Form_MessageBox;
            TRzBitBtn *button = onOk ? dialog->RzBitBtn_Ok : dialog->RzBitBtn_Cancel;
            QTest::mousePress(button, Qt::LeftButton);
            QCOMPARE(dialog->focusWidget(), button);
            const QPoint where = releaseOff ? QPoint(-20, -20) : button->rect().center();
            QTest::mouseMove(button, where);
            QTest::mouseRelease(button, Qt::LeftButton, {}, where);
            result = dialog->ModalResult();
            if (result == 0) {
                QCOMPARE(dialog->focusWidget(), button);
                // Enter now answers with the focused button.
                QTest::keyClick(button, Qt::Key_Return);
                QCOMPARE(dialog->ModalResult(), 1);
            }
        });
        const bool ok = ShowMessageBox(QStringLiteral("确认退出系统？"));
        QCOMPARE(result, answer);
        QCOMPARE(ok, answer == 1 || (answer == 0 && onOk));
    }

    void freshDialogEachTime()
    {
        TForm_MessageBox *first = nullptr;
        ask([&](TForm_MessageBox *dialog) {
            first = dialog;
            dialog->RzBitBtn_Ok->setFocus();
            dialog->setModalResult(2);
        });
        QCOMPARE(Form_MessageBox, nullptr);
        ask([&](TForm_MessageBox *dialog) {
            QCOMPARE(dialog->focusWidget(), dialog->RzBitBtn_Cancel);
            dialog->setModalResult(2);
        });
        Q_UNUSED(first);
    }

    void secondQuestionWhileOpenIsRefused()
    {
        bool inner = true;
        const bool outer = ask([&](TForm_MessageBox *dialog) {
            inner = ShowMessageBox(QStringLiteral("again"));
            QCOMPARE(Form_MessageBox, dialog);
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->Label_Tip->text(), QStringLiteral("确认退出系统？"));
            QTest::keyClick(dialog->RzBitBtn_Cancel, Qt::Key_Tab);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(inner, false);
        QCOMPARE(outer, true);
    }

    void longQuestionWraps()
    {
        ask(
            [](TForm_MessageBox *dialog) {
                const QStringList lines = dialog->Label_Tip->lines();
                QVERIFY(lines.size() > 5);
                for (const QString &line : lines)
                    QVERIFY(dialog->Label_Tip->fontMetrics().horizontalAdvance(line) <= 300);
                QCOMPARE(dialog->Label_Tip->lineHeight(), 15);
                dialog->setModalResult(2);
            },
            QString(200, QChar(0x6C50)));
    }

    // Last: the application stays terminated afterwards.
    void terminateWhileWaitingAnswersCancel()
    {
        const bool ok = ask([](TForm_MessageBox *) { Application->Terminate(); });
        QCOMPARE(ok, false);
        QVERIFY(Application->Terminated());
    }
};

DAIXI_GUI_TEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
