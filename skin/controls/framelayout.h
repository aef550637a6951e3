#pragma once

#include "skin/controls/framecodes.h"
#include "skin/controls/tstitlebutton.h"
#include "skin/controls/tstitleicon.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

class TsCommonData;
class QMenuBar;
class QWidget;

// Where the parts of a skinned window's frame stand: which title buttons, icon and caption the
// window shows, in which places, and what a point of the window is. It holds the settings that
// decide this (border icons, the title icon, the program's own title buttons) and the skin's
// pictures of the title buttons, whose size sets the title's slots; it paints nothing and keeps no
// pointer state, so the frame's image, its pointer handling and its screen-reader buttons all ask
// it the same questions and get the same answers.
class FrameLayout {
public:
    // The button masks are looked up in, and measured by, the skin that `skin` holds.
    FrameLayout(const QWidget* form, const TsCommonData& skin);

    BorderIcons borderIcons() const { return m_borderIcons; }
    void setBorderIcons(BorderIcons icons) { m_borderIcons = icons; }
    bool showAppIcon() const { return m_showAppIcon; }
    void setShowAppIcon(bool show) { m_showAppIcon = show; }
    const TsTitleIcon& titleIcon() const { return m_titleIcon; }
    void setTitleIcon(const TsTitleIcon& icon) { m_titleIcon = icon; }
    TsTitleButtons& titleButtons() { return m_titleButtons; }
    const TsTitleButtons& titleButtons() const { return m_titleButtons; }

    // Finds the title buttons' pictures in the window's section of the skin in force.
    void lookUpButtonMasks(int section, const QString& name);
    int buttonMask(TitleButton button) const { return m_buttonMasks[int(button)]; }

    int frameWidth() const;
    int titleHeight() const;
    QSize buttonSize() const;
    int iconSize() const;
    bool iconShown() const;
    bool titleButtonShown(TitleButton button) const;
    bool buttonEnabled(TitleButton button) const;
    int shownButtonCount() const;
    QRect titleButtonRect(TitleButton button) const;
    // The slot of the title, counted from the right edge inward, whose band the buttons share.
    QRect slotRect(int slot) const;
    // Gives the program's own title buttons their places left of the window's, or none where the
    // icon would cover them.
    void placeUserButtons();
    // Where the caption is written in a title `width` pixels wide; empty when it has no room.
    QRect captionRect(int width) const;
    // The window's menu bar, which stands below the title over a band of the frame's image.
    QMenuBar* menuBar() const;

    // What the point of the framed window is; `grip` is the size grip's place in the window, or
    // empty.
    int hitTest(QPoint position, const QRect& grip) const;

private:
    int buttonSlot(TitleButton button) const;

    const QWidget* m_form;
    const TsCommonData& m_skin;
    BorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    bool m_showAppIcon = true;
    TsTitleIcon m_titleIcon;
    TsTitleButtons m_titleButtons;
    std::array<int, titleButtonCount> m_buttonMasks{-1, -1, -1, -1};
};
