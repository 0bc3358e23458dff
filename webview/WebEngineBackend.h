#pragma once

#include "BrowserEngine.h"
#include "BrowserView.h"

#include <QList>
#include <QPointer>

class DownloadManager;
class PopupWindow;
class QWebEngineProfile;

// The browser engine of the program: Qt WebEngine, with a named persistent
// profile in the user's standard data location (cookies, cache and local
// storage kept as a normal browser keeps them).
//
// Tear-down order: pop-up windows and their pages first, then the main page
// and its view, then the profile; the engine itself goes with the
// application object, after all of them.
class WebEngineBackend : public BrowserEngine, public PopupHost
{
public:
    // The profile's storage name.
    static QString profileName();

    explicit WebEngineBackend(QWidget *host);
    ~WebEngineBackend() override;

    QWidget *widget() override;
    EngineStatus navigate(const QUrl &url) override;
    void applyOptions(DownloadOptions download, UserInterfaceOptions userInterface,
                      bool contextMenu) override;
    void appendUserAgentToken(const QString &token) override;
    void installKeyRouting() override;
    bool execute(BrowserCommand command) override;
    bool printTo(QPrinter *printer) override;

    BrowserView *openPopup(QWebEnginePage::WebWindowType type) override;

    BrowserView *view() const { return m_view; }
    QWebEngineProfile *profile() const { return m_profile; }
    DownloadManager *downloads() const { return m_downloads; }
    QList<PopupWindow *> popups() const;

private:
    // The option sets and the context menu, given to one view.
    void configure(BrowserView *view) const;

    QWebEngineProfile *m_profile;
    DownloadManager *m_downloads;
    BrowserView *m_view;
    QList<QPointer<PopupWindow>> m_popups;
    DownloadOptions m_download;
    UserInterfaceOptions m_userInterface;
    bool m_contextMenu = true;
};
