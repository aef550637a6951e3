#include "skin/controls/frameinput.h"

#include "skin/controls/frameimage.h"
#include "skin/controls/framelayout.h"
#include "skin/controls/systemmenuondemand.h"
#include "skin/controls/tssystemmenu.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QScreen>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

namespace {

// The pointer's shape over a part of the frame.
Qt::CursorShape cursorForHit(int hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

// The window's title button a hit code names, or -1.
int buttonOfHit(int hit)
{
    switch (hit) {
    case HTCLOSE: return int(TitleButton::Close);
    case HTMAXBUTTON: return int(TitleButton::Maximize);
    case HTMINBUTTON: return int(TitleButton::Minimize);
    case HTHELP: return int(TitleButton::Help);
    default: return -1;
    }
}

} // namespace

FrameInput::FrameInput(QWidget* form, FrameLayout& layout, FrameImage& image, SystemMenuOnDemand& systemMenu)
    : m_form(form),
      m_layout(layout),
      m_image(image),
      m_systemMenu(systemMenu)
{}

FrameInput::~FrameInput() = default;

bool FrameInput::mouseEvent(QMouseEvent* event, int hit)
{
    switch (event->type()) {
    case QEvent::MouseMove: return move(event, hit);
    case QEvent::MouseButtonPress: return press(event, hit);
    case QEvent::MouseButtonRelease: return release(event, hit);
    case QEvent::MouseButtonDblClick: return doubleClick(event, hit);
    default: return false;
    }
}

bool FrameInput::press(QMouseEvent* event, int hit)
{
    if (hit == HTCLIENT)
        return false;
    if (event->button() == Qt::RightButton)
        return hit == HTCAPTION || hit == HTSYSMENU;
    if (event->button() != Qt::LeftButton)
        return true;
    if (buttonOfHit(hit) >= 0 || hit >= firstUserButtonHit) {
        m_pressed = hit;
        setStateOfHit(hit, ControlState::Pressed);
        if (hit >= firstUserButtonHit)
            emit titleButtonMouseDown(m_layout.titleButtons()[hit - firstUserButtonHit]);
    } else if (hit == HTSYSMENU) {
        openSystemMenu();
    } else if (hit != HTERROR && hit != HTNOWHERE) {
        // Moving and sizing start with the first movement, so that a double click stays one.
        m_pressHit = hit;
        m_pressPosition = event->globalPosition().toPoint();
        m_pressGeometry = m_form->geometry();
    }
    return true;
}

bool FrameInput::move(QMouseEvent* event, int hit)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        setHot(hit);
        m_form->setCursor(cursorForHit(hit));
        return hit != HTCLIENT;
    }
    if (m_pressed != HTNOWHERE) {
        followPressedButton(hit);
        return true;
    }
    if (m_dragging && m_manualDrag)
        dragTo(event->globalPosition().toPoint());
    else if (m_pressHit != HTNOWHERE && !m_dragging)
        startDrag(event->globalPosition().toPoint());
    return m_pressHit != HTNOWHERE;
}

void FrameInput::followPressedButton(int hit)
{
    setStateOfHit(m_pressed, hit == m_pressed ? ControlState::Pressed : ControlState::Normal);
}

bool FrameInput::release(QMouseEvent* event, int hit)
{
    if (event->button() == Qt::RightButton && (hit == HTCAPTION || hit == HTSYSMENU)) {
        m_systemMenu.menu()->openAt(event->globalPosition().toPoint());
        return true;
    }
    const int pressed = m_pressed;
    const bool wasDragging = m_pressHit != HTNOWHERE;
    endPress();
    if (pressed >= firstUserButtonHit) {
        m_image.setUserButtonState(pressed - firstUserButtonHit, ControlState::Normal);
        m_hot = HTNOWHERE;
        TsTitleButton& button = m_layout.titleButtons()[pressed - firstUserButtonHit];
        if (hit == pressed)
            emit titleButtonMouseUp(button);
        return true;
    }
    if (const int button = buttonOfHit(pressed); button >= 0) {
        m_image.setButtonState(TitleButton(button), ControlState::Normal);
        m_hot = HTNOWHERE;
        if (hit == pressed)
            clickTitleButton(TitleButton(button));
        return true;
    }
    return wasDragging || hit != HTCLIENT;
}

void FrameInput::endPress()
{
    m_pressed = HTNOWHERE;
    m_pressHit = HTNOWHERE;
    m_dragging = false;
    m_manualDrag = false;
    if (m_outline) {
        const QRect outline = m_outline->geometry();
        m_outline.reset();
        m_form->setGeometry(outline);
    }
}

bool FrameInput::doubleClick(QMouseEvent* event, int hit)
{
    if (event->button() != Qt::LeftButton || hit == HTCLIENT)
        return false;
    m_pressHit = HTNOWHERE;
    if (hit == HTCAPTION && m_layout.titleButtonShown(TitleButton::Maximize)
        && m_layout.buttonEnabled(TitleButton::Maximize))
        toggleMaximized();
    else if (hit == HTSYSMENU)
        m_form->close();
    return true;
}

void FrameInput::startDrag(QPoint globalPosition)
{
    switch (m_pressHit) {
    case HTLEFT: m_dragEdges = Qt::LeftEdge; break;
    case HTRIGHT: m_dragEdges = Qt::RightEdge; break;
    case HTTOP: m_dragEdges = Qt::TopEdge; break;
    case HTBOTTOM: m_dragEdges = Qt::BottomEdge; break;
    case HTTOPLEFT: m_dragEdges = Qt::TopEdge | Qt::LeftEdge; break;
    case HTTOPRIGHT: m_dragEdges = Qt::TopEdge | Qt::RightEdge; break;
    case HTBOTTOMLEFT: m_dragEdges = Qt::BottomEdge | Qt::LeftEdge; break;
    case HTBOTTOMRIGHT: m_dragEdges = Qt::BottomEdge | Qt::RightEdge; break;
    case HTCAPTION: m_dragEdges = {}; break;
    default: return;
    }
    m_dragging = true;
    if (m_resizeMode == ResizeMode::rmBorder) {
        // The window changes once, on release; meanwhile an outline shows where it goes.
        m_outline = std::make_unique<QRubberBand>(QRubberBand::Rectangle);
        m_outline->setGeometry(m_pressGeometry);
        m_outline->show();
        m_manualDrag = true;
    } else {
        QWindow* window = m_form->windowHandle();
        const bool started =
            window && (m_dragEdges ? window->startSystemResize(m_dragEdges) : window->startSystemMove());
        // Where the window system cannot move or size windows, the frame does it along with the
        // pointer.
        m_manualDrag = !started;
    }
    if (m_manualDrag)
        dragTo(globalPosition);
}

void FrameInput::dragTo(QPoint globalPosition)
{
    const QPoint delta = globalPosition - m_pressPosition;
    QRect rect = m_pressGeometry;
    if (!m_dragEdges) {
        rect.translate(delta);
    } else {
        const QSize least = m_form->minimumSizeHint().expandedTo(m_form->minimumSize());
        if (m_dragEdges & Qt::LeftEdge)
            rect.setLeft(std::min(rect.left() + delta.x(), rect.right() + 1 - least.width()));
        if (m_dragEdges & Qt::RightEdge)
            rect.setRight(std::max(rect.right() + delta.x(), rect.left() + least.width() - 1));
        if (m_dragEdges & Qt::TopEdge)
            rect.setTop(std::min(rect.top() + delta.y(), rect.bottom() + 1 - least.height()));
        if (m_dragEdges & Qt::BottomEdge)
            rect.setBottom(std::max(rect.bottom() + delta.y(), rect.top() + least.height() - 1));
    }
    if (m_outline)
        m_outline->setGeometry(rect);
    else
        m_form->setGeometry(rect);
}

void FrameInput::clickTitleButton(TitleButton button)
{
    if (!m_layout.buttonEnabled(button))
        return;
    switch (button) {
    case TitleButton::Close: m_form->close(); break;
    case TitleButton::Maximize: toggleMaximized(); break;
    case TitleButton::Minimize: m_form->showMinimized(); break;
    case TitleButton::Help: QWhatsThis::enterWhatsThisMode(); break;
    }
    setHot(HTNOWHERE);
    m_systemMenu.refresh();
}

void FrameInput::openSystemMenu()
{
    const int frame = m_layout.frameWidth();
    m_systemMenu.menu()->openAt(m_form->mapToGlobal(QPoint(frame, frame + m_layout.titleHeight())));
}

void FrameInput::toggleMaximized()
{
    if (m_form->isMaximized())
        m_form->showNormal();
    else
        m_form->showMaximized();
}

void FrameInput::reset()
{
    m_hot = m_pressed = m_pressHit = HTNOWHERE;
    m_image.resetButtonStates();
}

void FrameInput::setHot(int hit)
{
    if (hit == m_hot)
        return;
    const int previous = buttonOfHit(m_hot);
    const int previousUser = m_hot - firstUserButtonHit;
    m_hot = hit;
    const TsTitleButtons& userButtons = m_layout.titleButtons();
    if (previous >= 0 && m_image.buttonState(TitleButton(previous)) == ControlState::Hot)
        m_image.setButtonState(TitleButton(previous), ControlState::Normal);
    if (previousUser >= 0 && previousUser < userButtons.size() && userButtons[previousUser].state == ControlState::Hot)
        m_image.setUserButtonState(previousUser, ControlState::Normal);
    if (m_pressed != HTNOWHERE)
        return;
    setStateOfHit(hit, ControlState::Hot);
}

// Gives the title button of a hit code, the window's or the program's own, a state; other hit
// codes name no button and change nothing.
void FrameInput::setStateOfHit(int hit, ControlState state)
{
    if (const int button = buttonOfHit(hit); button >= 0)
        m_image.setButtonState(TitleButton(button), state);
    else if (hit >= firstUserButtonHit)
        m_image.setUserButtonState(hit - firstUserButtonHit, state);
}

void FrameInput::snapToMonitor(int buffer)
{
    const QScreen* screen = m_form->screen();
    if (!screen)
        return;
    const QPoint snapped = snappedPosition(m_form->frameGeometry(), screen->geometry(), buffer);
    if (snapped != m_form->pos())
        m_form->move(snapped);
}

QPoint FrameInput::snappedPosition(const QRect& frame, const QRect& monitor, int buffer)
{
    QPoint position = frame.topLeft();
    auto near = [buffer](int a, int b) { return std::abs(a - b) < buffer; };
    const int right = frame.x() + frame.width();
    const int bottom = frame.y() + frame.height();
    const int monitorRight = monitor.x() + monitor.width();
    const int monitorBottom = monitor.y() + monitor.height();
    if (near(frame.x(), monitor.x()))
        position.setX(monitor.x());
    else if (near(right, monitorRight))
        position.setX(monitorRight - frame.width());
    if (near(frame.y(), monitor.y()))
        position.setY(monitor.y());
    else if (near(bottom, monitorBottom))
        position.setY(monitorBottom - frame.height());
    return position;
}
