// The skin component and its watch on windows: loading and its failures,
// the activation request, which windows are skinned and when, and the
// program's own forms under the skin.
#include "Main_Frm.h"
#include "SkinButton.h"
#include "SkinData.h"
#include "SkinEngine.h"
#include "SkinErrors.h"
#include "SkinPackage.h"
#include "SkinStyle.h"
#include "SkinTitleBar.h"
#include "TRzBitBtn.h"
#include "TRzLabel.h"
#include "TestApplication.h"
#include "Unit_MessageBox.h"

#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QWindow>
#include <QtTest>

namespace {

// The message boxes shown while `action` runs: each is recorded and closed.
struct ShownBox
{
    QString text;
    QString shownText;
    QString caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    int visibleWindows;
};

template <class Action> QList<ShownBox> boxesDuring(Action action)
{
    QList<ShownBox> boxes;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&boxes] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        int visible = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            visible += w->isVisible() && w != box;
        boxes.append({box->property("daixiSkinMessage").toString(), box->text(),
                      box->windowTitle(), box->icon(), box->standardButtons(), visible});
        box->accept();
    });
    poll.start();
    action();
    return boxes;
}

SkinTitleBar *titleBarOf(QWidget *window)
{
    return window->findChild<SkinTitleBar *>(QString(), Qt::FindDirectChildrenOnly);
}

void showAndActivate(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// The component as a layout leaves it: the built-in skin, switched on.
void switchOn(TSkinData &data, const SkinRules::SkinControls &controls)
{
    data.setActive(true);
    data.setSkinControls(controls);
    data.setSkinStream(TSkinData::builtInSkinStream());
    data.Loaded();
}

bool noVisibleWindowLeft()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::none_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); });
}

} // namespace

class TestSkinData : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QTRY_VERIFY(noVisibleWindowLeft()); }

    void usableSkinSwitchesOnWhenLoaded()
    {
        TSkinData data;
        data.setActive(true);
        QList<ShownBox> boxes = boxesDuring([&] { data.setSkinStream(TSkinData::builtInSkinStream()); });
        QVERIFY(boxes.isEmpty());
        QCOMPARE(data.skinState(), TSkinData::SkinState::Usable);
        QVERIFY(!data.isSkinning()); // only recorded while the layout loads
        data.Loaded();
        QVERIFY(data.engine()->isWatching());
        QVERIFY(data.isSkinning());
        data.setActive(true); // the creation handler's request: changes nothing
        QVERIFY(data.Active());
        QVERIFY(data.isSkinning());
    }

    void unusableSkins_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const QList<SkinPackage::Entry> entries = SkinPackage::read(TSkinData::builtInSkinStream()).entries;
        QTest::newRow("older format") << SkinPackage::pack(entries, 19000)
                                      << TSkinData::olderSkinMessage() << int(QMessageBox::NoIcon);
        QByteArray cut = TSkinData::builtInSkinStream();
        cut.chop(100);
        QTest::newRow("truncated") << cut << TSkinData::damagedSkinMessage()
                                   << int(QMessageBox::Warning);
        QList<SkinPackage::Entry> bad = entries;
        for (auto &e : bad)
            if (e.name.endsWith(QLatin1String(".png")))
                e.data = "not a picture";
        QTest::newRow("image that does not decode")
            << SkinPackage::pack(bad) << TSkinData::damagedSkinMessage() << int(QMessageBox::Warning);
        QTest::newRow("count 0") << QByteArray(4, 0) << QString() << 0;
    }

    // One message box, in the standard look, before any window; afterwards
    // Active reads True and nothing is skinned.
    void unusableSkins()
    {
        QFETCH(QByteArray, block);
        QFETCH(QString, message);
        QFETCH(int, icon);
        TSkinData data;
        data.setActive(true);
        const QList<ShownBox> boxes = boxesDuring([&] { data.setSkinStream(block); });
        if (message.isEmpty()) {
            QVERIFY(boxes.isEmpty());
        } else {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, message);
            QCOMPARE(boxes[0].shownText, QString(message).replace(u'\r', u'\n'));
            QCOMPARE(boxes[0].caption, Application->Title());
            QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(int(boxes[0].icon), icon);
            QCOMPARE(boxes[0].visibleWindows, 0);
        }
        data.Loaded();
        QVERIFY(!data.Active());
        data.setActive(true);
        QVERIFY(data.Active());
        QVERIFY(!data.isSkinning());

        QMainWindow window;
        showAndActivate(&window);
        QTest::qWait(50);
        QVERIFY(!titleBarOf(&window));
        QVERIFY(!(window.windowHandle()->flags() & Qt::FramelessWindowHint));
    }

    void olderMessageText()
    {
        QCOMPARE(TSkinData::olderSkinMessage(),
                 QStringLiteral("This is Older Skin File\rPlease update to new version !"));
    }

    void memoryThatCannotBeHad()
    {
        TSkinData data;
        data.setUnpackAllocator([](QByteArray &, qsizetype) { return false; });
        try {
            data.setSkinStream(TSkinData::builtInSkinStream());
            QFAIL("no error raised");
        } catch (const ESkinMemory &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("LZH : Cannot get memory for dictionary tables"));
        }
    }

    void windowsAreSkinnedOnceAtFirstActivation()
    {
        TSkinData data;
        switchOn(data, SkinRules::controlSet({SkinRules::xcMainMenu, SkinRules::xcButton}));
        SkinEngine *engine = data.engine();

        auto *window = new QMainWindow;
        window->setCentralWidget(new QLabel(QStringLiteral("x")));
        window->resize(400, 300);
        showAndActivate(window);
        QTRY_VERIFY(titleBarOf(window));
        QVERIFY(engine->isSkinned(window));
        QVERIFY(window->windowHandle()->flags() & Qt::FramelessWindowHint);
        QCOMPARE(window->palette().color(QPalette::Window), data.theme()->colors.buttonFace);
        // Activated again: not taken a second time.
        QMainWindow other;
        showAndActivate(&other);
        showAndActivate(window);
        QTest::qWait(30);
        QCOMPARE(window->findChildren<SkinTitleBar *>().size(), 1);
        QTRY_COMPARE(engine->skinnedCount(), 2); // and the other one
        delete window;
        QCOMPARE(engine->skinnedCount(), 1);
    }

    void popupMenusAreSkinnedButNotTheWindowMenu()
    {
        TSkinData data;
        switchOn(data, SkinRules::controlSet({SkinRules::xcMainMenu, SkinRules::xcPopupMenu}));
        QMainWindow window;
        window.resize(400, 300);
        showAndActivate(&window);
        QTRY_VERIFY(titleBarOf(&window));

        QMenu menu(&window);
        menu.addAction(QStringLiteral("刷新"));
        QMenu *sub = menu.addMenu(QStringLiteral("编码"));
        menu.popup(window.mapToGlobal(QPoint(50, 50)));
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(menu.style(), data.engine()->style());
        sub->ensurePolished();
        QCOMPARE(sub->style(), data.engine()->style());
        menu.close();

        // Right click on the title bar: the window menu, in the standard look.
        SkinTitleBar *bar = titleBarOf(&window);
        QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(60, 10));
        QMenu *windowMenu = nullptr;
        QTRY_VERIFY((windowMenu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QVERIFY(windowMenu->style() != data.engine()->style());
        QCOMPARE(windowMenu->actions().last()->text(), QStringLiteral("关闭(&C)"));
        windowMenu->close();
    }

    void captionButtonsHighlightAndClear()
    {
        TSkinData data;
        switchOn(data, SkinRules::controlSet({SkinRules::xcMainMenu}));
        QMainWindow window;
        window.resize(400, 300);
        showAndActivate(&window);
        QTRY_VERIFY(titleBarOf(&window));
        SkinTitleBar *bar = titleBarOf(&window);
        QTest::mouseMove(bar, bar->buttonRect(1).center());
        QCOMPARE(bar->hotButton(), 1);
        // The pointer leaves without a leave event reaching the bar: the
        // periodic check clears the highlight.
        QCursor::setPos(window.mapToGlobal(QPoint(200, 200)));
        QTRY_COMPARE_WITH_TIMEOUT(bar->hotButton(), -1, 1000);
    }

    void messageBoxesGetFrameAndControls()
    {
        TSkinData data;
        switchOn(data, SkinRules::controlSet({SkinRules::xcMainMenu}));
        QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("保存成功！"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        bool checked = false;
        whenIdle([&] {
            QTRY_VERIFY(titleBarOf(&box));
            QTRY_VERIFY(box.button(QMessageBox::Ok)->findChild<SkinButton *>());
            checked = true;
            box.accept();
        });
        box.exec(); // the takeover must not end the dialog's own loop
        QVERIFY(checked);
    }

    // The program's forms under the skin: the main window with SkinData_Main
    // as its layout sets it, and the question with its buttons.
    void programForms()
    {
        TForm_Main *main = nullptr;
        Application->CreateForm(main);
        QVERIFY(main && main->SkinData_Main);
        TSkinData *skin = main->SkinData_Main;
        QVERIFY(skin->Active());
        QCOMPARE(skin->DisableTag(), 99);
        QCOMPARE(skin->SkinControls().count(), size_t(11));
        using namespace SkinRules;
        for (SkinControl kind : {xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcProgress,
                                 xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox, xcTab})
            QVERIFY(skin->SkinControls().test(kind));
        QVERIFY(skin->Options().isEmpty());
        QCOMPARE(skin->Skin3rd(), TSkinData::builtInSkin3rd());
        QCOMPARE(skin->SkinStore(), QStringLiteral("(Good)"));
        QCOMPARE(skin->SkinFormtype(), TSkinData::sfMainform);
        QCOMPARE(skin->Version(), QStringLiteral("3.02.03.09"));
        QVERIFY(!skin->MenuUpdate() && !skin->MenuMerge());
        QCOMPARE(skin->SkinStream(), TSkinData::builtInSkinStream());
        QVERIFY(skin->isSkinning());

        main->showMaximized();
        main->activateWindow();
        QTRY_VERIFY(titleBarOf(main));
        SkinTitleBar *bar = titleBarOf(main);
        QCOMPARE(bar->buttons(), (QList<CaptionButton>{CaptionButton::Close, CaptionButton::Restore,
                                                        CaptionButton::Minimize}));

        bool asked = false;
        whenIdle([&] {
            QTRY_VERIFY(Form_MessageBox && titleBarOf(Form_MessageBox));
            TForm_MessageBox *box = Form_MessageBox;
            QVERIFY(titleBarOf(box)->buttons().isEmpty());
            QCOMPARE(box->centralWidget()->size(), QSize(342, 173));
            QTRY_VERIFY(box->RzBitBtn_Ok->findChild<SkinButton *>());
            QVERIFY(box->RzBitBtn_Cancel->findChild<SkinButton *>());
            // Labels keep their own look and show the skin's face behind them.
            QCOMPARE(box->Label_Tip->style(), QApplication::style());
            QCOMPARE(box->Label_Tip->palette().color(QPalette::Window),
                     skin->theme()->colors.buttonFace);
            asked = true;
            QTest::mouseClick(box->RzBitBtn_Cancel, Qt::LeftButton);
        });
        // Our close button sends the close request every other path sends.
        const int close = int(bar->buttons().indexOf(CaptionButton::Close));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->buttonRect(close).center());
        QTRY_VERIFY(asked);
        QTRY_VERIFY(!Form_MessageBox);
        QVERIFY(main->isVisible());
        delete main;
    }
};

DAIXI_GUI_TEST_MAIN(TestSkinData)
#include "tst_skin_data.moc"
