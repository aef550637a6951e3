#pragma once

#include <QFlags>

// The words in which a skinned window's frame and its parts speak of the frame: which border icons
// it has, how it sizes, its title buttons and what a point of it is.

enum BorderIcon : unsigned { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
Q_DECLARE_FLAGS(BorderIcons, BorderIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(BorderIcons)

enum class GripMode { gmNone, gmRightBottom };
enum class CaptionAlignment { Left, Right, Center };
// Moving and sizing: by the window system as the pointer goes, or by an outline that the window
// takes when the button is released.
enum class ResizeMode { rmStandard, rmBorder };

// The window's own title buttons, in their order from the right edge inward.
enum class TitleButton { Close, Maximize, Minimize, Help };
constexpr int titleButtonCount = 4;

// What a point of the window is, in the platform's hit-test codes; the program's own title
// buttons answer firstUserButtonHit + their index.
enum HitCode : int {
    HTERROR = -2,
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTSYSMENU = 3,
    HTMINBUTTON = 8,
    HTMAXBUTTON = 9,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTCLOSE = 20,
    HTHELP = 21,
};
constexpr int firstUserButtonHit = 1000;
