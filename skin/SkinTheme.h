#pragma once

#include "SkinPackage.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QMargins>
#include <array>
#include <optional>

class QPainter;
class QRect;

// An image drawn as nine slices: corners kept, edges and centre stretched.
struct SlicedImage
{
    QImage image;
    QMargins slices;

    void draw(QPainter &painter, const QRect &target) const;
};

enum class CaptionButton { Minimize, Maximize, Restore, Close };
enum class CaptionState { Normal, Hot, Pressed };
enum class FaceState { Normal, Hot, Pressed, Default, Disabled };

// The pictures of the skin, by part.
enum class SkinPart {
    TitleActive,
    TitleInactive,
    FrameActive,
    FrameInactive,
    ButtonNormal,
    ButtonHot,
    ButtonPressed,
    ButtonDefault,
    ButtonDisabled,
    CheckOff,
    CheckOn,
    RadioOff,
    RadioOn,
    ComboNormal,
    ComboHot,
    ComboArrow,
    EditNormal,
    EditFocus,
    MenuBackground,
    MenuHighlight,
    MenuSeparator,
    MenuCheck,
    MenuArrow,
    CaptionFirst, // then four buttons of three states each, in enum order
    Count = CaptionFirst + 12,
};

struct SkinColors
{
    QColor buttonFace;
    QColor buttonText;
    QColor buttonTextHot;
    QColor buttonTextPressed;
    QColor buttonTextDefault;
    QColor buttonTextDisabled;
    QColor titleText;
    QColor titleTextInactive;
    QColor windowText;
    QColor editBackground;
    QColor editText;
    QColor highlight;
    QColor highlightText;
    QColor menuText;
    QColor menuTextHighlight;
    QColor menuTextDisabled;
};

// The skin as the package describes it: colours, images and the caption
// buttons it offers.
struct SkinTheme
{
    QString name;
    SkinColors colors;
    QList<CaptionButton> captionButtons;
    std::array<SlicedImage, int(SkinPart::Count)> images;

    const SlicedImage &image(SkinPart part) const { return images[size_t(part)]; }
    const SlicedImage &caption(CaptionButton button, CaptionState state) const
    {
        return images[size_t(int(SkinPart::CaptionFirst) + int(button) * 3 + int(state))];
    }
    bool defines(CaptionButton button) const { return captionButtons.contains(button); }

    // Builds the theme from the package's entries; on a fault returns
    // nothing and says what was wrong.
    static std::optional<SkinTheme> fromEntries(const QList<SkinPackage::Entry> &entries,
                                                QString *problem);
};

// The description entry's name inside the package.
inline constexpr char SkinDescriptionName[] = "skin.ini";
// The description's key of each part's image.
QString skinPartKey(int part);
