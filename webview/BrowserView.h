#pragma once

#include "KeyRouting.h"

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

class FindDialog;
class QPrinter;
class QWebEngineProfile;
class BrowserView;

// Where a view's new-window requests go: the host makes a pop-up browser
// window and hands back its view, or nullptr to refuse.
class PopupHost
{
public:
    virtual ~PopupHost() = default;
    virtual BrowserView *openPopup(QWebEnginePage::WebWindowType type) = 0;
};

// The page: answers the engine's questions with real top-level dialogs of
// the program (script alert, confirm and prompt, HTTP and proxy
// authentication, the upload file chooser) and refuses certificate errors
// and permission requests.
class WebPage : public QWebEnginePage
{
    Q_OBJECT
public:
    WebPage(QWebEngineProfile *profile, QObject *parent);

    // The window the page's dialogs belong to.
    QWidget *dialogParent() const;

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg,
                          const QString &defaultValue, QString *result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override;

private:
    void askCredentials(const QUrl &requestUrl, QAuthenticator *authenticator,
                        const QString &realmHost);
};

// A web view of the program: the main window's browser and each pop-up
// window's. It runs the browser's shortcuts, offers the standard context menu
// (with print and find), prints through a print preview and the system print
// dialog, finds text, opens pop-ups and replaces a crashed page by an error
// page with a way to reload.
class BrowserView : public QWebEngineView
{
    Q_OBJECT
public:
    BrowserView(QWebEngineProfile *profile, PopupHost *popups, QWidget *parent = nullptr);
    ~BrowserView() override;

    WebPage *webPage() const { return m_page; }

    // Runs a browser shortcut; false when it does nothing in the present
    // state (so the key goes on to the page).
    bool execute(BrowserCommand command);

    // Keys typed into the page are filtered from now on (see KeyRouting.h).
    void installKeyRouting();

    void setContextMenuEnabled(bool enabled) { m_contextMenuEnabled = enabled; }

    // Print preview, from which the system print dialog prints.
    void printWithPreview();
    // Renders the page onto the printer and returns when it is done. A
    // printer that writes a PDF file gets the engine's own PDF (real text);
    // any other printer gets the pages as the engine paints them.
    bool printTo(QPrinter *printer);

    void showFindDialog();

    // Whether the view shows the error page of a crashed renderer.
    bool showsCrashPage() const { return m_crashedUrl.isValid(); }

protected:
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchKeysOf(QObject *object);
    bool routeKeyPress(QKeyEvent *event);
    void showCrashPage(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode);

    WebPage *m_page;
    PopupHost *m_popups;
    QPointer<FindDialog> m_findDialog;
    QUrl m_crashedUrl;
    bool m_contextMenuEnabled = true;
    bool m_keyRouting = false;
    bool m_printing = false;
    int m_swallowedRelease = 0;
};
