#include "SkinStyle.h"

#include "SkinMetrics.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

using PrimitiveHelper = void (*)(const SkinStyle &, const QStyleOption *, QPainter *);
using ControlHelper = void (*)(const SkinStyle &, const QStyleOption *, QPainter *,
                               const QWidget *);

void drawImageCentred(QPainter *p, const QImage &image, const QRect &box, bool enabled)
{
    const QPoint at(box.left() + (box.width() - image.width()) / 2,
                    box.top() + (box.height() - image.height()) / 2);
    p->save();
    if (!enabled)
        p->setOpacity(0.45);
    p->drawImage(at, image);
    p->restore();
}

void buttonPanel(const SkinStyle &style, const QStyleOption *option, QPainter *p)
{
    style.drawFace(p, option->rect, SkinStyle::faceState(option));
}

void checkMark(const SkinStyle &style, const QStyleOption *option, QPainter *p)
{
    const bool on = option->state & (QStyle::State_On | QStyle::State_NoChange);
    const SlicedImage &mark = style.theme().image(on ? SkinPart::CheckOn : SkinPart::CheckOff);
    drawImageCentred(p, mark.image, option->rect, option->state & QStyle::State_Enabled);
}

void radioMark(const SkinStyle &style, const QStyleOption *option, QPainter *p)
{
    const bool on = option->state & QStyle::State_On;
    const SlicedImage &mark = style.theme().image(on ? SkinPart::RadioOn : SkinPart::RadioOff);
    drawImageCentred(p, mark.image, option->rect, option->state & QStyle::State_Enabled);
}

void editPanel(const SkinStyle &style, const QStyleOption *option, QPainter *p)
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    p->fillRect(option->rect, option->palette.brush(QPalette::Base));
    if (frame && frame->lineWidth <= 0)
        return; // an edit inside another control: that control draws the frame
    const bool focus = option->state & QStyle::State_HasFocus;
    style.theme().image(focus ? SkinPart::EditFocus : SkinPart::EditNormal).draw(*p, option->rect);
}

void nothing(const SkinStyle &, const QStyleOption *, QPainter *) {}

void menuPanel(const SkinStyle &style, const QStyleOption *option, QPainter *p)
{
    style.theme().image(SkinPart::MenuBackground).draw(*p, option->rect);
}

void menuCheck(const SkinStyle &style, const QStyleOption *option, QPainter *p)
{
    drawImageCentred(p, style.theme().image(SkinPart::MenuCheck).image, option->rect,
                     option->state & QStyle::State_Enabled);
}

struct PrimitiveEntry
{
    QStyle::PrimitiveElement element;
    PrimitiveHelper helper;
};

constexpr PrimitiveEntry Primitives[] = {
    {QStyle::PE_PanelButtonCommand, buttonPanel},
    {QStyle::PE_PanelButtonBevel, buttonPanel},
    {QStyle::PE_IndicatorCheckBox, checkMark},
    {QStyle::PE_IndicatorRadioButton, radioMark},
    {QStyle::PE_PanelLineEdit, editPanel},
    {QStyle::PE_FrameLineEdit, nothing},
    {QStyle::PE_PanelMenu, menuPanel},
    {QStyle::PE_FrameMenu, nothing},
    {QStyle::PE_IndicatorMenuCheckMark, menuCheck},
};

void pushButtonLabel(const SkinStyle &style, const QStyleOption *option, QPainter *p,
                     const QWidget *widget)
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button)
        return;
    QStyleOptionButton copy(*button);
    copy.palette.setColor(QPalette::ButtonText, style.faceText(SkinStyle::faceState(option)));
    style.baseStyle()->drawControl(QStyle::CE_PushButtonLabel, &copy, p, widget);
}

void pushButtonBevel(const SkinStyle &style, const QStyleOption *option, QPainter *p,
                     const QWidget *)
{
    style.drawFace(p, option->rect, SkinStyle::faceState(option));
}

void menuItem(const SkinStyle &style, const QStyleOption *option, QPainter *p, const QWidget *)
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    const SkinTheme &theme = style.theme();
    const QRect r = item->rect;
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const SlicedImage &line = theme.image(SkinPart::MenuSeparator);
        line.draw(*p, QRect(r.left() + Metrics.menuCheckColumn + 4,
                            r.top() + (r.height() - line.image.height()) / 2,
                            r.width() - Metrics.menuCheckColumn - 8, line.image.height()));
        return;
    }
    const bool enabled = item->state & QStyle::State_Enabled;
    const bool selected = enabled && (item->state & QStyle::State_Selected);
    if (selected)
        theme.image(SkinPart::MenuHighlight).draw(*p, r.adjusted(2, 1, -2, -1));

    const QRect check(r.left(), r.top(), Metrics.menuCheckColumn, r.height());
    if (item->checked)
        drawImageCentred(p, theme.image(SkinPart::MenuCheck).image, check, enabled);
    else if (!item->icon.isNull())
        item->icon.paint(p, check.adjusted(5, 4, -5, -4), Qt::AlignCenter,
                         enabled ? QIcon::Normal : QIcon::Disabled);

    p->save();
    QFont font = item->font;
    if (item->menuItemType == QStyleOptionMenuItem::DefaultItem)
        font.setBold(true);
    p->setFont(font);
    p->setPen(!enabled ? theme.colors.menuTextDisabled
              : selected ? theme.colors.menuTextHighlight
                         : theme.colors.menuText);
    const int textLeft = r.left() + Metrics.menuCheckColumn + 8;
    const QRect text(textLeft, r.top(), r.right() - Metrics.menuArrowColumn - textLeft, r.height());
    const int tab = int(item->text.indexOf(u'\t'));
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    p->drawText(text, flags | Qt::AlignLeft, tab < 0 ? item->text : item->text.left(tab));
    if (tab >= 0)
        p->drawText(text, flags | Qt::AlignRight, item->text.mid(tab + 1));
    p->restore();

    if (item->menuItemType == QStyleOptionMenuItem::SubMenu)
        drawImageCentred(p, theme.image(SkinPart::MenuArrow).image,
                         QRect(r.right() - Metrics.menuArrowColumn, r.top(),
                               Metrics.menuArrowColumn, r.height()),
                         enabled);
}

void noControl(const SkinStyle &, const QStyleOption *, QPainter *, const QWidget *) {}

struct ControlEntry
{
    QStyle::ControlElement element;
    ControlHelper helper;
};

constexpr ControlEntry Controls[] = {
    {QStyle::CE_PushButtonBevel, pushButtonBevel},
    {QStyle::CE_PushButtonLabel, pushButtonLabel},
    {QStyle::CE_MenuItem, menuItem},
    {QStyle::CE_MenuEmptyArea, noControl},
};

} // namespace

SkinStyle::SkinStyle(std::shared_ptr<const SkinTheme> theme)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), m_theme(std::move(theme))
{
    setObjectName(QStringLiteral("daixiSkinStyle"));
}

QPalette SkinStyle::skinPalette(const QPalette &base) const
{
    const SkinColors &c = m_theme->colors;
    QPalette palette = base;
    palette.setColor(QPalette::Window, c.buttonFace);
    palette.setColor(QPalette::Button, c.buttonFace);
    palette.setColor(QPalette::WindowText, c.windowText);
    palette.setColor(QPalette::ButtonText, c.buttonText);
    palette.setColor(QPalette::Base, c.editBackground);
    palette.setColor(QPalette::Text, c.editText);
    palette.setColor(QPalette::Highlight, c.highlight);
    palette.setColor(QPalette::HighlightedText, c.highlightText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, c.buttonTextDisabled);
    return palette;
}

FaceState SkinStyle::faceState(const QStyleOption *option)
{
    const QStyle::State s = option->state;
    if (!(s & QStyle::State_Enabled))
        return FaceState::Disabled;
    if (s & (QStyle::State_Sunken | QStyle::State_On))
        return FaceState::Pressed;
    if (s & (QStyle::State_MouseOver | QStyle::State_HasFocus))
        return FaceState::Hot;
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        button && (button->features & QStyleOptionButton::DefaultButton))
        return FaceState::Default;
    return FaceState::Normal;
}

void SkinStyle::drawFace(QPainter *painter, const QRect &rect, FaceState state) const
{
    static constexpr SkinPart Faces[] = {SkinPart::ButtonNormal, SkinPart::ButtonHot,
                                         SkinPart::ButtonPressed, SkinPart::ButtonDefault,
                                         SkinPart::ButtonDisabled};
    m_theme->image(Faces[int(state)]).draw(*painter, rect);
}

QColor SkinStyle::faceText(FaceState state) const
{
    const SkinColors &c = m_theme->colors;
    const QColor colors[] = {c.buttonText, c.buttonTextHot, c.buttonTextPressed, c.buttonTextDefault,
                             c.buttonTextDisabled};
    return colors[int(state)];
}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    for (const PrimitiveEntry &entry : Primitives) {
        if (entry.element == element)
            return entry.helper(*this, option, painter);
    }
    // A skinned push button shows its focus by its face.
    if (element == PE_FrameFocusRect && qobject_cast<const QPushButton *>(widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    for (const ControlEntry &entry : Controls) {
        if (entry.element == element)
            return entry.helper(*this, option, painter, widget);
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                   QPainter *painter, const QWidget *widget) const
{
    const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
    if (control != CC_ComboBox || !combo)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    const bool hot = option->state & (State_MouseOver | State_HasFocus | State_On);
    const bool enabled = option->state & State_Enabled;
    if (!enabled)
        drawFace(painter, option->rect, FaceState::Disabled);
    else
        m_theme->image(hot ? SkinPart::ComboHot : SkinPart::ComboNormal).draw(*painter, option->rect);
    if (combo->editable) {
        const QRect field = subControlRect(CC_ComboBox, option, SC_ComboBoxEditField, widget);
        painter->fillRect(field.adjusted(-1, -1, 1, 1), option->palette.brush(QPalette::Base));
    }
    const QRect arrow = subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget);
    painter->fillRect(QRect(arrow.left(), arrow.top() + 4, 1, arrow.height() - 8),
                      QColor(0xc4, 0xd0, 0xdc));
    drawImageCentred(painter, m_theme->image(SkinPart::ComboArrow).image, arrow, enabled);
}

QRect SkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                SubControl sub, const QWidget *widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect r = option->rect;
    const int arrow = Metrics.comboArrowWidth;
    switch (sub) {
    case SC_ComboBoxFrame:
        return r;
    case SC_ComboBoxArrow:
        return QRect(r.right() + 1 - arrow, r.top(), arrow, r.height());
    case SC_ComboBoxEditField:
        return r.adjusted(Metrics.editMargin + 1, Metrics.editMargin, -arrow - 2,
                          -Metrics.editMargin);
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return Metrics.checkSize;
    case PM_MenuPanelWidth:
        return Metrics.menuFrame;
    case PM_MenuHMargin:
        return 2;
    case PM_MenuVMargin:
        return 3;
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize SkinStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                  const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return {size.width(), Metrics.menuSeparatorHeight};
    return {size.width() + Metrics.menuCheckColumn + 8 + Metrics.menuArrowColumn + 16,
            qMax(Metrics.menuItemHeight, size.height() + 6)};
}

void SkinStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget))
        widget->setAttribute(Qt::WA_Hover);
    widget->setPalette(skinPalette(widget->palette()));
}

void SkinStyle::unpolish(QWidget *widget)
{
    widget->setPalette(QPalette());
    QProxyStyle::unpolish(widget);
}
