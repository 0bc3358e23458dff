#include "BrowserView.h"

#include "EngineDialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QAuthenticator>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QJsonDocument>
#include <QJsonValue>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>

#include <algorithm>
#include <array>

namespace {

// The caption of the page's script dialogs.
QString pageMessageCaption() { return QStringLiteral("来自网页的消息"); }

// Name filters for the upload chooser from the input's accept list.
QStringList fileFilters(const QStringList &acceptedMimeTypes)
{
    QStringList patterns;
    const QMimeDatabase mimes;
    for (const QString &accepted : acceptedMimeTypes) {
        if (accepted.startsWith(u'.')) {
            patterns << u'*' + accepted;
        } else if (accepted.endsWith(QLatin1String("/*"))) { // a whole family: image/*
            const QString family = accepted.chopped(1);
            for (const QMimeType &type : mimes.allMimeTypes())
                if (type.name().startsWith(family))
                    patterns << type.globPatterns();
        } else if (const QMimeType type = mimes.mimeTypeForName(accepted); type.isValid()) {
            patterns << type.globPatterns();
        }
    }
    QStringList filters;
    patterns.removeDuplicates();
    if (!patterns.isEmpty())
        filters << QStringLiteral("可接受的文件 (%1)").arg(patterns.join(u' '));
    filters << QStringLiteral("所有文件 (*)");
    return filters;
}

constexpr std::array<qreal, 17> kZoomSteps{0.25, 0.33, 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                           1.25, 1.5,  1.75, 2.0, 2.5,  3.0, 4.0, 5.0};

qreal nextZoom(qreal current, bool larger)
{
    if (larger) {
        for (qreal step : kZoomSteps)
            if (step > current + 0.001)
                return step;
        return kZoomSteps.back();
    }
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
        if (*it < current - 0.001)
            return *it;
    return kZoomSteps.front();
}

QString crashPageHtml(const QUrl &url, QWebEnginePage::RenderProcessTerminationStatus status,
                      int exitCode)
{
    const QString reason = status == QWebEnginePage::KilledTerminationStatus
                               ? QStringLiteral("显示网页的进程被终止了")
                               : QStringLiteral("显示网页的进程意外退出了");
    const QString target = QString::fromUtf8(
        QJsonDocument::fromVariant(QVariantList{url.toString()}).toJson(QJsonDocument::Compact));
    return QStringLiteral(
               "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>网页无法显示</title>"
               "<style>body{font-family:sans-serif;margin:15% auto;max-width:36em;color:#333}"
               "h1{font-size:1.4em}button{font-size:1em;padding:.4em 1.6em}</style></head>"
               "<body><h1>网页无法显示</h1><p>%1（代码 %2）。</p>"
               "<p><button id=\"reload\" autofocus "
               "onclick=\"location.href=%3[0]\">重新加载</button></p>"
               "<p>也可以按 F5 重新加载。</p></body></html>")
        .arg(reason, QString::number(exitCode), target.toHtmlEscaped());
}

// The standard context menu's entries in the program's language.
void nameStandardActions(QWebEnginePage *page)
{
    const std::pair<QWebEnginePage::WebAction, const char16_t *> names[] = {
        {QWebEnginePage::Back, u"后退(&B)"},
        {QWebEnginePage::Forward, u"前进(&O)"},
        {QWebEnginePage::Reload, u"刷新(&R)"},
        {QWebEnginePage::Stop, u"停止(&S)"},
        {QWebEnginePage::Cut, u"剪切(&T)"},
        {QWebEnginePage::Copy, u"复制(&C)"},
        {QWebEnginePage::Paste, u"粘贴(&P)"},
        {QWebEnginePage::PasteAndMatchStyle, u"粘贴为纯文本"},
        {QWebEnginePage::Undo, u"撤销(&U)"},
        {QWebEnginePage::Redo, u"重做"},
        {QWebEnginePage::SelectAll, u"全选(&A)"},
        {QWebEnginePage::Unselect, u"取消选择"},
        {QWebEnginePage::SavePage, u"网页另存为(&A)..."},
        {QWebEnginePage::ViewSource, u"查看源文件(&V)"},
        {QWebEnginePage::OpenLinkInNewWindow, u"在新窗口中打开链接(&W)"},
        {QWebEnginePage::OpenLinkInThisWindow, u"打开链接(&O)"},
        {QWebEnginePage::CopyLinkToClipboard, u"复制链接地址(&L)"},
        {QWebEnginePage::DownloadLinkToDisk, u"链接另存为(&K)..."},
        {QWebEnginePage::CopyImageToClipboard, u"复制图片(&Y)"},
        {QWebEnginePage::CopyImageUrlToClipboard, u"复制图片地址"},
        {QWebEnginePage::DownloadImageToDisk, u"图片另存为(&S)..."},
        {QWebEnginePage::CopyMediaUrlToClipboard, u"复制媒体地址"},
        {QWebEnginePage::DownloadMediaToDisk, u"媒体另存为..."},
        {QWebEnginePage::ToggleMediaPlayPause, u"播放/暂停"},
        {QWebEnginePage::ToggleMediaMute, u"静音"},
        {QWebEnginePage::ToggleMediaControls, u"显示控件"},
        {QWebEnginePage::ToggleMediaLoop, u"循环播放"},
    };
    for (const auto &[action, name] : names)
        page->action(action)->setText(QString::fromUtf16(name));
}

} // namespace

WebPage::WebPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
{
    nameStandardActions(this);
    // Certificate errors are refused; permission requests are denied.
    connect(this, &QWebEnginePage::certificateError, this,
            [](const QWebEngineCertificateError &error) {
                QWebEngineCertificateError refused = error;
                refused.rejectCertificate();
            });
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl &origin, Feature feature) {
                setFeaturePermission(origin, feature, PermissionDeniedByUser);
            });
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    connect(this, &QWebEnginePage::quotaRequested, this,
            [](QWebEngineQuotaRequest request) { request.reject(); });
    QT_WARNING_POP

    connect(this, &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl &url, QAuthenticator *authenticator) {
                askCredentials(url, authenticator, url.host());
            });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl &url, QAuthenticator *authenticator, const QString &proxyHost) {
                askCredentials(url, authenticator, proxyHost);
            });
}

QWidget *WebPage::dialogParent() const
{
    QWebEngineView *view = QWebEngineView::forPage(this);
    return view ? view->window() : nullptr;
}

void WebPage::javaScriptAlert(const QUrl &, const QString &msg)
{
    QMessageBox box(QMessageBox::Warning, pageMessageCaption(), msg, QMessageBox::Ok,
                    dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool WebPage::javaScriptConfirm(const QUrl &, const QString &msg)
{
    QMessageBox box(QMessageBox::Question, pageMessageCaption(), msg,
                    QMessageBox::Ok | QMessageBox::Cancel, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    return box.exec() == QMessageBox::Ok;
}

bool WebPage::javaScriptPrompt(const QUrl &, const QString &msg, const QString &defaultValue,
                               QString *result)
{
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(pageMessageCaption());
    dialog.setLabelText(msg);
    dialog.setTextValue(defaultValue);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *result = dialog.textValue();
    return true;
}

QStringList WebPage::chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                                 const QStringList &acceptedMimeTypes)
{
    QFileDialog dialog(dialogParent(), QStringLiteral("选择要上传的文件"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    switch (mode) {
    case FileSelectOpen:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileSelectOpenMultiple:
        dialog.setFileMode(QFileDialog::ExistingFiles);
        break;
    case FileSelectUploadFolder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    default:
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    }
    if (mode != FileSelectUploadFolder)
        dialog.setNameFilters(fileFilters(acceptedMimeTypes));
    if (!oldFiles.isEmpty())
        dialog.selectFile(oldFiles.first());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void WebPage::askCredentials(const QUrl &requestUrl, QAuthenticator *authenticator,
                             const QString &realmHost)
{
    CredentialsDialog dialog(realmHost.isEmpty() ? requestUrl.host() : realmHost,
                             authenticator->realm(), dialogParent());
    if (dialog.exec() == QDialog::Accepted) {
        authenticator->setUser(dialog.user());
        authenticator->setPassword(dialog.password());
    } else {
        *authenticator = QAuthenticator(); // a null authenticator cancels the request
    }
}

BrowserView::BrowserView(QWebEngineProfile *profile, PopupHost *popups, QWidget *parent)
    : QWebEngineView(parent), m_page(new WebPage(profile, this)), m_popups(popups)
{
    setPage(m_page);
    connect(m_page, &QWebEnginePage::printRequested, this,
            [this] { QTimer::singleShot(0, this, &BrowserView::printWithPreview); });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            &BrowserView::showCrashPage);
    connect(m_page, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) {
        if (url.scheme() != QLatin1String("data"))
            m_crashedUrl.clear();
    });
}

BrowserView::~BrowserView()
{
    // The page goes before the view that shows it.
    setPage(nullptr);
    delete m_page;
}

bool BrowserView::execute(BrowserCommand command)
{
    switch (command) {
    case BrowserCommand::None:
        return false;
    case BrowserCommand::Reload:
        if (showsCrashPage())
            load(m_crashedUrl);
        else
            triggerPageAction(QWebEnginePage::Reload);
        return true;
    case BrowserCommand::ReloadBypassingCache:
        if (showsCrashPage())
            load(m_crashedUrl);
        else
            triggerPageAction(QWebEnginePage::ReloadAndBypassCache);
        return true;
    case BrowserCommand::Stop:
        if (!m_page->isLoading())
            return false; // the page has the Esc key
        triggerPageAction(QWebEnginePage::Stop);
        return true;
    case BrowserCommand::Back:
        triggerPageAction(QWebEnginePage::Back);
        return true;
    case BrowserCommand::Forward:
        triggerPageAction(QWebEnginePage::Forward);
        return true;
    case BrowserCommand::Print:
        QTimer::singleShot(0, this, &BrowserView::printWithPreview);
        return true;
    case BrowserCommand::Find:
        showFindDialog();
        return true;
    case BrowserCommand::ZoomIn:
        setZoomFactor(nextZoom(zoomFactor(), true));
        return true;
    case BrowserCommand::ZoomOut:
        setZoomFactor(nextZoom(zoomFactor(), false));
        return true;
    case BrowserCommand::ZoomReset:
        setZoomFactor(1.0);
        return true;
    }
    return false;
}

void BrowserView::installKeyRouting()
{
    if (m_keyRouting)
        return;
    m_keyRouting = true;
    watchKeysOf(this);
    for (QObject *child : children())
        watchKeysOf(child);
}

void BrowserView::watchKeysOf(QObject *object)
{
    if (object->isWidgetType())
        object->installEventFilter(this);
}

bool BrowserView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        // The engine replaces the widget that takes the keys (a new renderer).
        if (watched == this)
            watchKeysOf(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::KeyPress:
        return routeKeyPress(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        if (m_swallowedRelease != 0 && static_cast<QKeyEvent *>(event)->key() == m_swallowedRelease) {
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
                m_swallowedRelease = 0;
            return true;
        }
        break;
    default:
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}

bool BrowserView::routeKeyPress(QKeyEvent *event)
{
    // A view behind a modal window (disabled with its window) runs no
    // shortcuts: the key is on its way to the modal window.
    if (!isEnabled())
        return false;
    if (routeKey(event->key(), event->modifiers()) == KeyRoute::PageInput)
        return false;
    if (!execute(shortcutCommand(event->key(), event->modifiers())))
        return false;
    m_swallowedRelease = event->key();
    return true;
}

void BrowserView::printWithPreview()
{
    if (m_printing)
        return;
    m_printing = true;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title());
    QPrintPreviewDialog preview(&printer, window());
    preview.setWindowTitle(QStringLiteral("打印预览"));
    preview.resize(900, 700);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { printTo(target); });
    preview.exec();
    m_printing = false;
}

bool BrowserView::printTo(QPrinter *printer)
{
    QEventLoop loop;
    bool ok = false;
    const bool pdfFile = printer->outputFormat() == QPrinter::PdfFormat &&
                         !printer->outputFileName().isEmpty() && printer->paintEngine() &&
                         printer->paintEngine()->type() == QPaintEngine::Pdf;
    if (pdfFile) {
        connect(m_page, &QWebEnginePage::pdfPrintingFinished, &loop,
                [&](const QString &, bool success) {
                    ok = success;
                    loop.quit();
                });
        m_page->printToPdf(printer->outputFileName(), printer->pageLayout(),
                           printer->pageRanges());
    } else {
        connect(this, &QWebEngineView::printFinished, &loop, [&](bool success) {
            ok = success;
            loop.quit();
        });
        print(printer);
    }
    loop.exec();
    return ok;
}

void BrowserView::showFindDialog()
{
    if (!m_findDialog)
        m_findDialog = new FindDialog(this, window());
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

QWebEngineView *BrowserView::createWindow(QWebEnginePage::WebWindowType type)
{
    return m_popups ? m_popups->openPopup(type) : nullptr;
}

void BrowserView::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_contextMenuEnabled) {
        event->ignore();
        return;
    }
    QMenu *menu = createStandardContextMenu();
    menu->addSeparator();
    menu->addAction(QStringLiteral("查找(&F)...\tCtrl+F"), this, &BrowserView::showFindDialog);
    menu->addAction(QStringLiteral("打印(&P)...\tCtrl+P"), this,
                    [this] { QTimer::singleShot(0, this, &BrowserView::printWithPreview); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void BrowserView::showCrashPage(QWebEnginePage::RenderProcessTerminationStatus status,
                                int exitCode)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    const QUrl crashed = showsCrashPage() ? m_crashedUrl : url();
    // Out of the engine's notification before loading anything new.
    QTimer::singleShot(0, this, [this, crashed, status, exitCode] {
        setHtml(crashPageHtml(crashed, status, exitCode));
        m_crashedUrl = crashed;
    });
}
