#include "DialogKeys.h"
#include "ErrorText.h"
#include "ModalPlacement.h"
#include "VirtualKeys.h"

#include <QTest>

Q_DECLARE_METATYPE(DialogKeyAction)

// The platform's pure rules: error texts, modal placement, dialog keys.
class TestPlatformRules : public QObject
{
    Q_OBJECT
private slots:
    void errorText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain gets a full stop") << "Not enough timers available"
                                                << "Not enough timers available.";
        QTest::newRow("full stop kept") << "Done." << "Done.";
        QTest::newRow("exclamation kept") << "Please update to new version !"
                                          << "Please update to new version !";
        QTest::newRow("comma sorts before the full stop") << "a," << "a,";
        QTest::newRow("digit sorts after") << "code 5" << "code 5.";
        QTest::newRow("chinese sorts after") << "确认退出系统" << "确认退出系统.";
        QTest::newRow("full-width question mark sorts after") << "确认退出系统？"
                                                              << "确认退出系统？.";
        QTest::newRow("empty stays empty") << "" << "";
    }
    void errorText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void applicationError()
    {
        const QString text = applicationErrorText(QStringLiteral("EOutOfResources"),
                                                  QStringLiteral("daixi-shell"),
                                                  reinterpret_cast<const void *>(0x4a2f10),
                                                  QStringLiteral("Not enough timers available"));
        QCOMPARE(text, QStringLiteral("Exception EOutOfResources in module daixi-shell at 004A2F10.\n"
                                      "Not enough timers available."));
    }

    void centring_data()
    {
        QTest::addColumn<QSize>("desktop");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("even") << QSize(1280, 1024) << QSize(344, 194) << QPoint(468, 415);
        QTest::newRow("odd halves truncate") << QSize(1281, 1025) << QSize(344, 194)
                                             << QPoint(468, 415);
        QTest::newRow("two monitors side by side") << QSize(2560, 1024) << QSize(344, 194)
                                                   << QPoint(1108, 415);
        QTest::newRow("larger than the desktop clamps at 0") << QSize(300, 150) << QSize(344, 194)
                                                             << QPoint(0, 0);
        QTest::newRow("wider only") << QSize(300, 1024) << QSize(344, 194) << QPoint(0, 415);
    }
    void centring()
    {
        QFETCH(QSize, desktop);
        QFETCH(QSize, outer);
        QFETCH(QPoint, position);
        QCOMPARE(centredModalPosition(desktop, outer), position);
    }

    void dialogKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<DialogKeyAction>("action");
        using A = DialogKeyAction;
        const Qt::KeyboardModifiers none;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << A::FocusNext;
        QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                   << A::FocusPrevious;
        QTest::newRow("ctrl+tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                  << A::Swallow;
        QTest::newRow("right") << int(Qt::Key_Right) << none << A::FocusNext;
        QTest::newRow("down") << int(Qt::Key_Down) << none << A::FocusNext;
        QTest::newRow("left") << int(Qt::Key_Left) << none << A::FocusPrevious;
        QTest::newRow("up") << int(Qt::Key_Up) << none << A::FocusPrevious;
        QTest::newRow("keypad arrow") << int(Qt::Key_Left)
                                      << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                      << A::FocusPrevious;
        QTest::newRow("alt+left") << int(Qt::Key_Left) << Qt::KeyboardModifiers(Qt::AltModifier)
                                  << A::Swallow;
        QTest::newRow("enter") << int(Qt::Key_Return) << none << A::ClickEnterButton;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter)
                                      << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                      << A::ClickEnterButton;
        QTest::newRow("shift+enter") << int(Qt::Key_Return)
                                     << Qt::KeyboardModifiers(Qt::ShiftModifier) << A::PassOn;
        QTest::newRow("ctrl+enter") << int(Qt::Key_Return)
                                    << Qt::KeyboardModifiers(Qt::ControlModifier) << A::PassOn;
        QTest::newRow("alt+f4") << int(Qt::Key_F4) << Qt::KeyboardModifiers(Qt::AltModifier)
                                << A::CloseRequest;
        QTest::newRow("f4") << int(Qt::Key_F4) << none << A::PassOn;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << A::PassOn;
        QTest::newRow("space") << int(Qt::Key_Space) << none << A::PassOn;
    }
    void dialogKeys()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(DialogKeyAction, action);
        QCOMPARE(dialogKeyAction(key, modifiers), action);
    }

    void keyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("escape") << int(Qt::Key_Escape) << 27;
        QTest::newRow("return") << int(Qt::Key_Return) << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << 13;
        QTest::newRow("letter") << int(Qt::Key_Q) << int('Q');
        QTest::newRow("f5") << int(Qt::Key_F5) << 0x74;
        QTest::newRow("no code") << int(Qt::Key_MediaPlay) << 0;
    }
    void keyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, code);
        QCOMPARE(int(virtualKeyCode(key)), code);
    }
};

QTEST_GUILESS_MAIN(TestPlatformRules)
#include "tst_platform_rules.moc"
