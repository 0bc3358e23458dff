// The skinned bitmap button: faces by state and the mouse and Space rules.
#include "SkinButton.h"
#include "BuiltInSkin.h"
#include "TRzBitBtn.h"
#include "TestApplication.h"

#include <QFile>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(FaceState)

class TestSkinButton : public QObject
{
    Q_OBJECT
    std::unique_ptr<SkinStyle> m_style;
    QWidget *m_host = nullptr;
    TRzBitBtn *m_button = nullptr;
    TRzBitBtn *m_other = nullptr;
    SkinButton *m_skin = nullptr;

    QPoint inside() const { return m_button->rect().center(); }
    QPoint outside() const { return QPoint(m_button->width() + 20, m_button->height() / 2); }

private slots:
    void initTestCase()
    {
        m_style = builtInSkinStyle();
        QVERIFY(m_style);
    }

    void cleanupTestCase() { m_style.reset(); }

    void init()
    {
        m_host = new QWidget;
        auto *layout = new QVBoxLayout(m_host);
        m_other = new TRzBitBtn;
        m_other->setText(QStringLiteral("取消"));
        m_button = new TRzBitBtn;
        m_button->setText(QStringLiteral("确定"));
        m_button->setFixedSize(75, 25);
        layout->addWidget(m_other);
        layout->addWidget(m_button);
        m_skin = new SkinButton(m_button, *m_style);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowActive(m_host));
        m_other->setFocus();
    }

    void cleanup()
    {
        delete m_host;
        QVERIFY(noTopLevelShown());
    }

    void mouseSequences_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("clicks");
        // p press, r release, o move outside, i move inside; R release outside
        QTest::newRow("press and release over it") << "p r" << 1;
        QTest::newRow("press, leave, release outside") << "p o R" << 0;
        QTest::newRow("press, leave, come back, release") << "p o i r" << 0;
        QTest::newRow("press, move within, release") << "p i r" << 1;
        QTest::newRow("two clicks") << "p r p r" << 2;
    }

    void mouseSequences()
    {
        QFETCH(QString, steps);
        QFETCH(int, clicks);
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        for (const QString &step : steps.split(u' ')) {
            if (step == QLatin1String("p")) {
                QTest::mousePress(m_button, Qt::LeftButton, {}, inside());
                QCOMPARE(m_skin->state(), FaceState::Pressed);
                QVERIFY(m_button->hasFocus());
            } else if (step == QLatin1String("r")) {
                QTest::mouseRelease(m_button, Qt::LeftButton, {}, inside());
            } else if (step == QLatin1String("R")) {
                QTest::mouseRelease(m_button, Qt::LeftButton, {}, outside());
            } else if (step == QLatin1String("o")) {
                QTest::mouseMove(m_button, outside());
                QVERIFY(!m_skin->pressed());
                QVERIFY(!m_skin->hot());
            } else if (step == QLatin1String("i")) {
                QTest::mouseMove(m_button, inside());
            }
        }
        QCOMPARE(clicked.count(), clicks);
        QVERIFY(m_button->hasFocus()); // the focus stays where the press put it
        QVERIFY(!m_skin->pressed());
    }

    void doubleClickShowsPressed()
    {
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(inside()),
                        m_button->mapToGlobal(QPointF(inside())), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(m_button, &dbl);
        QVERIFY(m_button->hasFocus());
        QCOMPARE(m_skin->state(), FaceState::Pressed);
        QTest::mouseRelease(m_button, Qt::LeftButton, {}, inside());
        QCOMPARE(clicked.count(), 1);
    }

    void otherButtonsDoNothing()
    {
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        QTest::mouseClick(m_button, Qt::RightButton, {}, inside());
        QTest::mouseClick(m_button, Qt::MiddleButton, {}, inside());
        QCOMPARE(clicked.count(), 0);
        QVERIFY(m_other->hasFocus());
    }

    void spaceShowsPressedWhileHeld()
    {
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        m_button->setFocus();
        QTest::keyPress(m_button, Qt::Key_Space);
        QCOMPARE(m_skin->state(), FaceState::Pressed);
        QTest::keyRelease(m_button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(m_skin->state(), FaceState::Hot); // focused
    }

    void spaceAnswersNothingWhenFocusLeaves()
    {
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        m_button->setFocus();
        QTest::keyPress(m_button, Qt::Key_Space);
        m_other->setFocus(Qt::TabFocusReason);
        QTest::keyRelease(m_button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(m_skin->state(), FaceState::Normal);
    }

    void faceOrder()
    {
        // Default only when nothing else applies; focus and hot outrank it.
        m_button->setDefaultButton(true);
        QCOMPARE(m_skin->state(), FaceState::Default);
        m_button->setFocus();
        QCOMPARE(m_skin->state(), FaceState::Hot);
        m_button->setEnabled(false);
        QCOMPARE(m_skin->state(), FaceState::Disabled);
    }

    void captionLineBreak()
    {
        QCOMPARE(SkinButton::displayText(QStringLiteral("确定||取消")), QStringLiteral("确定\n取消"));
        QCOMPARE(SkinButton::displayText(QStringLiteral("a|b")), QStringLiteral("a|b"));
    }

    void paintsWithoutTheButtonsOwnLook()
    {
        m_button->setGlyph(QPixmap(QStringLiteral(":/glyphs/RzBitBtn_Ok.bmp")));
        m_button->setNumGlyphs(2);
        m_button->setMargin(2);
        const QImage shot = m_button->grab().toImage();
        // The button's own face colour #F4F4F0 does not show; the skin's does.
        QVERIFY(shot.pixelColor(shot.width() / 2, 3) != QColor(0xF4, 0xF4, 0xF0));
        // The glyph's bottom-left colour is transparent.
        const BitBtnLayout layout = m_button->layoutIn(m_button->rect());
        QVERIFY(!layout.glyph.isNull());
        QVERIFY(shot.pixelColor(layout.glyph.bottomLeft()) != QColor(0xEC, 0xE9, 0xD8));
    }
};

DAIXI_GUI_TEST_MAIN(TestSkinButton)
#include "tst_skin_button.moc"
