#pragma once

#include "skin/controls/tstitlebutton.h"
#include "skin/controls/tstitleicon.h"
#include "skin/core/tscommondata.h"

#include <QColor>
#include <QFlags>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <memory>

class Form;
class QMenuBar;
class QMouseEvent;
class QPaintEvent;
class QWheelEvent;
class QRubberBand;
class SkinProviderButton;
class SystemMenuButton;
class TsGrip;
class TsScrollBar;
class TsSystemMenu;

// A window's frame messages: the provider answers them for its window.
constexpr unsigned SKM_GETPROVIDER = 0xA506;
constexpr unsigned SKM_ISHOOKED = 0xA50C;

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

// Wears the skin's "FORM" section on its window. While a skin is in force the window has no
// native frame: the provider paints frame, title, title buttons, icon, caption and the menu bar's
// band into one image sized to the window, shapes the window after the frame's corners, serves
// the client area's background from that image, and moves, sizes, maximises, minimises and closes
// the window from its own title. When the skin goes, the native frame comes back.
//
// The provider watches its window (and the window's client area) through an event filter; a
// second provider on the same window watches after the first and sees what the first lets pass.
class TsSkinProvider : public QObject {
    Q_OBJECT

public:
    explicit TsSkinProvider(Form* form);
    ~TsSkinProvider() override;

    // The first provider of the window, or nullptr.
    static TsSkinProvider* of(const QWidget* form);

    BorderIcons borderIcons() const { return m_borderIcons; }
    void setBorderIcons(BorderIcons icons);
    CaptionAlignment captionAlignment() const { return m_captionAlignment; }
    void setCaptionAlignment(CaptionAlignment alignment);
    GripMode gripMode() const { return m_gripMode; }
    void setGripMode(GripMode mode);
    ResizeMode resizeMode() const { return m_resizeMode; }
    void setResizeMode(ResizeMode mode) { m_resizeMode = mode; }
    bool showAppIcon() const { return m_showAppIcon; }
    void setShowAppIcon(bool show);
    const TsTitleIcon& titleIcon() const { return m_titleIcon; }
    void setTitleIcon(const TsTitleIcon& icon);
    TsTitleButtons& titleButtons() { return m_titleButtons; }

    bool MakeSkinMenu = true;
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    bool UseGlobalColor = true;

    TsCommonData SkinData;

    Form* form() const { return m_form; }
    TsSystemMenu* systemMenu() const { return m_systemMenu; }
    // The window wears the skinned frame.
    bool frameSkinned() const { return m_frameSkinned; }
    bool active() const { return m_active; }
    // The caption the skinned title shows.
    const QString& caption() const { return m_caption; }

    // The whole window as the skin paints it, rebuilt first when stale.
    const QImage& frameImage();
    // The bars that scroll the client's controls when the client is smaller than they need, and
    // the square between them; nullptr until first needed.
    TsScrollBar* horizontalScrollBar() const { return m_horizontalBar; }
    TsScrollBar* verticalScrollBar() const { return m_verticalBar; }
    QWidget* scrollCorner() const { return m_scrollCorner; }
    // The size grip in the client's bottom-right corner while the grip is switched on and the
    // window has its skinned frame and its normal size; nullptr until first needed.
    TsGrip* sizeGrip() const { return m_grip; }
    // How far the client's controls are scrolled from their designed places.
    QPoint scrollOffset() const { return m_scrollOffset; }

    // The menu bar's band as last painted, sized to the menu bar; null without a skin or a menu
    // bar.
    QImage menuBarBackground() const;

    int hitTest(QPoint windowPosition) const;
    bool titleButtonShown(TitleButton button) const;
    QRect titleButtonRect(TitleButton button) const;
    ControlState titleButtonState(TitleButton button) const { return m_buttons[int(button)].state; }
    // Does what a click on the title button does; a disabled button does nothing.
    void clickTitleButton(TitleButton button);

    // Where a window at `frame` comes to rest: each edge closer than `buffer` to the same edge of
    // `monitor` is moved onto it.
    static QPoint snappedPosition(const QRect& frame, const QRect& monitor, int buffer);

signals:
    // One of the program's own title buttons is pressed; let go over it again, it is released.
    void titleButtonMouseDown(TsTitleButton& button);
    void titleButtonMouseUp(TsTitleButton& button);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ButtonRecord {
        ControlState state = ControlState::Normal;
        int maskIndex = -1;
    };

    bool skinInForce() const;
    bool formEvent(QEvent* event);
    bool clientEvent(QEvent* event);
    bool answerSkinMessage(QEvent* event, QPoint cacheOrigin);
    bool mouseEvent(QMouseEvent* event);
    void paint(QPaintEvent* event);

    void lookUpIndexes();
    void applyFrame();
    void removeFrame();
    void setChildCursors(bool arrow);
    void applyGlobalColor();
    void invalidateFrame();
    void updateRegion();
    void updateAccessButtons();
    void rebuildImage();
    QSize imageSize() const;
    void paintIcon(QImage& image);
    void paintTitleButtons(QImage& image);
    void paintTitleButton(QImage& image, TitleButton button);
    // The user title button over the title behind it, in its state.
    void paintUserButton(QImage& image, int index);
    void paintCaption(QImage& image);
    void setHot(int hit);
    void openSystemMenu();
    void setButtonState(TitleButton button, ControlState state);
    void setUserButtonState(int index, ControlState state);
    void snapToMonitor();
    bool scrolls(const QWidget* child) const;
    QSize contentExtent() const;
    QPoint barOffset() const;
    void updateScrollBars();
    TsScrollBar* placeScrollBar(TsScrollBar* bar, Qt::Orientation orientation, int content, int view,
                                const QRect& place);
    void scrollChildrenTo(QPoint offset);
    bool scrollByWheel(QWheelEvent* event);
    void scrollIntoView(QWidget* control);
    void paintScrollCorner();
    void updateGrip();
    bool gripEvent(QEvent* event);
    void toggleMaximized();
    void startDrag(QPoint globalPosition);
    void dragTo(QPoint globalPosition);

    int frameWidth() const;
    int titleHeight() const;
    QSize buttonSize() const;
    int iconSize() const;
    bool iconShown() const;
    int shownButtonCount() const;
    QRect slotRect(int slot) const;
    int buttonSlot(TitleButton button) const;
    bool buttonEnabled(TitleButton button) const;
    QMenuBar* menuBar() const;
    QPoint clientOrigin() const;

    Form* m_form;
    QWidget* m_client;
    TsSystemMenu* m_systemMenu = nullptr;
    std::array<SkinProviderButton*, titleButtonCount> m_accessButtons{};
    SystemMenuButton* m_menuButton = nullptr;
    std::array<ButtonRecord, titleButtonCount> m_buttons{};

    BorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    CaptionAlignment m_captionAlignment = CaptionAlignment::Left;
    GripMode m_gripMode = GripMode::gmNone;
    ResizeMode m_resizeMode = ResizeMode::rmStandard;
    bool m_showAppIcon = true;
    TsTitleIcon m_titleIcon;
    // The title icon as last drawn, and what it was drawn from.
    struct IconKey {
        qint64 glyph = 0;
        qint64 icon = 0;
        int size = 0;
        bool operator==(const IconKey&) const = default;
    };
    QImage m_iconPicture;
    IconKey m_iconKey;
    TsTitleButtons m_titleButtons;

    QString m_caption;
    QColor m_ownColor;
    bool m_frameSkinned = false;
    bool m_active = false;
    bool m_regionStale = true;
    int m_titleSection = -1;
    int m_titleBorderMask = -1;
    int m_titleBarMask = -1;
    int m_gripMask = -1;
    int m_restoreMask = -1;
    int m_userButtonMask = -1;
    int m_menuLineSection = -1;
    // The title strip behind the buttons, kept so that one button repaints alone.
    QImage m_titleBackground;
    QRect m_titleBackgroundRect;

    int m_hot = HTNOWHERE;
    int m_pressed = HTNOWHERE;
    int m_pressHit = HTNOWHERE;
    QPoint m_pressPosition;
    QRect m_pressGeometry;
    Qt::Edges m_dragEdges;
    TsScrollBar* m_horizontalBar = nullptr;
    TsScrollBar* m_verticalBar = nullptr;
    QWidget* m_scrollCorner = nullptr;
    TsGrip* m_grip = nullptr;
    QPoint m_scrollOffset;
    // The window's own largest size, given back when the skin goes.
    QSize m_ownMaximumSize;

    bool m_dragging = false;
    bool m_manualDrag = false;
    std::unique_ptr<QRubberBand> m_outline;
};
