#include "TForm.h"

#include "DialogKeys.h"
#include "Exception.h"
#include "LayoutComponent.h"
#include "ModalPlacement.h"
#include "TApplication.h"
#include "VirtualKeys.h"
#include "WindowManagerHints.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

namespace {

bool isDefaultButton(const QAbstractButton *button)
{
    return button->property("Default").toBool();
}

} // namespace

void setFontPixelHeight(QWidget *widget, int pixels)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

TForm::TForm(QWidget *parent) : QMainWindow(parent)
{
    Application->insertForm(this);
}

TForm::~TForm()
{
    Application->removeForm(this);
}

int TForm::fontHeight() const
{
    return font().pixelSize();
}

void TForm::setFontHeight(int pixels)
{
    setFontPixelHeight(this, pixels);
}

void TForm::Build()
{
    loadLayout();
    // Every component has its settings now; let each finish its set-up.
    for (QObject *child : findChildren<QObject *>()) {
        if (auto *component = dynamic_cast<LayoutComponent *>(child))
            component->Loaded();
    }
    if (OnCreate)
        Application->RunHandler([this] { OnCreate(this); });
    // The system window exists from here on, still hidden.
    winId();
    if (m_titleOnlyFrame)
        setTitleOnlyFrame(this);
    applyOuterBounds();
}

void TForm::applyOuterBounds()
{
    const QMargins frame = frameExtents(this);
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (m_outerMinimumSize.isValid())
        setMinimumSize(m_outerMinimumSize - frameSize);
    // Given as the client rectangle: the window manager keeps the client
    // where it is asked to be and puts the frame around it.
    if (m_outerBounds.isValid())
        setGeometry(m_outerBounds - frame);
}

bool TForm::CloseQuery()
{
    if (m_inCloseQuery) {
        // A second request (task bar, end of session) while the question
        // is open: show the question again and refuse.
        if (TForm *modal = Application->modalForm()) {
            modal->raise();
            modal->activateWindow();
        }
        return false;
    }
    m_inCloseQuery = true;
    bool canClose = true;
    if (OnCloseQuery && !Application->RunHandler([&] { OnCloseQuery(this, canClose); }))
        canClose = false;
    m_inCloseQuery = false;
    return canClose;
}

void TForm::closeEvent(QCloseEvent *event)
{
    // The form is hidden by ShowModal's loop or destroyed in the tear-down,
    // never by the close request itself when it is the main form.
    event->ignore();
    if (m_modal) {
        m_modalResult = 2;
        return;
    }
    if (!CloseQuery())
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else
        hide();
}

bool TForm::event(QEvent *event)
{
    // A disabled form behind a modal one passes the activation on to it.
    if (event->type() == QEvent::WindowActivate && !isEnabled()) {
        if (TForm *modal = Application->modalForm(); modal && modal != this && modal->isVisible()) {
            modal->raise();
            modal->activateWindow();
        }
    }
    return QMainWindow::event(event);
}

QWidget *TForm::firstInTabOrder() const
{
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) &&
            w->window() == this)
            return w;
    }
    return nullptr;
}

int TForm::ShowModal()
{
    if (isVisible() || m_modal)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    m_modal = true;

    QWidget *previous = QApplication::activeWindow();
    QList<QPointer<QWidget>> disabled;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != this && w->isWindow() && w->isVisible() && w->isEnabled()) {
            w->setEnabled(false);
            disabled.append(w);
        }
    }

    if (!(windowFlags() & Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (TForm *main = Application->MainForm(); main && main != this && windowHandle())
        windowHandle()->setTransientParent(main->windowHandle());
    const QMargins frame = frameExtents(this);
    const QSize outer = size().grownBy(frame);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->virtualGeometry().size() : QSize();
    // The window manager places the client; the frame goes around it.
    move(centredModalPosition(desktop, outer) + QPoint(frame.left(), frame.top()));

    show();
    raise();
    activateWindow();
    if (QWidget *first = firstInTabOrder())
        first->setFocus(Qt::TabFocusReason);

    m_modalResult = 0;
    while (m_modalResult == 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (Application->Terminated())
            m_modalResult = 2;
    }

    const bool wasActive = isActiveWindow();
    hide();
    for (const auto &w : disabled) {
        if (w)
            w->setEnabled(true);
    }
    if (wasActive && previous && previous != this) {
        previous->raise();
        previous->activateWindow();
    }
    m_modal = false;
    return m_modalResult;
}

void TForm::clickEnterButton()
{
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    if (!button) {
        button = nullptr;
        for (auto *candidate : findChildren<QAbstractButton *>()) {
            if (isDefaultButton(candidate)) {
                button = candidate;
                break;
            }
        }
    }
    if (button && button->isEnabled())
        button->click();
}

bool TForm::preprocessKeyPress(QKeyEvent *event)
{
    // Dialog keys apply where a button (or nothing) has the focus; a control
    // such as the browser takes every key itself.
    QWidget *focus = focusWidget();
    const bool buttonFocus = !focus || focus == this || qobject_cast<QAbstractButton *>(focus);
    if (buttonFocus) {
        switch (dialogKeyAction(event->key(), event->modifiers())) {
        case DialogKeyAction::FocusNext:
            focusNextPrevChild(true);
            return true;
        case DialogKeyAction::FocusPrevious:
            focusNextPrevChild(false);
            return true;
        case DialogKeyAction::ClickEnterButton:
            clickEnterButton();
            return true;
        case DialogKeyAction::CloseRequest:
            close();
            return true;
        case DialogKeyAction::Swallow:
            return true;
        case DialogKeyAction::PassOn:
            break;
        }
    }
    if (KeyPreview && OnKeyDown) {
        quint16 key = virtualKeyCode(event->key());
        if (key == 0)
            return false;
        Application->RunHandler([&] { OnKeyDown(this, key, event->modifiers()); });
        return key == 0; // the handler consumed it
    }
    return false;
}
