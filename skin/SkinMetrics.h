#pragma once

// Sizes of the skin's frame and controls, in pixels; one place for all of them.
struct SkinMetrics
{
    int borderWidth = 4;       // frame around a window that is not maximised
    int titleHeight = 30;      // title bar, inside the top border
    int resizeGrip = 6;        // width of the band that resizes a sizeable window
    int captionButtonWidth = 32;
    int captionButtonHeight = 22;
    int captionButtonGap = 1;
    int captionRightIndent = 6;
    int captionTextIndent = 10; // caption text, from the left edge or the icon
    int iconSize = 16;
    int hoverPollMs = 250;      // a hot caption button is re-checked this often
    int checkSize = 15;         // check box and radio button marks
    int comboArrowWidth = 20;
    int editMargin = 3;
    int menuItemHeight = 24;
    int menuSeparatorHeight = 7;
    int menuCheckColumn = 26;   // room left of an item's text for check or icon
    int menuArrowColumn = 18;   // room right of it for a sub-menu arrow
    int menuFrame = 1;
    int buttonContentInset = 5; // a button's content area inside its face
};

inline constexpr SkinMetrics Metrics{};
