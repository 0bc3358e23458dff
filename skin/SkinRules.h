#pragma once

#include "SkinTheme.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <bitset>

class QPoint;

// The rules that decide what the skin draws: pure functions, no widgets.
namespace SkinRules {

// Kinds of menus and controls that can be drawn in the skin; the position
// is the bit number in the set.
enum SkinControl {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcSystemMenu,
    xcFastReport,
    SkinControlCount
};
using SkinControls = std::bitset<SkinControlCount>;
SkinControls controlSet(std::initializer_list<SkinControl> kinds);

// True when the control's Tag leaves the remainder disableTag when divided
// by 100, the remainder taking the sign of the Tag.
constexpr bool excludedByTag(int tag, int disableTag)
{
    return tag % 100 == disableTag;
}

// The kind named by the first row of `rows` ("Class=kind") whose class is
// `className` regardless of case; empty when no row matches. The kind is
// returned in lower case.
QString lookupSkin3rd(const QStringList &rows, const QString &className);

// What a control of a program form gets.
enum class Treatment {
    None,        // keeps its own drawing
    Button,      // skinned push button: faces, text colours, mouse rule
    CheckBox,
    RadioButton,
    Combo,
    Edit,
    Panel,
    GroupBox,
    ScrollBar,
};

// The standard kind of a control that has no Skin3rd row, as the engine
// finds it from the control's class.
enum class StandardKind { Other, PushButton, CheckBox, RadioButton, Combo, Edit, StatusBar, GroupBox, ScrollBar, Panel };

// Decides one control: Tag rule first, then its exact class name in
// Skin3rd, then its standard kind, each kind needing its member of the set.
Treatment treatmentFor(const QString &className, StandardKind kind, int tag, int disableTag,
                       const QStringList &skin3rd, const SkinControls &controls);

// Which caption buttons a window gets, in title-bar order from the right.
struct WindowAbilities
{
    bool systemMenu = false;
    bool minimizeBox = false;
    bool maximizeBox = false;
};
QList<CaptionButton> captionButtons(const WindowAbilities &window, bool maximized,
                                    const QList<CaptionButton> &defined);

// The edges a press at `point` would resize, for a window of `size` with a
// resize band `band` pixels wide; none inside.
Qt::Edges edgesAt(const QSize &size, const QPoint &point, int band);

} // namespace SkinRules
