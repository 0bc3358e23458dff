#include "TApplication.h"

#include "ErrorText.h"
#include "Exception.h"
#include "TForm.h"

#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

TApplication *Application = nullptr;

namespace {

const QEvent::Type TerminateEvent = QEvent::Type(QEvent::User + 1);

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);
}

// Messages Qt prints while it connects to the display are held back: if the
// connection fails, one clear line says so instead.
QStringList heldMessages;
QtMessageHandler previousHandler = nullptr;

void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "daixi-shell: cannot open the display; set DISPLAY to a running X "
                             "server (or QT_QPA_PLATFORM to another platform).\n");
        std::fflush(stderr);
        ::_exit(1);
    }
    Q_UNUSED(context);
    heldMessages.append(text);
}

void showApplicationError(const QString &kind, const void *address, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"),
                    applicationErrorText(kind, QFileInfo(QCoreApplication::applicationFilePath())
                                                   .fileName(),
                                         address, message),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

int TApplication::Main(int argc, char **argv, const std::function<void()> &body)
{
    // The program reads no command line of its own, and none is handed to Qt.
    static int qtArgc = 1;
    static char *qtArgv[] = {argc > 0 ? argv[0] : const_cast<char *>("daixi-shell"), nullptr};
    // The embedded browser renders through a shared OpenGL context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    previousHandler = qInstallMessageHandler(startupMessageHandler);
    TApplication app(qtArgc, qtArgv);
    qInstallMessageHandler(previousHandler);
    for (const QString &text : std::as_const(heldMessages))
        qInfo("%s", qPrintable(text));
    heldMessages.clear();

    int exitCode = 0;
    try {
        body();
    } catch (const Exception &error) {
        showApplicationError(error.kind(), error.address(), error.message());
        exitCode = 1;
    } catch (const std::exception &error) {
        showApplicationError(QStringLiteral("Exception"), nullptr, QString::fromUtf8(error.what()));
        exitCode = 1;
    }
    app.tearDown();
    return exitCode;
}

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Application = this;
    // The layouts name "宋体"; a Song-style CJK face stands in for it.
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    // Only the close query ends the program, never the last window closing.
    setQuitOnLastWindowClosed(false);
    // MAINICON: one picture at every size the frame and the task bar ask for.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128})
        icon.addFile(QStringLiteral(":/MAINICON-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    connect(this, &QGuiApplication::commitDataRequest, this, &TApplication::commitData,
            Qt::DirectConnection);
    watchTerminationSignals();
}

TApplication::~TApplication()
{
    tearDown();
    Application = nullptr;
}

void TApplication::Initialize()
{
    // The browser engine needs no per-thread set-up beyond the application
    // object itself (see the shared OpenGL context in Main).
}

void TApplication::buildForm(const std::function<TForm *()> &create,
                             const std::function<void()> &forget)
{
    TForm *form = create();
    try {
        form->Build();
    } catch (...) {
        delete form;
        forget();
        throw;
    }
    if (!m_mainForm)
        m_mainForm = form;
}

void TApplication::Run()
{
    if (!m_mainForm)
        return;
    if (m_mainForm->startsMaximized())
        m_mainForm->showMaximized();
    else
        m_mainForm->show();
    if (!m_terminated)
        exec();
}

void TApplication::Terminate()
{
    postEvent(this, new QEvent(TerminateEvent));
}

void TApplication::customEvent(QEvent *event)
{
    if (event->type() == TerminateEvent) {
        m_terminated = true;
        exit(0);
        return;
    }
    QApplication::customEvent(event);
}

void TApplication::ShowException(const std::exception &error)
{
    if (dynamic_cast<const EAbort *>(&error))
        return;
    const auto *own = dynamic_cast<const Exception *>(&error);
    const QString message = own ? own->message() : QString::fromUtf8(error.what());
    QMessageBox box(QMessageBox::Critical, m_title, errorBoxText(message), QMessageBox::Ok);
    box.exec();
}

bool TApplication::RunHandler(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception &error) {
        ShowException(error);
        return false;
    }
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
            if (auto *form = qobject_cast<TForm *>(static_cast<QWidget *>(receiver)->window());
                form && form->preprocessKeyPress(static_cast<QKeyEvent *>(event)))
                return true;
        }
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowException(error);
        return false;
    }
}

void TApplication::insertForm(TForm *form)
{
    m_forms.append(form);
}

void TApplication::removeForm(TForm *form)
{
    m_forms.removeAll(form);
    if (m_mainForm == form)
        m_mainForm = nullptr;
}

TForm *TApplication::modalForm() const
{
    for (const auto &form : m_forms) {
        if (form && form->isModal())
            return form;
    }
    return nullptr;
}

void TApplication::commitData(QSessionManager &manager)
{
    // The end of the session is refused exactly when the close query says no.
    if (!m_mainForm || !manager.allowsInteraction())
        return;
    const bool mayEnd = m_mainForm->sessionEndQuery();
    manager.release();
    if (!mayEnd)
        manager.cancel();
}

void TApplication::tearDown()
{
    if (QWidget *popup = activePopupWidget())
        popup->close();
    // Most recently created first; the main window goes with its components.
    while (!m_forms.isEmpty()) {
        QPointer<TForm> form = m_forms.takeLast();
        delete form.data();
    }
}

void TApplication::watchTerminationSignals()
{
    // A logout or kill becomes the application's terminate request, so the
    // orderly tear-down still runs.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] auto read = ::read(signalPipe[0], &byte, 1);
        Terminate();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
