#include "SkinRules.h"

#include <QPoint>

namespace SkinRules {

SkinControls controlSet(std::initializer_list<SkinControl> kinds)
{
    SkinControls set;
    for (SkinControl kind : kinds)
        set.set(kind);
    return set;
}

QString lookupSkin3rd(const QStringList &rows, const QString &className)
{
    for (const QString &row : rows) {
        const qsizetype eq = row.indexOf(u'=');
        if (eq > 0 && row.left(eq).trimmed().compare(className, Qt::CaseInsensitive) == 0)
            return row.mid(eq + 1).trimmed().toLower();
    }
    return {};
}

namespace {

struct KindRule
{
    const char *kind;
    Treatment treatment;
    SkinControl needs;
};

// The kinds of Skin3rd rows: the drawing each gets and the member of the
// set it needs.
constexpr KindRule KindRules[] = {
    {"button", Treatment::Button, xcButton},
    {"bitbtn", Treatment::Button, xcButton},
    {"speedbutton", Treatment::Button, xcSpeedButton},
    {"checkbox", Treatment::CheckBox, xcCheckBox},
    {"checkgroup", Treatment::Panel, xcCheckBox},
    {"radiobutton", Treatment::RadioButton, xcRadioButton},
    {"radiogroup", Treatment::Panel, xcRadioButton},
    {"combobox", Treatment::Combo, xcCombo},
    {"edit", Treatment::Edit, xcEdit},
    {"panel", Treatment::Panel, xcPanel},
    {"groupbox", Treatment::GroupBox, xcGroupBox},
    {"scrollbar", Treatment::ScrollBar, xcScrollbar},
    {"embedscrollbar", Treatment::ScrollBar, xcScrollbar},
};

struct StandardRule
{
    StandardKind kind;
    Treatment treatment;
    SkinControl needs;
};

constexpr StandardRule StandardRules[] = {
    {StandardKind::PushButton, Treatment::Button, xcButton},
    {StandardKind::CheckBox, Treatment::CheckBox, xcCheckBox},
    {StandardKind::RadioButton, Treatment::RadioButton, xcRadioButton},
    {StandardKind::Combo, Treatment::Combo, xcCombo},
    {StandardKind::Edit, Treatment::Edit, xcEdit},
    {StandardKind::GroupBox, Treatment::GroupBox, xcGroupBox},
    {StandardKind::ScrollBar, Treatment::ScrollBar, xcScrollbar},
    {StandardKind::Panel, Treatment::Panel, xcPanel},
    // A status bar would need xcStatusBar; the skin has no drawing of its
    // own for one, so it keeps the standard look either way.
};

} // namespace

Treatment treatmentFor(const QString &className, StandardKind kind, int tag, int disableTag,
                       const QStringList &skin3rd, const SkinControls &controls)
{
    if (excludedByTag(tag, disableTag))
        return Treatment::None;
    const QString mapped = lookupSkin3rd(skin3rd, className);
    if (!mapped.isEmpty()) {
        for (const KindRule &rule : KindRules) {
            if (mapped == QLatin1String(rule.kind))
                return controls.test(rule.needs) ? rule.treatment : Treatment::None;
        }
        return Treatment::None; // "nil" and any kind we do not draw
    }
    for (const StandardRule &rule : StandardRules) {
        if (rule.kind == kind)
            return controls.test(rule.needs) ? rule.treatment : Treatment::None;
    }
    return Treatment::None;
}

QList<CaptionButton> captionButtons(const WindowAbilities &window, bool maximized,
                                    const QList<CaptionButton> &defined)
{
    QList<CaptionButton> buttons;
    const auto offer = [&](CaptionButton button, bool allowed) {
        if (allowed && defined.contains(button))
            buttons.append(button);
    };
    offer(CaptionButton::Close, window.systemMenu);
    offer(maximized ? CaptionButton::Restore : CaptionButton::Maximize, window.maximizeBox);
    offer(CaptionButton::Minimize, window.minimizeBox);
    return buttons;
}

Qt::Edges edgesAt(const QSize &size, const QPoint &point, int band)
{
    Qt::Edges edges;
    if (point.x() < 0 || point.y() < 0 || point.x() >= size.width() || point.y() >= size.height())
        return edges;
    if (point.x() < band)
        edges |= Qt::LeftEdge;
    if (point.x() >= size.width() - band)
        edges |= Qt::RightEdge;
    if (point.y() < band)
        edges |= Qt::TopEdge;
    if (point.y() >= size.height() - band)
        edges |= Qt::BottomEdge;
    return edges;
}

} // namespace SkinRules
