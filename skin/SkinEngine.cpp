#include "SkinEngine.h"

#include "SkinButton.h"
#include "SkinData.h"
#include "SkinFrame.h"
#include "SkinStyle.h"
#include "TForm.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTimer>

using namespace SkinRules;

SkinEngine::SkinEngine(TSkinData *data) : QObject(data), m_data(data) {}

SkinEngine::~SkinEngine()
{
    stopWatching();
}

void SkinEngine::setSkinning(bool on)
{
    if (on && !m_data->theme())
        return;
    if (on && !m_style) {
        // Widgets keep a pointer to the style; it lives as long as the
        // application so that no window can outlive it.
        m_style = new SkinStyle(m_data->sharedTheme());
        m_style->setParent(qApp);
    }
    m_skinning = on;
}

void SkinEngine::startWatching()
{
    if (!m_watching)
        qApp->installEventFilter(this);
    m_watching = true;
}

void SkinEngine::stopWatching()
{
    if (m_watching)
        qApp->removeEventFilter(this);
    m_watching = false;
}

bool SkinEngine::wantsSkin(const QWidget *window) const
{
    if (!m_skinning || !window->isWindow() || m_windows.contains(window))
        return false;
    const Qt::WindowFlags flags = window->windowFlags();
    switch (flags & Qt::WindowType_Mask) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
        break;
    default:
        return false; // pop-ups, tool tips, splash screens, desktop
    }
    return !(flags & Qt::FramelessWindowHint) && !window->property("daixiStandardLook").toBool();
}

bool SkinEngine::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_skinning || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::WindowActivate && wantsSkin(widget)) {
        // Recorded at once so that the window is never taken twice; the
        // takeover itself runs once the activation has been handled.
        remember(widget);
        QTimer::singleShot(0, widget, [this, widget] { skinWindow(widget); });
    } else if (event->type() == QEvent::Show && wantsSkin(widget) && statesOwnBounds(widget)) {
        // A form that states its own outer bounds (the main window) is shown
        // to be activated at once; taking it over before it is first mapped
        // spares a second framing by the window manager, and its page is
        // laid out once, at its final size.
        remember(widget);
        skinWindow(widget);
    } else if (event->type() == QEvent::Polish) {
        if (auto *menu = qobject_cast<QMenu *>(widget))
            skinMenu(menu);
    }
    return false;
}

void SkinEngine::remember(QWidget *window)
{
    m_windows.insert(window);
    connect(window, &QObject::destroyed, this, [this, window] { m_windows.remove(window); });
}

bool SkinEngine::statesOwnBounds(const QWidget *window)
{
    const auto *form = qobject_cast<const TForm *>(window);
    return form && form->outerBounds().isValid() && !window->testAttribute(Qt::WA_Mapped);
}

void SkinEngine::skinWindow(QWidget *window)
{
    // A form of the program gets the skin's face colour behind its labels;
    // the controls that keep their own look keep their colours too.
    const QColor face = m_data->theme()->colors.buttonFace;
    for (QStatusBar *bar : window->findChildren<QStatusBar *>()) {
        QPalette own = bar->palette();
        own.setResolveMask(~QPalette::ResolveMask(0)); // every colour its own
        bar->setPalette(own);
    }
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, face);
    window->setPalette(palette);
    // No scroll bars in a multiple-document frame's child area.
    for (QMdiArea *area : window->findChildren<QMdiArea *>()) {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    // xcMainMenu also stands for the skinned frame.
    if (m_data->SkinControls().test(xcMainMenu))
        (new SkinFrame(window, m_data->sharedTheme()))->attach();

    QPointer<QWidget> guard(window);
    QTimer::singleShot(0, window, [this, guard] {
        if (guard)
            treatControls(guard);
    });
}

namespace {

StandardKind standardKind(const QWidget *control)
{
    if (qobject_cast<const QPushButton *>(control))
        return StandardKind::PushButton;
    if (qobject_cast<const QCheckBox *>(control))
        return StandardKind::CheckBox;
    if (qobject_cast<const QRadioButton *>(control))
        return StandardKind::RadioButton;
    if (qobject_cast<const QComboBox *>(control))
        return StandardKind::Combo;
    if (qobject_cast<const QLineEdit *>(control) || qobject_cast<const QAbstractSpinBox *>(control))
        return StandardKind::Edit;
    if (qobject_cast<const QStatusBar *>(control))
        return StandardKind::StatusBar;
    if (qobject_cast<const QGroupBox *>(control))
        return StandardKind::GroupBox;
    if (qobject_cast<const QScrollBar *>(control))
        return StandardKind::ScrollBar;
    return StandardKind::Other;
}

bool isSkinPart(const QWidget *widget)
{
    return widget->objectName().startsWith(QLatin1String("daixiSkin"));
}

} // namespace

Treatment SkinEngine::treatmentOf(const QWidget *control) const
{
    return treatmentFor(QString::fromLatin1(control->metaObject()->className()),
                        standardKind(control), control->property("Tag").toInt(),
                        m_data->DisableTag(), m_data->Skin3rd(), m_data->SkinControls());
}

// The program's forms are main windows built from a layout: their controls
// are the named widgets of the layout, in creation order. Any other window
// (message boxes, the browser's dialogs) has its standard controls drawn by
// their class.
void SkinEngine::treatControls(QWidget *window)
{
    const bool form = qobject_cast<QMainWindow *>(window) != nullptr;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (isSkinPart(control) || control->window() != window)
            continue;
        if (form) {
            const QString name = control->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
                treatFormControl(control);
        } else {
            treatDialogControl(control);
        }
    }
}

void SkinEngine::treatFormControl(QWidget *control)
{
    apply(control, treatmentOf(control));
}

void SkinEngine::treatDialogControl(QWidget *control)
{
    Treatment treatment = Treatment::None;
    switch (standardKind(control)) {
    case StandardKind::PushButton:
        treatment = Treatment::Button;
        break;
    case StandardKind::CheckBox:
        treatment = Treatment::CheckBox;
        break;
    case StandardKind::RadioButton:
        treatment = Treatment::RadioButton;
        break;
    case StandardKind::Combo:
        treatment = Treatment::Combo;
        break;
    case StandardKind::Edit:
        // The edit of a combo box is drawn with its combo box.
        if (!qobject_cast<QComboBox *>(control->parentWidget()))
            treatment = Treatment::Edit;
        break;
    default:
        if (qobject_cast<QSizeGrip *>(control))
            treatment = Treatment::ScrollBar;
        break;
    }
    apply(control, treatment);
}

void SkinEngine::apply(QWidget *control, Treatment treatment)
{
    switch (treatment) {
    case Treatment::None:
        return;
    case Treatment::Button:
        if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            control->setPalette(m_style->skinPalette(control->palette()));
            new SkinButton(button, *m_style);
        }
        return;
    case Treatment::Panel:
    case Treatment::GroupBox: {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Window, m_data->theme()->colors.buttonFace);
        control->setPalette(palette);
        return;
    }
    default:
        control->setStyle(m_style);
        return;
    }
}

void SkinEngine::skinMenu(QMenu *menu)
{
    if (!m_data->SkinControls().test(xcPopupMenu) || menu->property("daixiStandardLook").toBool())
        return;
    for (const QWidget *w = menu->parentWidget(); w; w = w->parentWidget()) {
        if (w->property("daixiStandardLook").toBool())
            return; // a sub-menu of a menu that keeps the standard look
    }
    menu->setStyle(m_style);
}
