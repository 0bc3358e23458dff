#pragma once

#include "BrowserEngine.h"
#include "HostOptions.h"
#include "KeyRouting.h"
#include "LayoutComponent.h"

#include <QFrame>
#include <QPointer>

#include <memory>

class QPrinter;

// The browser host `WebBrowser`: fills the main window above the status bar
// and shows the sales web application.
//
// Its settings come from the main window's layout (resources/Main_Frm.ui,
// where it is a promoted widget); the layout's form calls Loaded() once all
// of them are set, before its creation handler runs. The public interface is
// non-virtual: it validates and decides, and a small engine-facing
// implementation (BrowserEngine) carries out.
class TEmbeddedWB : public QFrame, public LayoutComponent
{
    Q_OBJECT
    Q_PROPERTY(DownloadOptions DownloadOptions READ downloadOptions WRITE setDownloadOptions)
    Q_PROPERTY(UserInterfaceOptions UserInterfaceOptions READ userInterfaceOptions WRITE
                   setUserInterfaceOptions)
    Q_PROPERTY(bool HideBorders READ hideBorders WRITE setHideBorders)
    Q_PROPERTY(bool HideScrollBars READ hideScrollBars WRITE setHideScrollBars)
    Q_PROPERTY(bool DisableRightClickMenu READ disableRightClickMenu WRITE
                   setDisableRightClickMenu)
    Q_PROPERTY(bool ReplaceCaption READ replaceCaption WRITE setReplaceCaption)
    Q_PROPERTY(bool EnableDDE READ enableDDE WRITE setEnableDDE)
    Q_PROPERTY(bool fpExceptions READ fpExceptions WRITE setFpExceptions)
    Q_PROPERTY(QString UserAgent READ userAgent WRITE setUserAgent)

public:
    // Creates the Qt WebEngine browser, in its fresh default state.
    explicit TEmbeddedWB(QWidget *parent = nullptr);
    // With another engine (tests).
    TEmbeddedWB(std::unique_ptr<BrowserEngine> engine, QWidget *parent);
    ~TEmbeddedWB() override;

    // Opens an absolute address in the view: no flags, no target frame, no
    // post data, no extra headers. Only starts the navigation; a failure
    // status (an address that is not absolute and valid, or the engine's
    // refusal) is raised as EOleError.
    void Navigate2(const QString &url);

    // End of loading: recomputes the option values and tells the engine,
    // sets up the watch on the window that holds the host (for dialog
    // captions), installs the keyboard routing and appends the user-agent
    // token.
    void Loaded() override;

    // The browser's shortcuts (what the keyboard routing runs).
    bool ExecuteCommand(BrowserCommand command);
    // The host's print path: renders the page onto the printer.
    bool PrintTo(QPrinter *printer);

    // Layout settings.
    DownloadOptions downloadOptions() const { return m_download; }
    void setDownloadOptions(DownloadOptions options);
    UserInterfaceOptions userInterfaceOptions() const { return m_userInterface; }
    void setUserInterfaceOptions(UserInterfaceOptions options);
    bool hideBorders() const { return m_hideBorders; }
    void setHideBorders(bool hide);
    bool hideScrollBars() const { return m_hideScrollBars; }
    void setHideScrollBars(bool hide);
    bool disableRightClickMenu() const { return m_disableRightClickMenu; }
    void setDisableRightClickMenu(bool disable);
    bool replaceCaption() const { return m_replaceCaption; }
    void setReplaceCaption(bool replace) { m_replaceCaption = replace; }
    // No DDE conversations exist here; the setting is kept and does nothing.
    bool enableDDE() const { return m_enableDDE; }
    void setEnableDDE(bool enable) { m_enableDDE = enable; }
    // True loads the floating-point environment recorded at program start;
    // false loads one with every exception masked.
    bool fpExceptions() const { return m_fpExceptions; }
    void setFpExceptions(bool exceptions);
    // Appended to the engine's user agent at the end of loading; an empty
    // token changes nothing. Nothing is written to disk.
    QString userAgent() const { return m_userAgent; }
    void setUserAgent(const QString &token) { m_userAgent = token; }

    // The values given to the engine: download control, user interface.
    quint32 downloadControlValue() const { return m_downloadValue; }
    quint32 userInterfaceValue() const { return m_userInterfaceValue; }

    // Whether the main-window watch for dialog captions is in place.
    bool captionWatchInstalled() const { return !m_watchedWindow.isNull(); }

    BrowserEngine *engine() const { return m_engine.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void recomputeAndApply();
    void rewriteDialog(QWidget *dialog);

    std::unique_ptr<BrowserEngine> m_engine;
    QPointer<QWidget> m_watchedWindow;
    DownloadOptions m_download = defaultDownloadOptions();
    UserInterfaceOptions m_userInterface;
    quint32 m_downloadValue = 0;
    quint32 m_userInterfaceValue = 0;
    QString m_userAgent;
    bool m_hideBorders = false;
    bool m_hideScrollBars = false;
    bool m_disableRightClickMenu = false;
    bool m_replaceCaption = false;
    bool m_enableDDE = false;
    bool m_fpExceptions = false;
};
