#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <functional>

class Exception;
class TForm;
class QSessionManager;

// The application object: title, icon, the main form, the terminate flag,
// the error boxes and the ownership of every form the program creates.
class TApplication : public QApplication
{
    Q_OBJECT
public:
    // Runs the program body (Initialize, title, CreateForm, Run) inside the
    // platform's start-up and end-of-program sequence; returns the exit code.
    static int Main(int argc, char **argv, const std::function<void()> &body);

    TApplication(int &argc, char **argv);
    ~TApplication() override;

    void Initialize();
    void setTitle(const QString &title) { m_title = title; }
    const QString &Title() const { return m_title; }

    // Creates a form owned by the application; the reference is set as soon
    // as the object exists, before its layout is loaded. The first form
    // created becomes the main form.
    template <class Form> void CreateForm(Form *&reference)
    {
        reference = nullptr;
        buildForm(
            [&reference]() -> TForm * {
                reference = new Form;
                return reference;
            },
            [&reference] { reference = nullptr; });
    }

    TForm *MainForm() const { return m_mainForm; }
    // Shows the main form and runs the message loop until terminated.
    void Run();
    // Asks the loop to end: a quit request is posted and takes effect when
    // the loop reads it.
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // The message loop's report of an error: silent aborts are dropped,
    // anything else gets the error box captioned with the title.
    void ShowException(const std::exception &error);
    // Runs an event handler the way the message loop does: an error it
    // raises is reported and the loop goes on. Returns false after an error.
    bool RunHandler(const std::function<void()> &handler);

    // Forms owned by the application, oldest first.
    void insertForm(TForm *form);
    void removeForm(TForm *form);
    TForm *modalForm() const;

    bool notify(QObject *receiver, QEvent *event) override;

protected:
    void customEvent(QEvent *event) override;

private:
    void buildForm(const std::function<TForm *()> &create, const std::function<void()> &forget);
    void commitData(QSessionManager &manager);
    void tearDown();
    void watchTerminationSignals();

    QString m_title;
    TForm *m_mainForm = nullptr;
    QList<QPointer<TForm>> m_forms;
    bool m_terminated = false;
};

extern TApplication *Application;
