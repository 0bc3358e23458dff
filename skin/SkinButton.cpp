#include "SkinButton.h"

#include "SkinMetrics.h"
#include "SkinStyle.h"
#include "TRzBitBtn.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

SkinButton::SkinButton(QAbstractButton *button, const SkinStyle &style)
    : QObject(button), m_button(button), m_style(style)
{
    button->installEventFilter(this);
    button->setAttribute(Qt::WA_Hover);
    // The skin gives the focus on a left press itself; other buttons of the
    // mouse give nothing.
    m_clickFocus = button->focusPolicy() & Qt::ClickFocus;
    button->setFocusPolicy(Qt::FocusPolicy(button->focusPolicy() & ~Qt::ClickFocus));
    m_hot = button->underMouse();
    button->update();
}

QString SkinButton::displayText(const QString &caption)
{
    QString text = caption;
    return text.replace(QLatin1String("||"), QLatin1String("\n"));
}

FaceState SkinButton::state() const
{
    if (!m_button->isEnabled())
        return FaceState::Disabled;
    if (m_pressed || m_button->isDown())
        return FaceState::Pressed;
    if (m_hot || m_button->hasFocus())
        return FaceState::Hot;
    const auto *push = qobject_cast<const QPushButton *>(m_button);
    if ((push && push->isDefault()) || m_button->property("Default").toBool())
        return FaceState::Default;
    return FaceState::Normal;
}

void SkinButton::setPressedAndHot(bool pressed, bool hot)
{
    if (pressed == m_pressed && hot == m_hot)
        return;
    m_pressed = pressed;
    m_hot = hot;
    m_button->update();
}

namespace {

// Where the glyph and caption go: a bitmap button's own layout, else the
// caption alone in the content area.
BitBtnLayout layoutOf(const QAbstractButton *button, const QRect &face)
{
    if (const auto *bitBtn = qobject_cast<const TRzBitBtn *>(button))
        return bitBtn->layoutIn(face);
    const int inset = Metrics.buttonContentInset;
    return {QRect(), face.adjusted(inset, inset, -inset, -inset)};
}

} // namespace

void SkinButton::paint()
{
    QPainter p(m_button);
    const FaceState face = state();
    const QRect r = m_button->rect();
    m_style.drawFace(&p, r, face);
    // Always the first glyph image, transparent where the bitmap's
    // bottom-left colour is, placed by the button's own layout settings.
    const BitBtnLayout layout = layoutOf(m_button, r);
    if (const auto *bitBtn = qobject_cast<const TRzBitBtn *>(m_button); bitBtn && !layout.glyph.isNull())
        p.drawPixmap(layout.glyph.topLeft(), bitBtn->glyphImage(0));
    p.setFont(m_button->font());
    p.setPen(m_style.faceText(face));
    p.drawText(layout.caption, Qt::AlignCenter | Qt::TextShowMnemonic, displayText(m_button->text()));
}

bool SkinButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_button)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        paint();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        if (m_clickFocus)
            m_button->setFocus(Qt::MouseFocusReason);
        setPressedAndHot(true, true);
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_button->rect().contains(mouse->position().toPoint()))
            setPressedAndHot(false, false);
        else if (!(mouse->buttons() & Qt::LeftButton))
            setPressedAndHot(false, true);
        return mouse->buttons() & Qt::LeftButton;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const bool click = m_pressed && m_button->rect().contains(mouse->position().toPoint());
        setPressedAndHot(false, m_button->rect().contains(mouse->position().toPoint()) && click);
        if (click)
            m_button->click();
        return true;
    }
    case QEvent::Enter:
    case QEvent::HoverEnter:
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
            setPressedAndHot(m_pressed, true);
        return false;
    case QEvent::Leave:
    case QEvent::HoverLeave:
        setPressedAndHot(false, false);
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        m_button->update();
        return false;
    default:
        return false;
    }
}
