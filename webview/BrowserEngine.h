#pragma once

#include "HostOptions.h"
#include "KeyRouting.h"

#include <QString>
#include <QtGlobal>

class QPrinter;
class QUrl;
class QWidget;

// Status codes of the engine-facing calls: zero or positive is success,
// negative is failure.
using EngineStatus = qint32;
inline constexpr EngineStatus kStatusOk = 0;
inline constexpr EngineStatus kStatusFail = qint32(0x80004005u);       // unspecified failure
inline constexpr EngineStatus kStatusInvalidArg = qint32(0x80070057u); // invalid argument
inline constexpr EngineStatus kStatusUnexpected = qint32(0x8000FFFFu); // no engine

// What the browser host needs of the engine that renders its page. The host
// (TEmbeddedWB) validates and decides; an implementation only carries out.
class BrowserEngine
{
public:
    virtual ~BrowserEngine() = default;

    // The widget that shows the page, placed inside the host.
    virtual QWidget *widget() = 0;

    // Starts loading an absolute address in the view itself: no flags, no
    // target frame, no post data, no extra headers.
    virtual EngineStatus navigate(const QUrl &url) = 0;

    // The download and user-interface option values (already adjusted), and
    // whether the standard context menu is offered.
    virtual void applyOptions(DownloadOptions download, UserInterfaceOptions userInterface,
                              bool contextMenu) = 0;

    // Appends a token to the engine's user agent for this run.
    virtual void appendUserAgentToken(const QString &token) = 0;

    // Keys typed into the page go through the keyboard routing from now on.
    virtual void installKeyRouting() = 0;

    // Runs a browser shortcut; false when it does nothing now.
    virtual bool execute(BrowserCommand command) = 0;

    // Renders the page onto a printer; returns when done.
    virtual bool printTo(QPrinter *printer) = 0;
};
