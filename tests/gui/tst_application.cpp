#include "Exception.h"
#include "Main_Frm.h"
#include "TestApplication.h"
#include "Unit_MessageBox.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include "TRzBitBtn.h"

namespace {

// A form whose handlers a case sets.
class FixtureForm : public TForm
{
public:
    std::function<void()> layout;
    std::function<void()> create;
    std::function<void(bool &)> closeQuery;

protected:
    void loadLayout() override
    {
        resize(200, 100);
        if (layout)
            layout();
        OnCreate = [this](QObject *) {
            if (create)
                create();
        };
        OnCloseQuery = [this](QObject *, bool &canClose) {
            if (closeQuery)
                closeQuery(canClose);
        };
    }
};

// The open error box's text, after dismissing it; empty when none came.
QString takeErrorBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box) {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if ((box = qobject_cast<QMessageBox *>(w)) && box->isVisible())
                break;
            box = nullptr;
        }
    }
    if (!box)
        return {};
    const QString text = box->windowTitle() + QLatin1Char('|') + box->text();
    box->button(QMessageBox::Ok)->click();
    return text;
}

} // namespace

// The application object's start-up, error reporting and close path.
class TestApplication : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void errorInCreationHandlerIsShownAndFormStillBuilt()
    {
        QString box;
        whenIdle([&] { box = takeErrorBox(); });
        FixtureForm form;
        form.create = [] { throw Exception(QStringLiteral("Skin not ready")); };
        form.Build();
        QCOMPARE(box, QStringLiteral("岱汐服装销售管理系统|Skin not ready."));
        QVERIFY(form.winId());
    }

    void silentAbortShowsNothing()
    {
        QString box = QStringLiteral("untouched");
        whenIdle([&] { box = takeErrorBox(); }, 50);
        FixtureForm form;
        form.create = [] { throw EAbort(QStringLiteral("quiet")); };
        form.Build();
        QTest::qWait(100);
        QCOMPARE(box, QString());
    }

    void errorWhileLoadingLayoutEscapesAndEmptiesReference()
    {
        struct Failing : FixtureForm
        {
            Failing() { layout = [] { throw EOutOfResources(QStringLiteral("Not enough timers available")); }; }
        };
        Failing *reference = reinterpret_cast<Failing *>(0x1);
        QVERIFY_THROWS_EXCEPTION(EOutOfResources, Application->CreateForm(reference));
        QCOMPARE(reference, nullptr);
        QCOMPARE(Application->MainForm(), nullptr);
    }

    void closeQueryDecides()
    {
        FixtureForm form;
        bool answer = false;
        int asked = 0;
        form.closeQuery = [&](bool &canClose) {
            ++asked;
            canClose = answer;
        };
        form.Build();
        form.show();
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        answer = true;
        form.close();
        QVERIFY(!form.isVisible());
        QCOMPARE(asked, 2);
        QVERIFY(form.sessionEndQuery());
    }

    void errorInCloseQueryIsShownAndCloseAbandoned()
    {
        FixtureForm form;
        form.closeQuery = [](bool &) { throw Exception(QStringLiteral("cannot ask")); };
        form.Build();
        form.show();
        QString box;
        whenIdle([&] { box = takeErrorBox(); });
        form.close();
        QCOMPARE(box, QStringLiteral("岱汐服装销售管理系统|cannot ask."));
        QVERIFY(form.isVisible());
        form.closeQuery = nullptr;
        form.close();
    }

    void showModalRefusedWhenVisible()
    {
        FixtureForm form;
        form.Build();
        form.show();
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, form.ShowModal());
        form.hide();
    }

    void modalDisablesOtherWindowsAndRestoresThem()
    {
        FixtureForm other;
        other.Build();
        other.show();
        FixtureForm dialog;
        dialog.Build();
        bool disabledWhileOpen = false;
        whenIdle([&] {
            disabledWhileOpen = !other.isEnabled();
            dialog.setModalResult(2);
        });
        QCOMPARE(dialog.ShowModal(), 2);
        QVERIFY(disabledWhileOpen);
        QVERIFY(other.isEnabled());
        QVERIFY(!dialog.isVisible());
        other.hide();
    }

    void closeRequestOnModalFormAnswersCancel()
    {
        FixtureForm dialog;
        bool asked = false;
        dialog.closeQuery = [&](bool &) { asked = true; };
        dialog.Build();
        whenIdle([&] { dialog.close(); });
        QCOMPARE(dialog.ShowModal(), 2);
        QVERIFY(!asked);
    }

    void questionDialogReleasedWhenShowingFails()
    {
        // A dialog made visible behind ShowModal's back makes showing it
        // fail; the dialog must still be gone afterwards.
        struct ShowEarly : QObject
        {
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::WinIdChange && qobject_cast<TForm_MessageBox *>(o))
                    static_cast<QWidget *>(o)->show();
                return false;
            }
        } filter;
        qApp->installEventFilter(&filter);
        QVERIFY_THROWS_EXCEPTION(EInvalidOperation, ShowMessageBox(QStringLiteral("确认退出系统？")));
        qApp->removeEventFilter(&filter);
        QCOMPARE(Form_MessageBox, nullptr);
        QTRY_VERIFY(std::none_of(QApplication::topLevelWidgets().cbegin(),
                                 QApplication::topLevelWidgets().cend(),
                                 [](QWidget *w) { return qobject_cast<TForm_MessageBox *>(w); }));
    }

    void mainWindowSettings()
    {
        Application->CreateForm(Form_Main);
        QVERIFY(Form_Main);
        QCOMPARE(Application->MainForm(), Form_Main);
        QCOMPARE(Form_Main->windowTitle(), QStringLiteral("岱汐服装销售管理系统"));
        QCOMPARE(Form_Main->outerBounds(), QRect(193, 106, 1024, 768));
        QCOMPARE(Form_Main->outerMinimumSize(), QSize(1024, 768));
        QVERIFY(Form_Main->startsMaximized());
        QVERIFY(!Form_Main->KeyPreview);
        QCOMPARE(Form_Main->font().pixelSize(), 13);
        const Qt::WindowFlags flags = Form_Main->windowFlags();
        QVERIFY(!(flags & Qt::FramelessWindowHint));
    }

    void mainCloseAsksAndTerminatesOnOk()
    {
        QVERIFY(Form_Main);
        Form_Main->showMaximized();
        // Cancel: nothing changes.
        whenIdle([] { Form_MessageBox->RzBitBtn_Cancel->click(); });
        Form_Main->close();
        QVERIFY(Form_Main->isVisible());
        QVERIFY(!Application->Terminated());
        // A second request while the question is open is refused, the
        // question stays.
        bool second = true;
        whenIdle([&] {
            second = Form_Main->sessionEndQuery();
            QVERIFY(Form_MessageBox && Form_MessageBox->isVisible());
            Form_MessageBox->RzBitBtn_Ok->click();
        });
        Form_Main->close();
        QCOMPARE(second, false);
        // OK: the window stays until the tear-down; the loop is told to end.
        QVERIFY(Form_Main->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(Application->Terminated());
        delete Form_Main;
        Form_Main = nullptr;
    }
};

DAIXI_GUI_TEST_MAIN(TestApplication)
#include "tst_application.moc"
