#include "EngineDialogs.h"

#include "BrowserView.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFindTextResult>
#include <QWebEngineProfile>

QString formatBytes(qint64 bytes)
{
    if (bytes < 0)
        return QStringLiteral("?");
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    const double kb = bytes / 1024.0;
    if (kb < 1024)
        return QStringLiteral("%1 KB").arg(kb, 0, 'f', 1);
    const double mb = kb / 1024.0;
    if (mb < 1024)
        return QStringLiteral("%1 MB").arg(mb, 0, 'f', 1);
    return QStringLiteral("%1 GB").arg(mb / 1024.0, 0, 'f', 2);
}

CredentialsDialog::CredentialsDialog(const QString &host, const QString &realm, QWidget *parent)
    : QDialog(parent), m_user(new QLineEdit), m_password(new QLineEdit)
{
    setWindowTitle(QStringLiteral("需要身份验证"));
    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(
        realm.isEmpty()
            ? QStringLiteral("服务器 %1 要求输入用户名和密码。").arg(host.toHtmlEscaped())
            : QStringLiteral("服务器 %1 要求输入用户名和密码。服务器提示：%2")
                  .arg(host.toHtmlEscaped(), realm.toHtmlEscaped()));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    auto *form = new QFormLayout;
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("用户名(&U):"), m_user);
    form->addRow(QStringLiteral("密码(&P):"), m_password);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString CredentialsDialog::user() const { return m_user->text(); }
QString CredentialsDialog::password() const { return m_password->text(); }

FindDialog::FindDialog(BrowserView *view, QWidget *parent)
    : QDialog(parent), m_view(view), m_text(new QLineEdit), m_matchCase(new QCheckBox),
      m_result(new QLabel)
{
    setWindowTitle(QStringLiteral("查找"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("查找内容(&N):"));
    label->setBuddy(m_text);
    row->addWidget(label);
    row->addWidget(m_text, 1);
    layout->addLayout(row);
    m_matchCase->setText(QStringLiteral("区分大小写(&C)"));
    layout->addWidget(m_matchCase);
    layout->addWidget(m_result);
    auto *buttons = new QHBoxLayout;
    auto *previous = new QPushButton(QStringLiteral("上一个(&B)"));
    auto *next = new QPushButton(QStringLiteral("下一个(&F)"));
    auto *close = new QPushButton(QStringLiteral("关闭"));
    next->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(next, &QPushButton::clicked, this, [this] { find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { find(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_text, &QLineEdit::textChanged, m_result, &QLabel::clear);
    if (view) {
        connect(view->page(), &QWebEnginePage::findTextFinished, this,
                [this](const QWebEngineFindTextResult &result) {
                    if (m_text->text().isEmpty())
                        m_result->clear();
                    else if (result.numberOfMatches() == 0)
                        m_result->setText(QStringLiteral("找不到“%1”").arg(m_text->text()));
                    else
                        m_result->setText(QStringLiteral("第 %1 项，共 %2 项")
                                              .arg(result.activeMatch())
                                              .arg(result.numberOfMatches()));
                });
    }
    setMinimumWidth(380);
}

void FindDialog::find(bool backward)
{
    if (!m_view)
        return;
    QWebEnginePage::FindFlags flags;
    if (backward)
        flags |= QWebEnginePage::FindBackward;
    if (m_matchCase->isChecked())
        flags |= QWebEnginePage::FindCaseSensitively;
    m_view->findText(m_text->text(), flags);
}

void FindDialog::hideEvent(QHideEvent *event)
{
    if (m_view)
        m_view->findText(QString()); // the page's highlight goes with the dialog
    QDialog::hideEvent(event);
}

DownloadProgressDialog::DownloadProgressDialog(QWebEngineDownloadRequest *download,
                                               QWidget *parent)
    : QDialog(parent), m_download(download), m_file(new QLabel), m_status(new QLabel),
      m_progress(new QProgressBar), m_cancel(new QPushButton(QStringLiteral("取消"))),
      m_openFolder(new QPushButton(QStringLiteral("打开文件夹")))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("文件下载"));
    auto *layout = new QVBoxLayout(this);
    m_file->setText(QDir::toNativeSeparators(
        QDir(download->downloadDirectory()).filePath(download->downloadFileName())));
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(new QLabel(QStringLiteral("正在保存：")));
    layout->addWidget(m_file);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    auto *buttons = new QHBoxLayout;
    auto *close = new QPushButton(QStringLiteral("关闭"));
    buttons->addStretch(1);
    buttons->addWidget(m_openFolder);
    buttons->addWidget(m_cancel);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setMinimumWidth(440);

    connect(m_cancel, &QPushButton::clicked, download, &QWebEngineDownloadRequest::cancel);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_openFolder, &QPushButton::clicked, this, [this] {
        if (m_download)
            QDesktopServices::openUrl(QUrl::fromLocalFile(m_download->downloadDirectory()));
    });
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this,
            &DownloadProgressDialog::update);
    connect(download, &QWebEngineDownloadRequest::totalBytesChanged, this,
            &DownloadProgressDialog::update);
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            &DownloadProgressDialog::update);
    m_clock.start();
    update();
}

void DownloadProgressDialog::update()
{
    if (!m_download)
        return;
    const qint64 received = m_download->receivedBytes();
    const qint64 total = m_download->totalBytes();
    const double seconds = std::max<qint64>(m_clock.elapsed(), 1) / 1000.0;
    const QString rate = formatBytes(qint64(received / seconds)) + QStringLiteral("/秒");
    if (total > 0) {
        m_progress->setRange(0, 1000);
        m_progress->setValue(int(received * 1000 / total));
    } else {
        m_progress->setRange(0, 0);
    }
    switch (m_download->state()) {
    case QWebEngineDownloadRequest::DownloadRequested:
    case QWebEngineDownloadRequest::DownloadInProgress:
        m_status->setText(total > 0 ? QStringLiteral("已下载 %1 / %2，速率 %3")
                                          .arg(formatBytes(received), formatBytes(total), rate)
                                    : QStringLiteral("已下载 %1，速率 %2")
                                          .arg(formatBytes(received), rate));
        break;
    case QWebEngineDownloadRequest::DownloadCompleted:
        m_progress->setRange(0, 1000);
        m_progress->setValue(1000);
        m_status->setText(QStringLiteral("下载完成：%1，用时 %2 秒")
                              .arg(formatBytes(received))
                              .arg(seconds, 0, 'f', 1));
        m_cancel->setEnabled(false);
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        m_status->setText(QStringLiteral("下载已取消"));
        m_cancel->setEnabled(false);
        break;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        m_status->setText(QStringLiteral("下载失败：%1").arg(m_download->interruptReasonString()));
        m_cancel->setEnabled(false);
        break;
    }
}

DownloadManager::DownloadManager(QWebEngineProfile *profile, QWidget *dialogParent)
    : QObject(profile), m_dialogParent(dialogParent)
{
    connect(profile, &QWebEngineProfile::downloadRequested, this, &DownloadManager::start);
}

QString DownloadManager::askSavePath(QWidget *parent, const QString &suggested)
{
    const QFileInfo proposed(suggested);
    const QString folder =
        proposed.absoluteDir().exists() ? proposed.absolutePath() : QDir::homePath();
    QFileDialog dialog(parent, QStringLiteral("另存为"), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void DownloadManager::start(QWebEngineDownloadRequest *download)
{
    if (download->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    QWidget *parent = m_dialogParent ? m_dialogParent->window() : nullptr;
    const QString path = m_question(
        parent, QDir(download->downloadDirectory()).filePath(download->downloadFileName()));
    if (path.isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo target(path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    download->accept();
    auto *dialog = new DownloadProgressDialog(download, parent);
    dialog->show();
}

PopupWindow::PopupWindow(QWebEngineProfile *profile, PopupHost *popups)
    : QWidget(nullptr, Qt::Window), m_view(new BrowserView(profile, popups, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(800, 600);
    m_view->installKeyRouting();
    connect(m_view, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_view->page(), &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
    connect(m_view->page(), &QWebEnginePage::geometryChangeRequested, this,
            [this](const QRect &geometry) {
                if (geometry.isValid())
                    resize(geometry.size());
            });
}
