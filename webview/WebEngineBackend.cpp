#include "WebEngineBackend.h"

#include "EngineDialogs.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// Each option set maps onto the nearest setting of the engine. Options with
// no equivalent (flat scroll bars among them: the engine draws its own) are
// kept by the host and change nothing here.
void applyTo(QWebEngineSettings *settings, DownloadOptions download,
             UserInterfaceOptions userInterface)
{
    settings->setAttribute(QWebEngineSettings::AutoLoadImages,
                           download.testFlag(DownloadOption::DLCTL_DLIMAGES));
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled,
                           !download.testFlag(DownloadOption::DLCTL_NO_SCRIPTS));
    // Background sounds (and videos) play without waiting for a click.
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture,
                           !download.testFlag(DownloadOption::DLCTL_BGSOUNDS));
    settings->setAttribute(QWebEngineSettings::ShowScrollBars,
                           !userInterface.testFlag(UserInterfaceOption::SCROLL_NO));
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
}

} // namespace

QString WebEngineBackend::profileName() { return QStringLiteral("daixi-shell"); }

WebEngineBackend::WebEngineBackend(QWidget *host)
    : m_profile(new QWebEngineProfile(profileName())),
      m_downloads(new DownloadManager(m_profile, host)),
      m_view(new BrowserView(m_profile, this, host)), m_download(defaultDownloadOptions())
{
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    m_profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
}

WebEngineBackend::~WebEngineBackend()
{
    for (const QPointer<PopupWindow> &popup : std::as_const(m_popups))
        delete popup.data();
    delete m_view;
    delete m_profile; // the download manager is its child
}

QWidget *WebEngineBackend::widget() { return m_view; }

EngineStatus WebEngineBackend::navigate(const QUrl &url)
{
    if (!m_view)
        return kStatusUnexpected;
    m_view->load(url);
    return kStatusOk;
}

void WebEngineBackend::applyOptions(DownloadOptions download, UserInterfaceOptions userInterface,
                                    bool contextMenu)
{
    m_download = download;
    m_userInterface = userInterface;
    m_contextMenu = contextMenu;
    configure(m_view);
    for (PopupWindow *popup : popups())
        configure(popup->view());
}

void WebEngineBackend::configure(BrowserView *view) const
{
    applyTo(view->page()->settings(), m_download, m_userInterface);
    view->setContextMenuEnabled(m_contextMenu);
}

void WebEngineBackend::appendUserAgentToken(const QString &token)
{
    if (token.isEmpty())
        return;
    m_profile->setHttpUserAgent(m_profile->httpUserAgent() + u' ' + token);
}

void WebEngineBackend::installKeyRouting() { m_view->installKeyRouting(); }

bool WebEngineBackend::execute(BrowserCommand command) { return m_view->execute(command); }

bool WebEngineBackend::printTo(QPrinter *printer) { return m_view->printTo(printer); }

BrowserView *WebEngineBackend::openPopup(QWebEnginePage::WebWindowType)
{
    auto *popup = new PopupWindow(m_profile, this);
    configure(popup->view());
    m_popups.removeAll(nullptr);
    m_popups.append(popup);
    popup->show();
    return popup->view();
}

QList<PopupWindow *> WebEngineBackend::popups() const
{
    QList<PopupWindow *> open;
    for (const QPointer<PopupWindow> &popup : m_popups)
        if (popup)
            open.append(popup);
    return open;
}
