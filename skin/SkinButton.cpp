#include "SkinButton.h"

#include "SkinMetrics.h"
#include "SkinStyle.h"

#include <QAbstractButton>
#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

SkinButton::SkinButton(QAbstractButton *button, const SkinStyle &style)
    : QObject(button), m_button(button), m_style(style)
{
    button->installEventFilter(this);
    button->setAttribute(Qt::WA_Hover);
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
    if (push && push->isDefault())
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

// The button's first glyph image with the colour of the glyph bitmap's
// bottom-left pixel made transparent; the button's icon when it has none.
QPixmap firstGlyph(const QAbstractButton *button)
{
    const QVariant glyph = button->property("Glyph");
    QImage image = glyph.canConvert<QImage>() ? glyph.value<QImage>() : QImage();
    if (image.isNull() && glyph.canConvert<QPixmap>())
        image = glyph.value<QPixmap>().toImage();
    if (image.isNull()) {
        const QIcon icon = button->icon();
        return icon.isNull() ? QPixmap() : icon.pixmap(button->iconSize());
    }
    const int count = qMax(1, button->property("NumGlyphs").toInt());
    const QRgb key = image.pixel(0, image.height() - 1);
    image = image.copy(0, 0, image.width() / count, image.height())
                .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] | 0xff000000u) == (key | 0xff000000u))
                line[x] = 0;
        }
    }
    return QPixmap::fromImage(image);
}

int intProperty(const QObject *object, const char *name, int fallback)
{
    const QVariant value = object->property(name);
    return value.isValid() ? value.toInt() : fallback;
}

} // namespace

void SkinButton::paint()
{
    QPainter p(m_button);
    const FaceState face = state();
    const QRect r = m_button->rect();
    m_style.drawFace(&p, r, face);

    // Glyph left, `Margin` from the content's left edge; the caption centred
    // in what lies `Spacing` beyond the glyph.
    const QRect content = r.adjusted(Metrics.buttonContentInset, Metrics.buttonContentInset,
                                     -Metrics.buttonContentInset, -Metrics.buttonContentInset);
    const QPixmap glyph = firstGlyph(m_button);
    QRect textRect = content;
    if (!glyph.isNull()) {
        const QSize size = glyph.deviceIndependentSize().toSize();
        const int x = content.left() + intProperty(m_button, "Margin", 2);
        p.drawPixmap(QRect(QPoint(x, r.top() + (r.height() - size.height()) / 2), size), glyph);
        textRect.setLeft(x + size.width() + intProperty(m_button, "Spacing", 4));
    }
    p.setFont(m_button->font());
    p.setPen(m_style.faceText(face));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, displayText(m_button->text()));
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
        if (m_button->focusPolicy() & Qt::ClickFocus)
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
