// The browser host TEmbeddedWB: its start navigation and failure raising,
// settings, main-window watch and dialog captions (with a stand-in engine),
// and, with the real engine, printing to a PDF file, keys, scripts, pop-ups,
// downloads and permissions.
#include "BrowserView.h"
#include "CaptionRule.h"
#include "EmbeddedWB.h"
#include "EngineDialogs.h"
#include "Exception.h"
#include "FloatingPoint.h"
#include "TForm.h"
#include "TestApplication.h"
#include "WebEngineBackend.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <cfenv>

namespace {

const QString kTitle = QStringLiteral("岱汐服装销售管理系统");

// Records what the host asks of its engine.
class FakeEngine : public BrowserEngine
{
public:
    QWidget *widget() override { return &m_widget; }
    EngineStatus navigate(const QUrl &url) override
    {
        urls.append(url);
        return status;
    }
    void applyOptions(DownloadOptions d, UserInterfaceOptions u, bool menu) override
    {
        download = d;
        userInterface = u;
        contextMenu = menu;
        ++optionNotices;
    }
    void appendUserAgentToken(const QString &token) override { tokens.append(token); }
    void installKeyRouting() override { keyRouting = true; }
    bool execute(BrowserCommand command) override
    {
        commands.append(command);
        return true;
    }
    bool printTo(QPrinter *) override { return false; }

    EngineStatus status = kStatusOk;
    QList<QUrl> urls;
    DownloadOptions download;
    UserInterfaceOptions userInterface;
    bool contextMenu = false;
    int optionNotices = 0;
    QStringList tokens;
    bool keyRouting = false;
    QList<BrowserCommand> commands;

private:
    QWidget m_widget;
};

// One of the program's own forms (as the confirmation dialog is one).
class OwnForm : public TForm
{
    Q_OBJECT
protected:
    void loadLayout() override {}
};

QString runScript(QWebEnginePage *page, const QString &script)
{
    QString result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant &value) {
        result = value.toString();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("<no answer>");
    return result;
}

bool loadHtml(BrowserView *view, const QString &html, const QUrl &base = QUrl())
{
    QSignalSpy finished(view, &QWebEngineView::loadFinished);
    view->setHtml(html, base);
    return finished.wait(15000) && finished.first().first().toBool();
}

} // namespace

class TestEmbeddedWB : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void startNavigationOpensTheAddressOnce();
    void startAddressIsPlainHttpOnTheVendorHost();
    void failureIsRaised_data();
    void failureIsRaised();
    void freshHostAndLayoutSettings();
    void loadedFinishesTheSetUp();
    void watchSetUpAtTheEndOfLoading();
    void dialogBoxTest_data();
    void dialogBoxTest();
    void captionReplacement();
    void floatingPointEnvironment();

    void realEngineProfile();
    void printsToPdfWithThePageText();
    void scriptsFindNoHostObject();
    void keysReachThePageOrTheShortcuts();
    void popupsGoWithTheHost();
    void blobDownloadLandsComplete();
    void permissionsAreDenied();
};

void TestEmbeddedWB::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(Application->Title(), kTitle);
}

void TestEmbeddedWB::cleanup()
{
    // Every window a test opened is gone after it.
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            widget->close();
    QTest::qWait(50);
    qDeleteAll(QApplication::topLevelWidgets());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestEmbeddedWB::startNavigationOpensTheAddressOnce()
{
    auto engine = std::make_unique<FakeEngine>();
    FakeEngine *fake = engine.get();
    TEmbeddedWB host(std::move(engine), nullptr);
    host.Loaded();
    host.Navigate2(QStringLiteral(DAIXI_START_URL));
    QCOMPARE(fake->urls, QList<QUrl>{QUrl(QStringLiteral(DAIXI_START_URL))});
}

void TestEmbeddedWB::startAddressIsPlainHttpOnTheVendorHost()
{
    const QUrl url(QStringLiteral(DAIXI_START_URL), QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("http"));
    QVERIFY(!url.host().isEmpty());
    QVERIFY(url.path().size() > 1);
    QCOMPARE(url.path().count(u'/'), 1); // one segment
    QVERIFY(!url.path().endsWith(u'/'));
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
}

void TestEmbeddedWB::failureIsRaised_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<EngineStatus>("engineStatus");
    QTest::addColumn<bool>("reachesEngine");
    QTest::addColumn<QString>("code");

    QTest::newRow("engine failure") << QStringLiteral(DAIXI_START_URL) << kStatusFail << true
                                    << "0x80004005";
    QTest::newRow("engine failure, other code")
        << QStringLiteral(DAIXI_START_URL) << EngineStatus(0x800C0005u) << true << "0x800c0005";
    QTest::newRow("relative address") << "clothing" << kStatusOk << false << "0x80070057";
    QTest::newRow("empty address") << "" << kStatusOk << false << "0x80070057";
    QTest::newRow("not an address") << "http://sales daixi/clothing" << kStatusOk << false
                                    << "0x80070057";
}

void TestEmbeddedWB::failureIsRaised()
{
    QFETCH(QString, url);
    QFETCH(EngineStatus, engineStatus);
    QFETCH(bool, reachesEngine);
    QFETCH(QString, code);

    auto engine = std::make_unique<FakeEngine>();
    FakeEngine *fake = engine.get();
    fake->status = engineStatus;
    TEmbeddedWB host(std::move(engine), nullptr);
    host.Loaded();
    QString message;
    try {
        host.Navigate2(url);
        QFAIL("no error raised");
    } catch (const EOleError &error) {
        message = error.message();
    }
    QVERIFY2(message.contains(code), qPrintable(message));
    QVERIFY2(message.contains(url), qPrintable(message));
    QCOMPARE(fake->urls.size(), reachesEngine ? 1 : 0);
}

void TestEmbeddedWB::freshHostAndLayoutSettings()
{
    auto engine = std::make_unique<FakeEngine>();
    FakeEngine *fake = engine.get();
    TEmbeddedWB host(std::move(engine), nullptr);
    // Fresh: pictures, videos, background sounds; no user-interface flags.
    QCOMPARE(host.downloadControlValue(), 0x70u);
    QCOMPARE(host.userInterfaceValue(), 0u);
    QCOMPARE(fake->download, defaultDownloadOptions());
    QVERIFY(fake->contextMenu);
    QCOMPARE(host.frameShape(), QFrame::StyledPanel);
    QCOMPARE(host.frameShadow(), QFrame::Sunken);

    // The main window's layout, in its order.
    const int before = fake->optionNotices;
    host.setDownloadOptions(defaultDownloadOptions());
    host.setUserInterfaceOptions(UserInterfaceOption::FLAT_SCROLLBAR);
    host.setHideBorders(false);
    host.setHideScrollBars(false);
    host.setDisableRightClickMenu(false);
    host.setReplaceCaption(true);
    host.setEnableDDE(false);
    host.setFpExceptions(true);
    QVERIFY(fake->optionNotices >= before + 2); // each option set told to the engine
    host.Loaded();
    QCOMPARE(host.downloadControlValue(), 0x70u);
    QCOMPARE(host.userInterfaceValue(), 0x80u);
    QCOMPARE(fake->userInterface, UserInterfaceOptions(UserInterfaceOption::FLAT_SCROLLBAR));
    QCOMPARE(host.frameShape(), QFrame::StyledPanel);
    QVERIFY(fake->contextMenu);

    // The other way round.
    host.setHideBorders(true);
    host.setHideScrollBars(true);
    host.setDisableRightClickMenu(true);
    QCOMPARE(host.userInterfaceValue(), 0x20008Cu);
    QCOMPARE(host.frameShape(), QFrame::NoFrame);
    QVERIFY(!fake->contextMenu);
}

void TestEmbeddedWB::loadedFinishesTheSetUp()
{
    auto engine = std::make_unique<FakeEngine>();
    FakeEngine *fake = engine.get();
    TEmbeddedWB host(std::move(engine), nullptr);
    QVERIFY(!fake->keyRouting);
    host.Loaded();
    QVERIFY(fake->keyRouting);
    QCOMPARE(fake->tokens, QStringList{QString()}); // the empty token: nothing changes
    QVERIFY(host.ExecuteCommand(BrowserCommand::Reload));
    QCOMPARE(fake->commands, QList<BrowserCommand>{BrowserCommand::Reload});
}

void TestEmbeddedWB::watchSetUpAtTheEndOfLoading()
{
    {
        // A host on its own has no window to watch.
        TEmbeddedWB host(std::make_unique<FakeEngine>(), nullptr);
        host.Loaded();
        QVERIFY(!host.captionWatchInstalled());
    }
    {
        // In a window, hidden and without a native window yet.
        QMainWindow window;
        auto *host = new TEmbeddedWB(std::make_unique<FakeEngine>(), &window);
        window.setCentralWidget(host);
        QVERIFY(!host->captionWatchInstalled());
        host->Loaded();
        QVERIFY(host->captionWatchInstalled());
        QVERIFY(!window.testAttribute(Qt::WA_WState_Created));
    }
    {
        // The real engine does not create the window's native window either
        // (creating it early would only recreate it for the page's surface).
        QMainWindow window;
        auto *host = new TEmbeddedWB(&window);
        window.setCentralWidget(host);
        host->Loaded();
        QVERIFY(host->captionWatchInstalled());
        QVERIFY(!window.testAttribute(Qt::WA_WState_Created));
    }
}

void TestEmbeddedWB::dialogBoxTest_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("expected");
    QTest::newRow("message box") << "QMessageBox" << true;
    QTest::newRow("file dialog") << "QFileDialog" << true;
    QTest::newRow("input dialog") << "QInputDialog" << true;
    QTest::newRow("progress dialog") << "QProgressDialog" << true;
    QTest::newRow("plain dialog") << "QDialog" << true;
    QTest::newRow("program's own form") << "TForm" << false;
    QTest::newRow("main window") << "QMainWindow" << false;
    QTest::newRow("plain window") << "QWidget" << false;
    QTest::newRow("no window") << "" << false;
}

void TestEmbeddedWB::dialogBoxTest()
{
    QFETCH(QString, kind);
    QFETCH(bool, expected);
    std::unique_ptr<QWidget> window;
    if (kind == "QMessageBox")
        window = std::make_unique<QMessageBox>();
    else if (kind == "QFileDialog")
        window = std::make_unique<QFileDialog>();
    else if (kind == "QInputDialog")
        window = std::make_unique<QInputDialog>();
    else if (kind == "QProgressDialog")
        window = std::make_unique<QProgressDialog>();
    else if (kind == "QDialog")
        window = std::make_unique<QDialog>();
    else if (kind == "TForm")
        window = std::make_unique<OwnForm>();
    else if (kind == "QMainWindow")
        window = std::make_unique<QMainWindow>();
    else if (kind == "QWidget")
        window = std::make_unique<QWidget>();
    QCOMPARE(isStandardDialogBox(window.get()), expected);
}

void TestEmbeddedWB::captionReplacement()
{
    const QIcon programIcon = QApplication::windowIcon();
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(pixmap));

    QMainWindow window;
    window.setWindowTitle(kTitle);
    auto *host = new TEmbeddedWB(std::make_unique<FakeEngine>(), &window);
    host->setReplaceCaption(true);
    window.setCentralWidget(host);
    host->Loaded();
    QVERIFY(host->captionWatchInstalled());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const auto takeActivation = [&](QWidget *other) {
        other->show();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
    };
    const auto giveBack = [&](QWidget *other) {
        other->close();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    };

    QMessageBox alert(QMessageBox::Warning, QStringLiteral("Microsoft Internet Explorer"),
                      QStringLiteral("库存不足"), QMessageBox::Ok, &window);
    takeActivation(&alert);
    QTRY_COMPARE(alert.windowTitle(), kTitle);
    QCOMPARE(alert.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    giveBack(&alert);

    QDialog windows(&window);
    windows.setWindowTitle(QStringLiteral("Windows Internet Explorer"));
    takeActivation(&windows);
    QTRY_COMPARE(windows.windowTitle(), QStringLiteral("Windows ") + kTitle);
    giveBack(&windows);

    QDialog plain(&window);
    plain.setWindowTitle(QStringLiteral("来自网页的消息"));
    takeActivation(&plain);
    QTRY_COMPARE(plain.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QCOMPARE(plain.windowTitle(), QStringLiteral("来自网页的消息"));
    giveBack(&plain);

    // The program's own form (the confirmation dialog is one) is left alone.
    OwnForm form;
    form.setWindowTitle(QStringLiteral("Microsoft Internet Explorer"));
    takeActivation(&form);
    QTest::qWait(100);
    QCOMPARE(form.windowTitle(), QStringLiteral("Microsoft Internet Explorer"));
    giveBack(&form);

    // With the replacement off, nothing changes.
    host->setReplaceCaption(false);
    QMessageBox other(QMessageBox::Information, QStringLiteral("Microsoft Internet Explorer"),
                      QString(), QMessageBox::Ok, &window);
    takeActivation(&other);
    QTest::qWait(100);
    QCOMPARE(other.windowTitle(), QStringLiteral("Microsoft Internet Explorer"));
    giveBack(&other);
    QApplication::setWindowIcon(programIcon);
}

void TestEmbeddedWB::floatingPointEnvironment()
{
    QVERIFY(floatingPointEnvironmentRecorded());
    const int recordedRounding = FE_TONEAREST; // as the program starts
    TEmbeddedWB host(std::make_unique<FakeEngine>(), nullptr);
    std::fesetround(FE_UPWARD);
    host.setFpExceptions(true); // the recorded environment again
    QCOMPARE(std::fegetround(), recordedRounding);
    host.setFpExceptions(false); // every exception masked
    QCOMPARE(fegetexcept(), 0);
    restoreFloatingPointEnvironment();
    QCOMPARE(std::fegetround(), recordedRounding);
}

void TestEmbeddedWB::realEngineProfile()
{
    TEmbeddedWB host;
    auto *backend = dynamic_cast<WebEngineBackend *>(host.engine());
    QVERIFY(backend);
    QWebEngineProfile *profile = backend->profile();
    QVERIFY(!profile->isOffTheRecord());
    QCOMPARE(profile->storageName(), WebEngineBackend::profileName());
    QVERIFY(profile->persistentStoragePath().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QCOMPARE(profile->persistentCookiesPolicy(), QWebEngineProfile::AllowPersistentCookies);
    const QString agent = profile->httpUserAgent();
    host.Loaded(); // empty token
    QCOMPARE(profile->httpUserAgent(), agent);
    QCOMPARE(backend->view()->parentWidget(), &host);
    QVERIFY(backend->view()->page()->settings()->testAttribute(QWebEngineSettings::AutoLoadImages));
    QVERIFY(backend->view()->page()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
    QVERIFY(backend->view()->page()->settings()->testAttribute(QWebEngineSettings::ShowScrollBars));
}

void TestEmbeddedWB::printsToPdfWithThePageText()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    TEmbeddedWB host;
    host.resize(800, 600);
    host.show();
    host.Loaded();
    auto *backend = dynamic_cast<WebEngineBackend *>(host.engine());
    QVERIFY(loadHtml(backend->view(),
                     QStringLiteral("<html><body><h1>DAIXI SALES DAILY REPORT</h1>"
                                    "<p>goods A1007 total 2421.00</p></body></html>")));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    printer.setOutputFileName(file);
    QVERIFY(host.PrintTo(&printer));
    QVERIFY(QFileInfo(file).size() > 0);
    QProcess text;
    text.start(pdftotext, {file, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(extracted.contains(QStringLiteral("DAIXI SALES DAILY REPORT")), qPrintable(extracted));
    QVERIFY(extracted.contains(QStringLiteral("2421.00")));
}

void TestEmbeddedWB::scriptsFindNoHostObject()
{
    TEmbeddedWB host;
    host.Loaded();
    auto *backend = dynamic_cast<WebEngineBackend *>(host.engine());
    QVERIFY(loadHtml(backend->view(), QStringLiteral("<p>host</p>")));
    QCOMPARE(runScript(backend->view()->page(),
                       QStringLiteral("typeof qt + '/' + typeof QWebChannel + '/' + "
                                      "typeof qt_webChannel")),
             QStringLiteral("undefined/undefined/undefined"));
}

void TestEmbeddedWB::keysReachThePageOrTheShortcuts()
{
    TEmbeddedWB host;
    host.resize(800, 600);
    host.Loaded();
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    auto *backend = dynamic_cast<WebEngineBackend *>(host.engine());
    BrowserView *view = backend->view();
    QVERIFY(loadHtml(view, QStringLiteral("<input id='f' value='abc' autofocus>")));
    host.activateWindow();
    view->setFocus();
    QTRY_VERIFY(view->focusProxy() && view->focusProxy()->hasFocus());
    QTRY_COMPARE(runScript(view->page(), QStringLiteral("document.activeElement.id")),
                 QStringLiteral("f"));
    runScript(view->page(), QStringLiteral("var f = document.getElementById('f');"
                                           "f.setSelectionRange(3, 3); ''"));
    QWidget *target = view->focusProxy();

    // Backspace is plain input: it deletes in the field.
    QTest::keyClick(target, Qt::Key_Backspace);
    QTRY_COMPARE(runScript(view->page(), QStringLiteral("f.value")), QStringLiteral("ab"));
    // Dedicated Left reaches the page: the caret moves, nothing else happens.
    QTest::keyClick(target, Qt::Key_Left);
    QTest::keyClick(target, Qt::Key_X);
    QTRY_COMPARE(runScript(view->page(), QStringLiteral("f.value")), QStringLiteral("axb"));

    // Offered keys run the shortcuts and go no further.
    QTest::keyClick(target, Qt::Key_Plus, Qt::ControlModifier);
    QTRY_VERIFY(view->zoomFactor() > 1.0);
    QTest::keyClick(target, Qt::Key_0, Qt::ControlModifier);
    QTRY_COMPARE(view->zoomFactor(), 1.0);
    QCOMPARE(runScript(view->page(), QStringLiteral("f.value")), QStringLiteral("axb"));

    // Ctrl+F opens the find dialog, a top-level window of the program.
    QTest::keyClick(target, Qt::Key_F, Qt::ControlModifier);
    FindDialog *find = nullptr;
    QTRY_VERIFY((find = host.findChild<FindDialog *>()) && find->isVisible());
    QVERIFY(find->isWindow());
    find->close();
}

void TestEmbeddedWB::popupsGoWithTheHost()
{
    auto *host = new TEmbeddedWB;
    host->Loaded();
    auto *backend = dynamic_cast<WebEngineBackend *>(host->engine());
    QVERIFY(loadHtml(backend->view(), QStringLiteral("<p>opener</p>")));
    runScript(backend->view()->page(),
              QStringLiteral("window.open('about:blank', 'detail', 'width=400,height=300'); ''"));
    QTRY_COMPARE(backend->popups().size(), 1);
    QPointer<PopupWindow> popup = backend->popups().first();
    QVERIFY(popup->isWindow());
    QTRY_VERIFY(popup->isVisible());
    delete host; // pop-ups first, then pages, then the profile
    QVERIFY(popup.isNull());
}

void TestEmbeddedWB::blobDownloadLandsComplete()
{
    QTemporaryDir dir;
    TEmbeddedWB host;
    host.Loaded();
    auto *backend = dynamic_cast<WebEngineBackend *>(host.engine());
    const QString target = dir.filePath(QStringLiteral("orders-today.csv"));
    QString suggested;
    backend->downloads()->setSavePathQuestion([&](QWidget *, const QString &proposal) {
        suggested = proposal;
        return target;
    });
    QVERIFY(loadHtml(backend->view(), QStringLiteral("<p>export</p>"),
                     QUrl(QStringLiteral("http://localhost/"))));
    runScript(backend->view()->page(),
              QStringLiteral("var a = document.createElement('a');"
                             "a.href = URL.createObjectURL(new Blob(['D0001,42.00\\r\\n'], "
                             "{type: 'text/csv'}));"
                             "a.download = 'orders-today.csv'; document.body.appendChild(a);"
                             "a.click(); ''"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(target).size() == 13, 15000);
    QVERIFY(suggested.endsWith(QStringLiteral("orders-today.csv")));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("D0001,42.00\r\n"));
    bool sawProgress = false;
    for (QWidget *widget : QApplication::topLevelWidgets())
        sawProgress |= qobject_cast<DownloadProgressDialog *>(widget) != nullptr;
    QVERIFY(sawProgress);
}

void TestEmbeddedWB::permissionsAreDenied()
{
    TEmbeddedWB host;
    host.Loaded();
    auto *backend = dynamic_cast<WebEngineBackend *>(host.engine());
    QVERIFY(loadHtml(backend->view(), QStringLiteral("<p>permissions</p>"),
                     QUrl(QStringLiteral("http://localhost/"))));
    QSignalSpy asked(backend->view()->page(), &QWebEnginePage::featurePermissionRequested);
    runScript(backend->view()->page(),
              QStringLiteral("window.answer = 'none';"
                             "Notification.requestPermission().then(p => window.answer = p); ''"));
    QTRY_COMPARE(runScript(backend->view()->page(), QStringLiteral("window.answer")),
                 QStringLiteral("denied"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().at(1).value<QWebEnginePage::Feature>(), QWebEnginePage::Notifications);
}

DAIXI_GUI_TEST_MAIN(TestEmbeddedWB)
#include "tst_webview_host.moc"
