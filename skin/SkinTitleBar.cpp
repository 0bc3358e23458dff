#include "SkinTitleBar.h"

#include "SkinMetrics.h"

#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

SkinTitleBar::SkinTitleBar(QWidget *window, std::shared_ptr<const SkinTheme> theme,
                           const SkinRules::WindowAbilities &abilities)
    : QWidget(window), m_window(window), m_theme(std::move(theme)), m_abilities(abilities)
{
    setObjectName(QStringLiteral("daixiSkinTitleBar"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(Metrics.titleHeight);
    m_hoverCheck.setInterval(Metrics.hoverPollMs);
    connect(&m_hoverCheck, &QTimer::timeout, this, &SkinTitleBar::checkHover);
}

QSize SkinTitleBar::sizeHint() const
{
    return {Metrics.titleHeight * 4, Metrics.titleHeight};
}

int SkinTitleBar::textLeft() const
{
    const bool icon = m_abilities.systemMenu && !m_window->windowIcon().isNull();
    return Metrics.captionTextIndent + (icon ? Metrics.iconSize + 4 : 0);
}

QFont SkinTitleBar::captionFont() const
{
    QFont font = m_window->font();
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

int SkinTitleBar::fullWidth() const
{
    const int buttonsWidth =
        int(buttons().size()) * (Metrics.captionButtonWidth + Metrics.captionButtonGap);
    return textLeft() + QFontMetrics(captionFont()).horizontalAdvance(m_window->windowTitle()) +
           Metrics.captionTextIndent + buttonsWidth + Metrics.captionRightIndent;
}

QList<CaptionButton> SkinTitleBar::buttons() const
{
    return SkinRules::captionButtons(m_abilities, m_window->isMaximized(), m_theme->captionButtons);
}

QRect SkinTitleBar::buttonRect(int index) const
{
    const int w = Metrics.captionButtonWidth, h = Metrics.captionButtonHeight;
    const int right = width() - Metrics.captionRightIndent - index * (w + Metrics.captionButtonGap);
    return {right - w, (height() - h) / 2 + 1, w, h};
}

int SkinTitleBar::buttonAt(const QPoint &pos) const
{
    const int count = int(buttons().size());
    for (int i = 0; i < count; ++i) {
        if (buttonRect(i).contains(pos))
            return i;
    }
    return -1;
}

Qt::Edges SkinTitleBar::resizeEdgesAt(const QPoint &pos) const
{
    const QSize fixed = m_window->minimumSize();
    if (m_window->isMaximized() || fixed == m_window->maximumSize())
        return {};
    // The top band, and its corners a little wider, belong to the frame.
    Qt::Edges edges = SkinRules::edgesAt(size(), pos, Metrics.borderWidth) & Qt::TopEdge;
    if (edges) {
        if (pos.x() < Metrics.resizeGrip * 2)
            edges |= Qt::LeftEdge;
        else if (pos.x() >= width() - Metrics.resizeGrip * 2)
            edges |= Qt::RightEdge;
    }
    return edges;
}

void SkinTitleBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool active = m_window->isActiveWindow();
    m_theme->image(active ? SkinPart::TitleActive : SkinPart::TitleInactive).draw(p, rect());

    if (textLeft() > Metrics.captionTextIndent) {
        const int size = Metrics.iconSize;
        m_window->windowIcon().paint(
            &p, QRect(Metrics.captionTextIndent - 2, (height() - size) / 2 + 1, size, size));
    }

    const QList<CaptionButton> shown = buttons();
    for (int i = 0; i < shown.size(); ++i) {
        const CaptionState state = i == m_pressed && i == m_hot ? CaptionState::Pressed
                                   : i == m_hot                 ? CaptionState::Hot
                                                                : CaptionState::Normal;
        m_theme->caption(shown[i], state).draw(p, buttonRect(i));
    }

    const int textRight = shown.isEmpty() ? width() - Metrics.captionTextIndent
                                          : buttonRect(int(shown.size()) - 1).left() - 6;
    p.setFont(captionFont());
    const QRect textRect(textLeft(), 1, qMax(0, textRight - textLeft()), height() - 1);
    const QString text =
        p.fontMetrics().elidedText(m_window->windowTitle(), Qt::ElideRight, textRect.width());
    // A soft shadow under the caption keeps it legible on the gradient.
    p.setPen(QColor(0, 0, 0, active ? 70 : 30));
    p.drawText(textRect.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
    p.setPen(active ? m_theme->colors.titleText : m_theme->colors.titleTextInactive);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void SkinTitleBar::setHot(int index)
{
    if (index == m_hot)
        return;
    m_hot = index;
    if (m_hot >= 0)
        m_hoverCheck.start();
    else
        m_hoverCheck.stop();
    update();
}

void SkinTitleBar::checkHover()
{
    if (!rect().contains(mapFromGlobal(QCursor::pos())) || !isVisible())
        setHot(-1);
    else
        setHot(buttonAt(mapFromGlobal(QCursor::pos())));
}

void SkinTitleBar::emitFor(CaptionButton button)
{
    switch (button) {
    case CaptionButton::Minimize:
        emit minimizeRequested();
        break;
    case CaptionButton::Maximize:
    case CaptionButton::Restore:
        emit maximizeRequested();
        break;
    case CaptionButton::Close:
        emit closeRequested();
        break;
    }
}

void SkinTitleBar::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (m_abilities.systemMenu && buttonAt(pos) < 0)
            emit windowMenuRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = buttonAt(pos);
    if (m_pressed >= 0) {
        setHot(m_pressed);
        update();
        return;
    }
    if (const Qt::Edges edges = resizeEdgesAt(pos))
        emit resizeRequested(edges);
    else if (!m_window->isMaximized())
        emit moveRequested();
}

void SkinTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    setHot(buttonAt(pos));
    const Qt::Edges edges = m_pressed < 0 ? resizeEdgesAt(pos) : Qt::Edges();
    if (edges == (Qt::TopEdge | Qt::LeftEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::TopEdge | Qt::RightEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void SkinTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int pressed = m_pressed;
    m_pressed = -1;
    update();
    if (pressed >= 0 && buttonAt(event->position().toPoint()) == pressed) {
        const QList<CaptionButton> shown = buttons();
        setHot(-1);
        emitFor(shown[pressed]);
    }
}

void SkinTitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && buttonAt(event->position().toPoint()) < 0 &&
        m_abilities.maximizeBox)
        emit maximizeRequested();
}

void SkinTitleBar::leaveEvent(QEvent *)
{
    setHot(-1);
    unsetCursor();
}
