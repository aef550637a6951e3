#pragma once

#include "skin/controls/framecodes.h"
#include "skin/core/controlstate.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>

class FrameLayout;
class QWidget;
class TsCommonData;

// The picture of a skinned window: frame, title, icon, caption, title buttons and the menu bar's
// band, painted into the window's skin cache at the window's size, and the window's shape cut
// after the frame's corners. It keeps what the picture is painted from besides the layout: the
// skin's title pictures, the window's caption and whether it is active, and how each title button
// looks now, so that a button that changes its look is painted again alone over the title behind
// it.
class FrameImage {
public:
    FrameImage(QWidget* form, TsCommonData& skin, FrameLayout& layout);

    // Finds the title's section and pictures in the skin in force; the title behind the buttons is
    // taken again with the next picture.
    void lookUpIndexes();
    void dropTitleBackground() { m_titleBackground = QImage(); }

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    bool active() const { return m_active; }
    void setActive(bool active) { m_active = active; }
    CaptionAlignment captionAlignment() const { return m_captionAlignment; }
    void setCaptionAlignment(CaptionAlignment alignment) { m_captionAlignment = alignment; }
    // The grip's picture in the frame's bottom-right corner.
    void setGripPainted(bool painted) { m_gripPainted = painted; }

    // The picture, painted again first when stale; `painted` is false while no skin is in force,
    // which leaves a blank picture of the right size.
    const QImage& current(bool painted);
    void rebuild(bool painted);
    // The menu bar's band as last painted, sized to the menu bar; null without a menu bar.
    QImage menuBarBackground() const;

    ControlState buttonState(TitleButton button) const { return m_buttonStates[int(button)]; }
    // Changes how a title button (or the program's own button at `index`) looks, painting it again
    // alone unless the whole picture is due anyway.
    void setButtonState(TitleButton button, ControlState state);
    void setUserButtonState(int index, ControlState state);
    void resetButtonStates();

    // The window's shape is cut again at the next paint.
    void markShapeStale() { m_shapeStale = true; }
    void updateShapeIfStale();

private:
    QSize imageSize() const;
    void paintIcon(QImage& image);
    void paintTitleButtons(QImage& image);
    void paintTitleButton(QImage& image, TitleButton button);
    // The user title button over the title behind it, in its state.
    void paintUserButton(QImage& image, int index);
    void paintCaption(QImage& image);

    QWidget* m_form;
    TsCommonData& m_skin;
    FrameLayout& m_layout;

    QString m_caption;
    bool m_active = false;
    CaptionAlignment m_captionAlignment = CaptionAlignment::Left;
    bool m_gripPainted = false;
    bool m_shapeStale = true;
    std::array<ControlState, titleButtonCount> m_buttonStates{};

    int m_titleSection = -1;
    int m_titleBorderMask = -1;
    int m_titleBarMask = -1;
    int m_gripMask = -1;
    int m_restoreMask = -1;
    int m_userButtonMask = -1;
    int m_menuLineSection = -1;
    // The title icon as last drawn, and what it was drawn from.
    struct IconKey {
        qint64 glyph = 0;
        qint64 icon = 0;
        int size = 0;
        bool operator==(const IconKey&) const = default;
    };
    QImage m_iconPicture;
    IconKey m_iconKey;
    // The title strip behind the buttons, kept so that one button repaints alone.
    QImage m_titleBackground;
    QRect m_titleBackgroundRect;
};
