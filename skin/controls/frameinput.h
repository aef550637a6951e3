#pragma once

#include "skin/controls/framecodes.h"
#include "skin/controls/tstitlebutton.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <memory>

class FrameImage;
class FrameLayout;
class QMouseEvent;
class QRubberBand;
class QWidget;
class SystemMenuOnDemand;

// The pointer and the commands on a skinned window's frame: which title button is hot or pressed
// (the frame's image shows it), what a click on a title button, the icon or the caption does, and
// moving, sizing and snapping the window from its title and borders. A new behaviour of a title
// button goes into the handler of its press, move or release here; where the button stands is the
// frame layout's, and how it looks the frame image's.
class FrameInput : public QObject {
    Q_OBJECT

public:
    FrameInput(QWidget* form, FrameLayout& layout, FrameImage& image, SystemMenuOnDemand& systemMenu);
    ~FrameInput() override;

    ResizeMode resizeMode() const { return m_resizeMode; }
    void setResizeMode(ResizeMode mode) { m_resizeMode = mode; }

    // A mouse event on the framed window at its hit code; true when the frame took it.
    bool mouseEvent(QMouseEvent* event, int hit);
    // The pointer left the window.
    void leave() { setHot(HTNOWHERE); }
    // Does what a click on the title button does; a disabled button does nothing.
    void clickTitleButton(TitleButton button);
    void openSystemMenu();
    // The frame is gone: nothing is hot, pressed or being dragged any more.
    void reset();

    // Where a window at `frame` comes to rest: each edge closer than `buffer` to the same edge of
    // `monitor` is moved onto it.
    static QPoint snappedPosition(const QRect& frame, const QRect& monitor, int buffer);
    // Moves the window so, on the screen it stands on.
    void snapToMonitor(int buffer);

signals:
    // One of the program's own title buttons is pressed; let go over it again, it is released. The
    // provider passes both on as its own signals, which the windows connect to.
    void titleButtonMouseDown(TsTitleButton& button);
    void titleButtonMouseUp(TsTitleButton& button);

private:
    bool press(QMouseEvent* event, int hit);
    bool move(QMouseEvent* event, int hit);
    bool release(QMouseEvent* event, int hit);
    bool doubleClick(QMouseEvent* event, int hit);
    // Shows the pressed button pressed while the pointer is over it and normal while it is not.
    void followPressedButton(int hit);
    // Ends a press: the pressed button comes up and a drag by the outline puts the window there.
    void endPress();
    void setHot(int hit);
    void setStateOfHit(int hit, ControlState state);
    void toggleMaximized();
    void startDrag(QPoint globalPosition);
    void dragTo(QPoint globalPosition);

    QWidget* m_form;
    FrameLayout& m_layout;
    FrameImage& m_image;
    SystemMenuOnDemand& m_systemMenu;
    ResizeMode m_resizeMode = ResizeMode::rmStandard;

    int m_hot = HTNOWHERE;
    int m_pressed = HTNOWHERE;
    int m_pressHit = HTNOWHERE;
    QPoint m_pressPosition;
    QRect m_pressGeometry;
    Qt::Edges m_dragEdges;
    bool m_dragging = false;
    bool m_manualDrag = false;
    std::unique_ptr<QRubberBand> m_outline;
};
