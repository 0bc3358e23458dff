#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>

class BrowserView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWebEngineDownloadRequest;
class QWebEngineProfile;

// User name and password for HTTP or proxy authentication.
class CredentialsDialog : public QDialog
{
    Q_OBJECT
public:
    CredentialsDialog(const QString &host, const QString &realm, QWidget *parent);
    QString user() const;
    QString password() const;

private:
    QLineEdit *m_user;
    QLineEdit *m_password;
};

// Find in the page: next, previous, match case.
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    FindDialog(BrowserView *view, QWidget *parent);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void find(bool backward);

    QPointer<BrowserView> m_view;
    QLineEdit *m_text;
    QCheckBox *m_matchCase;
    QLabel *m_result;
};

// The progress of one download: bytes, rate, cancel, open folder.
class DownloadProgressDialog : public QDialog
{
    Q_OBJECT
public:
    DownloadProgressDialog(QWebEngineDownloadRequest *download, QWidget *parent);

private:
    void update();

    QPointer<QWebEngineDownloadRequest> m_download;
    QLabel *m_file;
    QLabel *m_status;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    QPushButton *m_openFolder;
    QElapsedTimer m_clock;
};

// Downloads of a profile: the save dialog, then a progress dialog.
class DownloadManager : public QObject
{
    Q_OBJECT
public:
    // Asks where to save; an empty answer cancels the download.
    using SavePathQuestion = std::function<QString(QWidget *parent, const QString &suggested)>;

    DownloadManager(QWebEngineProfile *profile, QWidget *dialogParent);

    void setSavePathQuestion(SavePathQuestion question) { m_question = std::move(question); }
    static QString askSavePath(QWidget *parent, const QString &suggested);

private:
    void start(QWebEngineDownloadRequest *download);

    QPointer<QWidget> m_dialogParent;
    SavePathQuestion m_question = &DownloadManager::askSavePath;
};

// A pop-up browser window opened by the page: the page only, its title as
// the caption, closed without a question.
class PopupWindow : public QWidget
{
    Q_OBJECT
public:
    PopupWindow(QWebEngineProfile *profile, class PopupHost *popups);
    BrowserView *view() const { return m_view; }

private:
    BrowserView *m_view;
};

// Human-readable byte counts ("1.5 MB").
QString formatBytes(qint64 bytes);
