#include "EmbeddedWB.h"

#include "CaptionRule.h"
#include "Exception.h"
#include "FloatingPoint.h"
#include "TApplication.h"
#include "WebEngineBackend.h"

#include <QApplication>
#include <QEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString applicationTitle() { return Application ? Application->Title() : QString(); }

QString statusText(EngineStatus status)
{
    const QString code = QStringLiteral("0x%1").arg(quint32(status), 8, 16, QLatin1Char('0'));
    switch (status) {
    case kStatusInvalidArg:
        return QStringLiteral("参数错误 (%1)").arg(code);
    case kStatusUnexpected:
        return QStringLiteral("灾难性故障 (%1)").arg(code);
    case kStatusFail:
        return QStringLiteral("未指定的错误 (%1)").arg(code);
    default:
        return QStringLiteral("错误 %1").arg(code);
    }
}

} // namespace

TEmbeddedWB::TEmbeddedWB(QWidget *parent) : TEmbeddedWB(nullptr, parent) {}

TEmbeddedWB::TEmbeddedWB(std::unique_ptr<BrowserEngine> engine, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("WebBrowser"));
    m_engine = engine ? std::move(engine) : std::make_unique<WebEngineBackend>(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_engine->widget());
    setFocusProxy(m_engine->widget());
    setFocusPolicy(Qt::StrongFocus);
    // The defaults of a fresh host, told to the engine at once.
    recomputeAndApply();
}

TEmbeddedWB::~TEmbeddedWB()
{
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_engine.reset(); // pages, then the profile, while the engine still runs
}

void TEmbeddedWB::Navigate2(const QString &url)
{
    const QUrl target(url, QUrl::StrictMode);
    const EngineStatus status = target.isValid() && !target.isRelative()
                                    ? m_engine->navigate(target)
                                    : kStatusInvalidArg;
    if (status < 0)
        throw EOleError(QStringLiteral("无法打开网址“%1”：%2").arg(url, statusText(status)));
}

void TEmbeddedWB::Loaded()
{
    recomputeAndApply();
    // The watch is an event filter on the window that holds the host; it
    // needs no native window, so it is in place from here on.
    QWidget *mainWindow = window();
    if (!m_watchedWindow && mainWindow != this) {
        m_watchedWindow = mainWindow;
        mainWindow->installEventFilter(this);
    }
    m_engine->installKeyRouting();
    m_engine->appendUserAgentToken(m_userAgent);
}

bool TEmbeddedWB::ExecuteCommand(BrowserCommand command) { return m_engine->execute(command); }

bool TEmbeddedWB::PrintTo(QPrinter *printer) { return m_engine->printTo(printer); }

void TEmbeddedWB::setDownloadOptions(DownloadOptions options)
{
    m_download = options;
    recomputeAndApply();
}

void TEmbeddedWB::setUserInterfaceOptions(UserInterfaceOptions options)
{
    m_userInterface = options;
    recomputeAndApply();
}

void TEmbeddedWB::setHideBorders(bool hide)
{
    m_hideBorders = hide;
    recomputeAndApply();
}

void TEmbeddedWB::setHideScrollBars(bool hide)
{
    m_hideScrollBars = hide;
    recomputeAndApply();
}

void TEmbeddedWB::setDisableRightClickMenu(bool disable)
{
    m_disableRightClickMenu = disable;
    recomputeAndApply();
}

void TEmbeddedWB::setFpExceptions(bool exceptions)
{
    m_fpExceptions = exceptions;
    if (exceptions)
        restoreFloatingPointEnvironment();
    else
        maskAllFloatingPointExceptions();
}

void TEmbeddedWB::recomputeAndApply()
{
    m_userInterface = adjustedUserInterfaceOptions(m_userInterface, m_hideBorders, m_hideScrollBars);
    m_downloadValue = optionValue(m_download);
    m_userInterfaceValue = optionValue(m_userInterface);
    // The page keeps a thin sunken border unless the border flags say otherwise.
    if (m_userInterface.testAnyFlags(UserInterfaceOption::NO3DBORDER |
                                     UserInterfaceOption::NO3DOUTERBORDER))
        setFrameStyle(QFrame::NoFrame);
    else
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_engine->applyOptions(m_download, m_userInterface, !m_disableRightClickMenu);
}

bool TEmbeddedWB::eventFilter(QObject *watched, QEvent *event)
{
    // The main window's messages are only looked at; its own handling follows.
    if (watched == m_watchedWindow && event->type() == QEvent::WindowDeactivate && m_replaceCaption)
        rewriteDialog(QApplication::activeWindow());
    return QFrame::eventFilter(watched, event);
}

void TEmbeddedWB::rewriteDialog(QWidget *dialog)
{
    if (!isStandardDialogBox(dialog))
        return;
    dialog->setWindowIcon(QApplication::windowIcon());
    dialog->setWindowTitle(replacedDialogCaption(dialog->windowTitle(), applicationTitle()));
}
