#include "TRzBitBtn.h"

#include "TForm.h"

#include <QBitmap>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {
constexpr int FaceInset = 5;
}

TRzBitBtn::TRzBitBtn(QWidget *parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_modalResult == 0)
            return;
        if (auto *form = qobject_cast<TForm *>(window()))
            form->setModalResult(m_modalResult);
    });
}

void TRzBitBtn::setFontHeight(int pixels)
{
    setFontPixelHeight(this, pixels);
}

void TRzBitBtn::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    if (m_glyph.isNull())
        return;
    const QImage image = m_glyph.toImage();
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    m_glyph.setMask(m_glyph.createMaskFromColor(transparent, Qt::MaskInColor));
    update();
}

QPixmap TRzBitBtn::glyphImage(int index) const
{
    if (m_glyph.isNull())
        return {};
    const int width = m_glyph.width() / m_numGlyphs;
    if (index >= m_numGlyphs)
        index = 0;
    return m_glyph.copy(index * width, 0, width, m_glyph.height());
}

BitBtnLayout TRzBitBtn::layoutIn(const QRect &face) const
{
    const QRect content = face.adjusted(FaceInset, FaceInset, -FaceInset, -FaceInset);
    BitBtnLayout layout;
    if (m_glyph.isNull()) {
        layout.caption = content;
        return layout;
    }
    const QSize glyphSize(m_glyph.width() / m_numGlyphs, m_glyph.height());
    const int left = content.left() + qMax(0, m_margin);
    layout.glyph = QRect(QPoint(left, content.top() + (content.height() - glyphSize.height()) / 2),
                         glyphSize);
    layout.caption = QRect(QPoint(layout.glyph.right() + 1 + m_spacing, content.top()),
                           QPoint(content.right(), content.bottom()));
    return layout;
}

void TRzBitBtn::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update();
    QPushButton::enterEvent(event);
}

void TRzBitBtn::leaveEvent(QEvent *event)
{
    m_hot = false;
    update();
    QPushButton::leaveEvent(event);
}

void TRzBitBtn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor face = m_color;
    if (isDown())
        face = m_color.darker(118);
    else if (m_hotTrack && m_hot && isEnabled())
        face = QColor(0xFF, 0xF0, 0xCF); // warm highlight under the pointer
    painter.fillRect(rect(), face);
    painter.setPen(m_frameColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const BitBtnLayout layout = layoutIn(rect());
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    if (!layout.glyph.isNull())
        painter.drawPixmap(layout.glyph.topLeft() + shift, glyphImage(isEnabled() ? 0 : 1));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(layout.caption.translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic,
                     text());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        option.backgroundColor = face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
