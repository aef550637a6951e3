#pragma once

#include "skin/controls/framecodes.h"
#include "skin/controls/frameimage.h"
#include "skin/controls/framelayout.h"
#include "skin/controls/systemmenuondemand.h"
#include "skin/controls/tstitlebutton.h"
#include "skin/controls/tstitleicon.h"
#include "skin/core/tscommondata.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

class ClientScroller;
class Form;
class FrameInput;
class QPaintEvent;
class TitleButtonsAccess;
class TsGrip;
class TsScrollBar;
class TsSystemMenu;

// A window's frame messages: the provider answers them for its window.
constexpr unsigned SKM_GETPROVIDER = 0xA506;
constexpr unsigned SKM_ISHOOKED = 0xA50C;

// Wears the skin's "FORM" section on its window. While a skin is in force the window has no
// native frame: the provider paints frame, title, title buttons, icon, caption and the menu bar's
// band into one image sized to the window, shapes the window after the frame's corners, serves
// the client area's background from that image, and moves, sizes, maximises, minimises and closes
// the window from its own title. When the skin goes, the native frame comes back.
//
// The provider watches its window (and the window's client area) through an event filter; a
// second provider on the same window watches after the first and sees what the first lets pass.
//
// It is the frame's public face and wires its parts to the window: FrameLayout says where the
// title's parts stand and what a point is, FrameImage paints the picture and shapes the window,
// FrameInput handles the pointer and the title buttons' commands, ClientScroller scrolls the
// client, and TitleButtonsAccess stands in for the title buttons with screen readers and the keys.
class TsSkinProvider : public QObject {
    Q_OBJECT

public:
    explicit TsSkinProvider(Form* form);
    ~TsSkinProvider() override;

    // The first provider of the window, or nullptr.
    static TsSkinProvider* of(const QWidget* form);

    BorderIcons borderIcons() const { return m_layout.borderIcons(); }
    void setBorderIcons(BorderIcons icons);
    CaptionAlignment captionAlignment() const { return m_image.captionAlignment(); }
    void setCaptionAlignment(CaptionAlignment alignment);
    GripMode gripMode() const { return m_gripMode; }
    void setGripMode(GripMode mode);
    ResizeMode resizeMode() const;
    void setResizeMode(ResizeMode mode);
    bool showAppIcon() const { return m_layout.showAppIcon(); }
    void setShowAppIcon(bool show);
    const TsTitleIcon& titleIcon() const { return m_layout.titleIcon(); }
    void setTitleIcon(const TsTitleIcon& icon);
    TsTitleButtons& titleButtons() { return m_layout.titleButtons(); }

    bool MakeSkinMenu = true;
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    bool UseGlobalColor = true;

    TsCommonData SkinData;

    Form* form() const { return m_form; }
    // The window menu; made on this first call if nothing has needed it before.
    TsSystemMenu* systemMenu() { return m_systemMenu.menu(); }
    // The window wears the skinned frame.
    bool frameSkinned() const { return m_frameSkinned; }
    bool active() const { return m_image.active(); }
    // The caption the skinned title shows.
    const QString& caption() const { return m_image.caption(); }

    // The whole window as the skin paints it, rebuilt first when stale.
    const QImage& frameImage();
    // The bars that scroll the client's controls when the client is smaller than they need, and
    // the square between them; nullptr until first needed.
    TsScrollBar* horizontalScrollBar() const;
    TsScrollBar* verticalScrollBar() const;
    QWidget* scrollCorner() const;
    // The size grip in the client's bottom-right corner while the grip is switched on and the
    // window has its skinned frame and its normal size; nullptr until first needed.
    TsGrip* sizeGrip() const;
    // How far the client's controls are scrolled from their designed places.
    QPoint scrollOffset() const;

    // The menu bar's band as last painted, sized to the menu bar; null without a skin or a menu
    // bar.
    QImage menuBarBackground() const;

    int hitTest(QPoint windowPosition) const;
    bool titleButtonShown(TitleButton button) const { return m_layout.titleButtonShown(button); }
    QRect titleButtonRect(TitleButton button) const { return m_layout.titleButtonRect(button); }
    ControlState titleButtonState(TitleButton button) const { return m_image.buttonState(button); }
    // Does what a click on the title button does; a disabled button does nothing.
    void clickTitleButton(TitleButton button);

    // Where a window at `frame` comes to rest when ScreenSnap is on and it is moved (the frame's
    // input snaps it): each edge closer than `buffer` to the same edge of `monitor` is moved onto it.
    static QPoint snappedPosition(const QRect& frame, const QRect& monitor, int buffer);

signals:
    // One of the program's own title buttons is pressed; let go over it again, it is released.
    void titleButtonMouseDown(TsTitleButton& button);
    void titleButtonMouseUp(TsTitleButton& button);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's manager is active and the skin in force has a section for this frame.
    bool frameSkinActive() const;
    bool formEvent(QEvent* event);
    bool clientEvent(QEvent* event);
    bool gripEvent(QEvent* event);
    bool answerSkinMessage(QEvent* event, QPoint cacheOrigin);
    void paint(QPaintEvent* event);

    void lookUpIndexes();
    void applyFrame();
    void removeFrame();
    void setFramed(bool framed);
    void setChildCursors(bool arrow);
    void applyGlobalColor();
    void invalidateFrame();
    void updateAccessButtons();
    QPoint clientOrigin() const;

    Form* m_form;
    QWidget* m_client;
    FrameLayout m_layout;
    FrameImage m_image;
    SystemMenuOnDemand m_systemMenu;
    std::unique_ptr<FrameInput> m_input;
    std::unique_ptr<ClientScroller> m_scroller;
    // Only the window's first provider has them. Declared after the input, so that they go, and
    // with them their connections to it, before the input does.
    std::unique_ptr<TitleButtonsAccess> m_access;

    GripMode m_gripMode = GripMode::gmNone;
    QColor m_ownColor;
    bool m_frameSkinned = false;
    // The window's own largest size, given back when the skin goes.
    QSize m_ownMaximumSize;
};
