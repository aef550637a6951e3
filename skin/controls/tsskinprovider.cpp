#include "skin/controls/tsskinprovider.h"

#include "skin/controls/containerpaint.h"
#include "skin/controls/tsgrip.h"
#include "skin/controls/systemmenubutton.h"
#include "skin/controls/tsskinproviderbutton.h"
#include "skin/controls/tsscrollbar.h"
#include "skin/controls/tssystemmenu.h"
#include "skin/core/maskpaint.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/regioncorners.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/skintext.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "platform/guarded.h"
#include "platform/metrics.h"
#include "skin/controls/windowscrollmetrics.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRubberBand>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWhatsThis>
#include <QWheelEvent>
#include <QWindow>

#include <array>

namespace {

// Set on a window while a provider has given it the skinned frame, so that a second provider of
// the same window does not grow it twice.
constexpr const char* framedProperty = "skinFramed";

constexpr QSize missingButtonSize{21, 21};
constexpr int buttonGap = 1;          // between title buttons
constexpr int smallButtonDrop = 2;    // buttons lower than 16 pixels sit this much lower
constexpr int captionIconGap = 4;     // from the frame to the icon or caption
constexpr int captionButtonsGap = 16; // from the caption to the first title button
constexpr int userButtonFirstSlot = 4;
constexpr QRgb iconKey = 0xFF00FF; // magenta, the same in either byte order

// The title icon's side for a title of a given height: the largest of the usual icon sizes that
// leaves a title bar of that height some room; a title lower than the smallest shows none.
struct IconStep {
    int tallestTitle;
    int iconSide;
};
constexpr int lowestTitleWithIcon = 9;
constexpr std::array iconSteps{IconStep{16, 8}, IconStep{24, 16}, IconStep{32, 24}};
constexpr int largestIconSide = 32;

const QString formTitle = QStringLiteral("FORMTITLE");
const QString bordersMask = QStringLiteral("BORDERSMASK");

int titleButtonHit(TitleButton button)
{
    switch (button) {
    case TitleButton::Close: return HTCLOSE;
    case TitleButton::Maximize: return HTMAXBUTTON;
    case TitleButton::Minimize: return HTMINBUTTON;
    case TitleButton::Help: return HTHELP;
    }
    return HTNOWHERE;
}

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

// The title button a hit code names, or -1.
int buttonOfHit(int hit)
{
    for (int index = 0; index < titleButtonCount; ++index)
        if (titleButtonHit(TitleButton(index)) == hit)
            return index;
    return -1;
}

// Draws one state image of a mask with its top-left corner at `at`; a faint one lets half of what
// lies below show through.
void paintMaskImage(const SkinTables& skin, QImage& target, int maskIndex, ControlState state, QPoint at, bool faint)
{
    if (!skin.isValidMaskIndex(maskIndex))
        return;
    const MaskStateImage image = maskStateImage(skin.masks[maskIndex], state, skin.masterBitmap);
    if (!image.isValid())
        return;
    CellCopyOptions keyTransparent;
    keyTransparent.skipKeyPixels = true;
    auto draw = [&image, &keyTransparent](QImage& onto, QPoint position) {
        if (image.hasMaskHalf())
            maskCopy(onto, position, image, image.rect);
        else
            keyCopy(onto, position, *image.picture, image.rect, keyTransparent);
    };
    if (!faint) {
        draw(target, at);
        return;
    }
    QImage layer = target.copy(QRect(at, image.rect.size()));
    draw(layer, QPoint(0, 0));
    regionBlend(target, layer, 128, at, layer.rect());
}

// The window's icon as the title shows it: the given glyph with its magenta transparent, or else
// the window's (and so the application's) icon, or the platform's.
QImage iconPicture(const TsTitleIcon& titleIcon, const QWidget* form, int size)
{
    if (!titleIcon.Glyph.isNull()) {
        QImage glyph = titleIcon.Glyph.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < glyph.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
            for (int x = 0; x < glyph.width(); ++x)
                if ((row[x] & 0xFFFFFF) == iconKey)
                    row[x] = 0;
        }
        return glyph;
    }
    // A window without an icon of its own shows the application's.
    QIcon icon = form->windowIcon();
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    return icon.pixmap(size, size).toImage();
}

} // namespace

TsSkinProvider::TsSkinProvider(Form* form)
    : QObject(form),
      SkinData(this, true),
      m_form(form),
      m_client(form->client()),
      m_caption(form->windowTitle()),
      m_ownColor(form->palette().color(QPalette::Window))
{
    SkinData.setControlKind(ControlKind::SkinProvider);
    SkinData.setSkinSection(QStringLiteral("FORM"));
    // The menu reads the provider's settings, so it is made once they all have their values.
    m_systemMenu = new TsSystemMenu(this);
    m_systemMenu->setParent(form, m_systemMenu->windowFlags());
    // A window shows one set of title buttons to screen readers and has one menu key, however many
    // providers it has: the first provider's.
    if (of(form) == this) {
        const char* names[titleButtonCount] = {"Закрыть", "Развернуть", "Свернуть", "Справка"};
        for (int index = 0; index < titleButtonCount; ++index) {
            auto* button = new SkinProviderButton(form);
            button->setAccessibleName(QString::fromUtf8(names[index]));
            connectGuarded(button, &QPushButton::clicked, this,
                           [this, index] { clickTitleButton(TitleButton(index)); });
            m_accessButtons[index] = button;
        }
        m_menuButton = new SystemMenuButton(form, m_systemMenu);
        m_menuButton->setAccessibleName(QStringLiteral("Меню окна"));
        connectGuarded(m_menuButton, &QPushButton::clicked, this, &TsSkinProvider::openSystemMenu);
        auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form);
        connectGuarded(menuKey, &QShortcut::activated, this, [this] {
            if (m_frameSkinned)
                openSystemMenu();
        });
    }
    m_form->setMouseTracking(true);
    m_form->installEventFilter(this);
    m_client->installEventFilter(this);
    connectGuarded(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now)
            scrollIntoView(now);
    });
    lookUpIndexes();
    if (skinInForce())
        applyFrame();
}

TsSkinProvider::~TsSkinProvider()
{
    SkinData.setOwnerDestroying();
}

TsSkinProvider* TsSkinProvider::of(const QWidget* form)
{
    if (!form)
        return nullptr;
    for (QObject* child : form->children())
        if (auto* provider = qobject_cast<TsSkinProvider*>(child))
            return provider;
    return nullptr;
}

void TsSkinProvider::setBorderIcons(BorderIcons icons)
{
    m_borderIcons = icons;
    m_systemMenu->refresh();
    updateAccessButtons();
    invalidateFrame();
}

void TsSkinProvider::setCaptionAlignment(CaptionAlignment alignment)
{
    m_captionAlignment = alignment;
    invalidateFrame();
}

void TsSkinProvider::setGripMode(GripMode mode)
{
    m_gripMode = mode;
    updateGrip();
    invalidateFrame();
}

void TsSkinProvider::setShowAppIcon(bool show)
{
    m_showAppIcon = show;
    updateAccessButtons();
    invalidateFrame();
}

void TsSkinProvider::setTitleIcon(const TsTitleIcon& icon)
{
    m_titleIcon = icon;
    invalidateFrame();
}

bool TsSkinProvider::skinInForce() const
{
    const TsSkinManager* manager = skinData().mainManager;
    return manager && manager->Active() && SkinData.skinned();
}

// ---- skin messages and the window's events

bool TsSkinProvider::event(QEvent* event)
{
    switch (skinMessageOf(event)) {
    case SKM_SETNEWSKIN:
        SkinData.handleMessage(event);
        lookUpIndexes();
        if (skinInForce()) {
            try {
                applyFrame();
            } catch (const std::exception&) {
                // This window keeps what it had; the other windows still take the new skin.
            }
        } else {
            // A skin without a section for windows leaves the window as it is without a skin,
            // not in the frame the skin before drew.
            removeFrame();
        }
        return true;
    case SKM_REMOVESKIN:
        SkinData.handleMessage(event);
        removeFrame();
        return true;
    case 0: return QObject::event(event);
    default: return SkinData.handleMessage(event) || QObject::event(event);
    }
}

bool TsSkinProvider::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_frameSkinned || SkinData.ownerDestroying())
        return false;
    bool consumed = false;
    guarded([&] {
        if (watched == m_form)
            consumed = formEvent(event);
        else if (watched == m_client)
            consumed = clientEvent(event);
        else if (watched == m_scrollCorner && event->type() == QEvent::Paint)
            paintScrollCorner();
        else if (watched == m_grip)
            consumed = gripEvent(event);
    });
    return consumed;
}

bool TsSkinProvider::answerSkinMessage(QEvent* event, QPoint cacheOrigin)
{
    auto* message = static_cast<SkinMessageEvent*>(event);
    switch (message->message) {
    case SKM_GETCACHE:
        if (skinInForce()) {
            frameImage();
            message->cache = {&SkinData.cache(), cacheOrigin.x(), cacheOrigin.y(), true};
        }
        return true;
    case SKM_GETPROVIDER: message->result = toLParam(this); return true;
    case SKM_ISHOOKED: message->result = 1; return true;
    case SKM_PREPARECACHE:
        SkinData.handleMessage(event);
        if (SkinData.cachePreparedByCaller())
            rebuildImage();
        return true;
    case SKM_SETUPDATING:
        SkinData.handleMessage(event);
        if (SkinData.suspended())
            SkinData.markStale();
        return true;
    case SKM_REPAINT:
        // Every provider of the window hears it.
        SkinData.handleMessage(event);
        m_titleBackground = QImage();
        applyGlobalColor();
        invalidateFrame();
        return false;
    case SKM_ISUPDATING:
    case SKM_ISHALFVISIBLE:
    case SKM_SETPAINTINGCHILD: return SkinData.handleMessage(event);
    default: return false;
    }
}

bool TsSkinProvider::clientEvent(QEvent* event)
{
    // The controls' parent is the client area: their cache requests are answered with the client's
    // place in the window's image.
    if (skinMessageOf(event))
        return answerSkinMessage(event, clientOrigin());
    if (event->type() == QEvent::Resize)
        updateScrollBars();
    if (event->type() == QEvent::Wheel)
        return scrollByWheel(static_cast<QWheelEvent*>(event));
    return false;
}

bool TsSkinProvider::formEvent(QEvent* event)
{
    // The window's own children stand in window coordinates, so the window's cache starts at 0.
    if (skinMessageOf(event))
        return answerSkinMessage(event, QPoint(0, 0));
    switch (event->type()) {
    case QEvent::Paint: paint(static_cast<QPaintEvent*>(event)); return true;
    case QEvent::Resize:
        m_regionStale = true;
        invalidateFrame();
        updateAccessButtons();
        return false;
    case QEvent::WindowStateChange:
        m_regionStale = true;
        m_systemMenu->refresh();
        updateAccessButtons();
        updateGrip();
        invalidateFrame();
        return false;
    case QEvent::ActivationChange:
        m_active = m_form->isActiveWindow();
        invalidateFrame();
        return false;
    case QEvent::WindowTitleChange:
        m_caption = m_form->windowTitle();
        invalidateFrame();
        return false;
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::WindowIconChange: invalidateFrame(); return false;
    case QEvent::Move:
        if (ScreenSnap)
            snapToMonitor();
        return false;
    case QEvent::Leave: setHot(HTNOWHERE); return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return mouseEvent(static_cast<QMouseEvent*>(event));
    default: return false;
    }
}

void TsSkinProvider::paint(QPaintEvent* event)
{
    if (!skinData().ready || SkinData.suspended())
        return;
    if (m_regionStale)
        updateRegion();
    const bool wasStale = SkinData.stale();
    const QImage& image = frameImage();
    QPainter painter(m_form);
    painter.drawImage(event->rect().topLeft(), image, event->rect());
    painter.end();
    if (!wasStale)
        return;
    if (SkinData.sectionHasGradient())
        sendToChildren(m_client, SKM_PARENTBGCHANGED);
    sendToChildren(m_client, SKM_REPAINTCHILD);
}

// ---- mouse on the frame

bool TsSkinProvider::mouseEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    const int hit = hitTest(position);
    switch (event->type()) {
    case QEvent::MouseMove:
        if (!(event->buttons() & Qt::LeftButton)) {
            setHot(hit);
            m_form->setCursor(cursorForHit(hit));
            return hit != HTCLIENT;
        }
        if (m_pressed != HTNOWHERE) {
            const ControlState state = hit == m_pressed ? ControlState::Pressed : ControlState::Normal;
            if (const int button = buttonOfHit(m_pressed); button >= 0)
                setButtonState(TitleButton(button), state);
            else if (m_pressed >= firstUserButtonHit)
                setUserButtonState(m_pressed - firstUserButtonHit, state);
            return true;
        }
        if (m_dragging && m_manualDrag)
            dragTo(event->globalPosition().toPoint());
        else if (m_pressHit != HTNOWHERE && !m_dragging)
            startDrag(event->globalPosition().toPoint());
        return m_pressHit != HTNOWHERE;
    case QEvent::MouseButtonPress:
        if (hit == HTCLIENT)
            return false;
        if (event->button() == Qt::RightButton)
            return hit == HTCAPTION || hit == HTSYSMENU;
        if (event->button() != Qt::LeftButton)
            return true;
        if (buttonOfHit(hit) >= 0) {
            m_pressed = hit;
            setButtonState(TitleButton(buttonOfHit(hit)), ControlState::Pressed);
        } else if (hit >= firstUserButtonHit) {
            m_pressed = hit;
            setUserButtonState(hit - firstUserButtonHit, ControlState::Pressed);
            TsTitleButton& button = m_titleButtons[hit - firstUserButtonHit];
            emit titleButtonMouseDown(button);
        } else if (hit == HTSYSMENU) {
            openSystemMenu();
        } else if (hit != HTERROR && hit != HTNOWHERE) {
            // Moving and sizing start with the first movement, so that a double click stays one.
            m_pressHit = hit;
            m_pressPosition = event->globalPosition().toPoint();
            m_pressGeometry = m_form->geometry();
        }
        return true;
    case QEvent::MouseButtonRelease: {
        if (event->button() == Qt::RightButton && (hit == HTCAPTION || hit == HTSYSMENU)) {
            m_systemMenu->openAt(event->globalPosition().toPoint());
            return true;
        }
        const int pressed = m_pressed;
        const bool wasDragging = m_pressHit != HTNOWHERE;
        m_pressed = HTNOWHERE;
        m_pressHit = HTNOWHERE;
        m_dragging = false;
        m_manualDrag = false;
        if (m_outline) {
            const QRect outline = m_outline->geometry();
            m_outline.reset();
            m_form->setGeometry(outline);
        }
        if (pressed >= firstUserButtonHit) {
            setUserButtonState(pressed - firstUserButtonHit, ControlState::Normal);
            m_hot = HTNOWHERE;
            TsTitleButton& button = m_titleButtons[pressed - firstUserButtonHit];
            if (hit == pressed)
                emit titleButtonMouseUp(button);
            return true;
        }
        if (const int button = buttonOfHit(pressed); button >= 0) {
            setButtonState(TitleButton(button), ControlState::Normal);
            m_hot = HTNOWHERE;
            if (hit == pressed)
                clickTitleButton(TitleButton(button));
            return true;
        }
        return wasDragging || hit != HTCLIENT;
    }
    case QEvent::MouseButtonDblClick:
        if (event->button() != Qt::LeftButton || hit == HTCLIENT)
            return false;
        m_pressHit = HTNOWHERE;
        if (hit == HTCAPTION && titleButtonShown(TitleButton::Maximize) && buttonEnabled(TitleButton::Maximize))
            toggleMaximized();
        else if (hit == HTSYSMENU)
            m_form->close();
        return true;
    default: return false;
    }
}

void TsSkinProvider::startDrag(QPoint globalPosition)
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

void TsSkinProvider::dragTo(QPoint globalPosition)
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

void TsSkinProvider::clickTitleButton(TitleButton button)
{
    if (!buttonEnabled(button))
        return;
    switch (button) {
    case TitleButton::Close: m_form->close(); break;
    case TitleButton::Maximize: toggleMaximized(); break;
    case TitleButton::Minimize: m_form->showMinimized(); break;
    case TitleButton::Help: QWhatsThis::enterWhatsThisMode(); break;
    }
    setHot(HTNOWHERE);
    m_systemMenu->refresh();
}

void TsSkinProvider::openSystemMenu()
{
    m_systemMenu->openAt(m_form->mapToGlobal(QPoint(frameWidth(), frameWidth() + titleHeight())));
}

void TsSkinProvider::toggleMaximized()
{
    if (m_form->isMaximized())
        m_form->showNormal();
    else
        m_form->showMaximized();
}

void TsSkinProvider::setHot(int hit)
{
    if (hit == m_hot)
        return;
    const int previous = buttonOfHit(m_hot);
    const int previousUser = m_hot - firstUserButtonHit;
    m_hot = hit;
    if (previous >= 0 && m_buttons[previous].state == ControlState::Hot)
        setButtonState(TitleButton(previous), ControlState::Normal);
    if (previousUser >= 0 && previousUser < m_titleButtons.size()
        && m_titleButtons[previousUser].state == ControlState::Hot)
        setUserButtonState(previousUser, ControlState::Normal);
    if (m_pressed != HTNOWHERE)
        return;
    if (const int next = buttonOfHit(hit); next >= 0)
        setButtonState(TitleButton(next), ControlState::Hot);
    else if (hit >= firstUserButtonHit)
        setUserButtonState(hit - firstUserButtonHit, ControlState::Hot);
}

void TsSkinProvider::setButtonState(TitleButton button, ControlState state)
{
    ButtonRecord& record = m_buttons[int(button)];
    if (record.state == state)
        return;
    record.state = state;
    // Only the button is drawn again, over the title behind it, unless the whole frame is due.
    if (SkinData.stale() || m_titleBackground.isNull() || !titleButtonShown(button))
        return;
    paintTitleButton(SkinData.cache(), button);
    m_form->update(titleButtonRect(button));
}

void TsSkinProvider::setUserButtonState(int index, ControlState state)
{
    if (index < 0 || index >= m_titleButtons.size())
        return;
    TsTitleButton& button = m_titleButtons[index];
    if (button.state == state)
        return;
    button.state = state;
    if (SkinData.stale() || m_titleBackground.isNull() || button.rect.isEmpty())
        return;
    paintUserButton(SkinData.cache(), index);
    m_form->update(button.rect);
}

void TsSkinProvider::snapToMonitor()
{
    const QScreen* screen = m_form->screen();
    if (!screen)
        return;
    const QPoint snapped = snappedPosition(m_form->frameGeometry(), screen->geometry(), SnapBuffer);
    if (snapped != m_form->pos())
        m_form->move(snapped);
}

QPoint TsSkinProvider::snappedPosition(const QRect& frame, const QRect& monitor, int buffer)
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

// ---- scrolling the client

bool TsSkinProvider::scrolls(const QWidget* child) const
{
    // Controls a layout places fill the client whatever its size.
    const QLayout* layout = m_client->layout();
    return child != m_horizontalBar && child != m_verticalBar && child != m_scrollCorner && child != m_grip
           && !child->isWindow() && !(layout && layout->indexOf(child) >= 0);
}

QSize TsSkinProvider::contentExtent() const
{
    int right = 0;
    int bottom = 0;
    const QSize client = m_client->size();
    for (QWidget* child : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!scrolls(child) || child->isHidden())
            continue;
        // A control that ends exactly at the client's right or bottom edge is aligned to it (its
        // window arranges it to fill the client or to stand along that edge): it follows the
        // client and never needs scrolling to be reached in that direction.
        const QRect place = child->geometry();
        const QRect designedPlace = place.translated(m_scrollOffset);
        if (place.x() + place.width() != client.width())
            right = std::max(right, designedPlace.x() + designedPlace.width());
        if (place.y() + place.height() != client.height())
            bottom = std::max(bottom, designedPlace.y() + designedPlace.height());
    }
    const int margin = metrics::windowScroll::contentMargin;
    return {right + margin, bottom + margin};
}

QPoint TsSkinProvider::barOffset() const
{
    auto position = [this](const TsScrollBar* bar) { return bar && bar->isVisibleTo(m_client) ? bar->Position() : 0; };
    return {position(m_horizontalBar), position(m_verticalBar)};
}

void TsSkinProvider::updateScrollBars()
{
    if (!m_frameSkinned) {
        for (QWidget* part :
             {static_cast<QWidget*>(m_horizontalBar), static_cast<QWidget*>(m_verticalBar), m_scrollCorner})
            if (part)
                part->hide();
        scrollChildrenTo(QPoint(0, 0));
        return;
    }
    const QSize content = contentExtent();
    const QSize client = m_client->size();
    const int thickness = metrics::scrollArrowSize;
    // Each bar takes room from the other direction, which may then need its bar too.
    bool vertical = content.height() > client.height();
    const bool horizontal = content.width() > client.width() - (vertical ? thickness : 0);
    vertical = vertical || (horizontal && content.height() > client.height() - thickness);
    const QSize view(client.width() - (vertical ? thickness : 0), client.height() - (horizontal ? thickness : 0));
    if (horizontal) {
        m_horizontalBar = placeScrollBar(m_horizontalBar, Qt::Horizontal, content.width(), view.width(),
                                         QRect(0, view.height(), view.width(), thickness));
    } else if (m_horizontalBar) {
        m_horizontalBar->hide();
    }
    if (vertical) {
        m_verticalBar = placeScrollBar(m_verticalBar, Qt::Vertical, content.height(), view.height(),
                                       QRect(view.width(), 0, thickness, view.height()));
    } else if (m_verticalBar) {
        m_verticalBar->hide();
    }
    if (horizontal && vertical) {
        if (!m_scrollCorner) {
            m_scrollCorner = new QWidget(m_client);
            m_scrollCorner->setObjectName(QStringLiteral("ScrollCorner"));
            m_scrollCorner->installEventFilter(this);
        }
        m_scrollCorner->setGeometry(view.width(), view.height(), thickness, thickness);
        m_scrollCorner->show();
        m_scrollCorner->raise();
    } else if (m_scrollCorner) {
        m_scrollCorner->hide();
    }
    scrollChildrenTo(barOffset());
    updateGrip();
}

void TsSkinProvider::scrollChildrenTo(QPoint offset)
{
    const QPoint delta = m_scrollOffset - offset;
    if (delta.isNull())
        return;
    m_scrollOffset = offset;
    for (QWidget* child : m_client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (scrolls(child))
            child->move(child->pos() + delta);
}

// A wheel turned over the client, or over a control that leaves the wheel unused, scrolls the
// window: up and down with the vertical bar, or sideways when only the horizontal one is shown.
bool TsSkinProvider::scrollByWheel(QWheelEvent* event)
{
    auto shown = [this](TsScrollBar* bar) { return bar && bar->isVisibleTo(m_client) ? bar : nullptr; };
    const QPoint turn = event->angleDelta();
    TsScrollBar* bar = std::abs(turn.x()) > std::abs(turn.y()) ? shown(m_horizontalBar) : shown(m_verticalBar);
    if (!bar)
        bar = shown(m_horizontalBar);
    if (!bar)
        return false;
    QApplication::sendEvent(bar, event);
    return event->isAccepted();
}

// A control reached with the keyboard while it stands outside the scrolled view is brought into
// it, the least distance that shows it whole (its top-left corner when it is larger than the view).
void TsSkinProvider::scrollIntoView(QWidget* control)
{
    if (!m_frameSkinned || !m_client->isAncestorOf(control))
        return;
    const QWidget* child = control;
    while (child->parentWidget() != m_client)
        child = child->parentWidget();
    if (!scrolls(child))
        return;
    const QRect place(control->mapTo(m_client, QPoint(0, 0)), control->size());
    auto bring = [](TsScrollBar* bar, int start, int end, int view) {
        if (!bar || bar->isHidden())
            return;
        int shift = 0;
        if (end > view)
            shift = end - view;
        if (start - shift < 0)
            shift = start;
        if (shift != 0)
            bar->setPosition(bar->Position() + shift);
    };
    const int viewWidth = m_verticalBar && !m_verticalBar->isHidden() ? m_verticalBar->x() : m_client->width();
    const int viewHeight = m_horizontalBar && !m_horizontalBar->isHidden() ? m_horizontalBar->y() : m_client->height();
    bring(m_horizontalBar, place.left(), place.left() + place.width(), viewWidth);
    bring(m_verticalBar, place.top(), place.top() + place.height(), viewHeight);
}

void TsSkinProvider::paintScrollCorner()
{
    // The square between the bars shows the window's background from the skin, over whatever
    // control is scrolled beneath it.
    const QImage& image = frameImage();
    QPainter painter(m_scrollCorner);
    painter.drawImage(QPoint(0, 0), image, QRect(m_scrollCorner->mapTo(m_form, QPoint(0, 0)), m_scrollCorner->size()));
}

// The grip stands over the client's corner, above the scroll bars' corner square, and does not
// scroll with the controls.
void TsSkinProvider::updateGrip()
{
    const bool wanted =
        m_frameSkinned && m_gripMode == GripMode::gmRightBottom && !m_form->isMaximized() && !m_form->isMinimized();
    if (!wanted) {
        if (m_grip)
            m_grip->hide();
        return;
    }
    if (!m_grip) {
        m_grip = new TsGrip(m_client);
        m_grip->setObjectName(QStringLiteral("SizeGrip"));
        m_grip->setCursor(Qt::SizeFDiagCursor);
        m_grip->installEventFilter(this);
    }
    m_grip->move(m_client->width() - m_grip->width(), m_client->height() - m_grip->height());
    m_grip->show();
    m_grip->raise();
}

// The grip is the frame's bottom-right corner brought into the client: the pointer on it sizes the
// window as it does on that corner.
bool TsSkinProvider::gripEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QMouseEvent onFrame(mouse->type(), m_grip->mapTo(m_form, mouse->position()), mouse->globalPosition(),
                            mouse->button(), mouse->buttons(), mouse->modifiers());
        return mouseEvent(&onFrame);
    }
    default: return false;
    }
}

TsScrollBar* TsSkinProvider::placeScrollBar(TsScrollBar* bar, Qt::Orientation orientation, int content, int view,
                                            const QRect& place)
{
    if (!bar) {
        bar = new TsScrollBar(m_client);
        bar->setKind(orientation == Qt::Horizontal ? sbHorizontal : sbVertical);
        bar->setOwnerControl(m_client);
        bar->setTabStop(false);
        bar->setSmallChange(metrics::windowScroll::increment);
        connectGuarded(bar, &TsScrollBar::positionChanged, this, [this] { scrollChildrenTo(barOffset()); });
    }
    bar->setUpdating(true);
    bar->setMax(content - view);
    bar->setPageSize(view);
    bar->setLargeChange(view);
    bar->setUpdating(false);
    bar->setGeometry(place);
    bar->show();
    bar->raise();
    return bar;
}

void TsSkinProvider::lookUpIndexes()
{
    SkinData.updateIndexes();
    const int section = SkinData.skinIndex();
    const QString& name = SkinData.SkinSection();
    const char* masks[titleButtonCount] = {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONHELP"};
    for (int index = 0; index < titleButtonCount; ++index)
        m_buttons[index].maskIndex =
            section >= 0 ? SkinData.skin().FindMask(section, name, QLatin1String(masks[index])) : -1;
    m_restoreMask = section >= 0 ? SkinData.skin().FindMask(section, name, QStringLiteral("BICONNORM")) : -1;
    m_gripMask = section >= 0 ? SkinData.skin().FindMask(section, name, QStringLiteral("GRIPIMAGE")) : -1;
    m_titleBarMask = section >= 0 ? SkinData.skin().FindMask(section, name, QStringLiteral("TITLEBAR")) : -1;
    m_userButtonMask = section >= 0 ? SkinData.skin().FindMask(section, name, QStringLiteral("TITLEBUTTON")) : -1;
    m_titleSection = SkinData.skin().FindSection(formTitle);
    m_titleBorderMask = m_titleSection >= 0 ? SkinData.skin().FindMask(m_titleSection, formTitle, bordersMask) : -1;
    m_menuLineSection = SkinData.skin().FindSection(QStringLiteral("MENULINE"));
    m_titleBackground = QImage();
}

void TsSkinProvider::applyFrame()
{
    if (!m_form->property(framedProperty).toBool()) {
        const bool visible = m_form->isVisible();
        const int x = frameWidth();
        const int y = frameWidth();
        m_form->setWindowFlag(Qt::FramelessWindowHint, true);
        m_form->setContentsMargins(x, y + titleHeight(), x, y);
        m_form->resize(m_form->size() + QSize(2 * x, titleHeight() + 2 * y));
        m_ownMaximumSize = m_form->maximumSize();
        if (const QScreen* screen = m_form->screen())
            m_form->setMaximumSize(screen->availableGeometry().size()
                                   + QSize(metrics::workAreaOverhang, metrics::workAreaOverhang));
        m_form->setProperty(framedProperty, true);
        if (visible)
            m_form->show();
    }
    m_frameSkinned = true;
    // The window's children would take a sizing shape the window had when the pointer crossed a
    // border into them.
    setChildCursors(true);
    m_active = m_form->isActiveWindow();
    m_regionStale = true;
    applyGlobalColor();
    updateAccessButtons();
    updateScrollBars();
    invalidateFrame();
}

void TsSkinProvider::removeFrame()
{
    if (!m_frameSkinned)
        return;
    m_frameSkinned = false;
    if (m_form->property(framedProperty).toBool()) {
        const bool visible = m_form->isVisible();
        const int x = frameWidth();
        const int y = frameWidth();
        m_form->clearMask();
        m_form->setMaximumSize(m_ownMaximumSize);
        m_form->setWindowFlag(Qt::FramelessWindowHint, false);
        m_form->setContentsMargins(0, 0, 0, 0);
        m_form->resize(m_form->size() - QSize(2 * x, titleHeight() + 2 * y));
        m_form->setProperty(framedProperty, false);
        if (visible)
            m_form->show();
    }
    m_form->unsetCursor();
    setChildCursors(false);
    updateScrollBars();
    QPalette palette = m_form->palette();
    palette.setColor(QPalette::Window, m_ownColor);
    m_form->setPalette(palette);
    SkinData.dropCache();
    m_titleBackground = QImage();
    m_hot = m_pressed = m_pressHit = HTNOWHERE;
    for (ButtonRecord& record : m_buttons)
        record.state = ControlState::Normal;
    updateAccessButtons();
    m_form->update();
}

void TsSkinProvider::setChildCursors(bool arrow)
{
    for (QWidget* child : {m_client, static_cast<QWidget*>(menuBar())}) {
        if (!child)
            continue;
        if (arrow)
            child->setCursor(Qt::ArrowCursor);
        else
            child->unsetCursor();
    }
}

void TsSkinProvider::applyGlobalColor()
{
    const int globalInfo = SkinData.skin().commonIndexes.globalInfo;
    if (!UseGlobalColor || !SkinData.skin().isValidSectionIndex(globalInfo))
        return;
    QPalette palette = m_form->palette();
    palette.setColor(QPalette::Window, toQColor(SkinData.skin().sections[globalInfo].color));
    m_form->setPalette(palette);
}

void TsSkinProvider::invalidateFrame()
{
    SkinData.markStale();
    if (m_frameSkinned)
        m_form->update();
}

void TsSkinProvider::updateRegion()
{
    m_regionStale = false;
    const int width = m_form->width();
    const int height = m_form->height();
    const SkinTables& skin = SkinData.skin();
    QList<QRect> cut;
    if (SkinData.borderMask()) {
        const TsMaskData& mask = skin.masks[SkinData.borderIndex()];
        const int imageHeight = maskStateImage(mask, ControlState::Normal, skin.masterBitmap).rect.height();
        const int bottomRows = imageHeight - 2 * maskCellSize(mask).height();
        collectCornerRegion(skin, cut, width, mask, FrameCorners::Top, 0);
        collectCornerRegion(skin, cut, width, mask, FrameCorners::Bottom, height - bottomRows);
    }
    if (skin.isValidMaskIndex(m_titleBorderMask))
        collectCornerRegion(skin, cut, width, skin.masks[m_titleBorderMask], FrameCorners::Top, 0);
    QRegion region(0, 0, width, height);
    for (const QRect& rect : cut)
        region -= rect;
    if (region != m_form->mask())
        m_form->setMask(region);
}

void TsSkinProvider::updateAccessButtons()
{
    if (!m_accessButtons[0])
        return;
    for (int index = 0; index < titleButtonCount; ++index) {
        SkinProviderButton* access = m_accessButtons[index];
        const auto button = TitleButton(index);
        const bool shown = m_frameSkinned && titleButtonShown(button);
        if (shown)
            access->setGeometry(titleButtonRect(button));
        access->setEnabled(buttonEnabled(button));
        access->setVisible(shown);
    }
    m_accessButtons[int(TitleButton::Maximize)]->setAccessibleName(
        QString::fromUtf8(m_form->isMaximized() ? "Восстановить" : "Развернуть"));
    const bool iconThere = m_frameSkinned && iconShown() && !m_form->isMinimized();
    if (iconThere) {
        const QRect band = slotRect(0);
        m_menuButton->setGeometry(frameWidth(), band.top(), iconSize(), band.height());
    }
    m_menuButton->setVisible(iconThere);
}

// ---- the window's image

const QImage& TsSkinProvider::frameImage()
{
    if (SkinData.cacheOutdated(SkinData.cache().size() != imageSize()))
        rebuildImage();
    return SkinData.cache();
}

QImage TsSkinProvider::menuBarBackground() const
{
    const QMenuBar* bar = menuBar();
    if (!m_frameSkinned || !bar || !bar->isVisibleTo(m_form))
        return QImage();
    const QRect band = bar->geometry();
    if (!SkinData.cache().rect().contains(band))
        return QImage();
    return SkinData.cache().copy(band);
}

void TsSkinProvider::rebuildImage()
{
    m_form->layout()->activate();
    QImage& image = SkinData.cache();
    if (image.size() != imageSize() || image.format() != QImage::Format_BGR888)
        image = QImage(imageSize(), QImage::Format_BGR888);
    SkinData.markPainted();
    if (!skinInForce() || image.isNull())
        return;
    // An active window shows its frame and title in their hot look.
    const ControlState state = m_active ? ControlState::Hot : ControlState::Normal;
    const bool minimized = m_form->isMinimized();
    const int x = frameWidth();
    const int y = frameWidth();
    const QRect whole = image.rect();
    paintItem(SkinData.skin(), image, whole,
              {.sectionIndex = SkinData.skinIndex(), .sectionName = SkinData.SkinSection(), .state = state});
    if (m_gripMode == GripMode::gmRightBottom && SkinData.skin().isValidMaskIndex(m_gripMask) && !minimized) {
        const QSize grip = SkinData.skin().stateImageSize(m_gripMask);
        paintMaskImage(SkinData.skin(), image, m_gripMask, ControlState::Normal,
                       QPoint(whole.width() - x - grip.width(), whole.height() - y - grip.height()), false);
    }
    paintItem(SkinData.skin(), image, QRect(0, 0, whole.width(), titleHeight() + y),
              {.sectionIndex = m_titleSection, .sectionName = formTitle, .state = state});
    paintIcon(image);
    if (SkinData.skin().isValidMaskIndex(m_titleBarMask))
        paintMaskImage(SkinData.skin(), image, m_titleBarMask, state,
                       QPoint(whole.width() - SkinData.skin().stateImageSize(m_titleBarMask).width(), 0), false);
    if (const QMenuBar* bar = menuBar(); bar && bar->isVisibleTo(m_form) && !minimized)
        paintSectionBackground(SkinData.skin(), image, bar->geometry(),
                               {.sectionIndex = m_menuLineSection, .sectionName = QStringLiteral("MENULINE")});
    if (!minimized)
        paintTitleButtons(image);
    paintCaption(image);
}

QSize TsSkinProvider::imageSize() const
{
    // A minimised window shows no more than its title.
    return m_form->isMinimized() ? QSize(metrics::minimizedFrameWidth, titleHeight()) : m_form->size();
}

void TsSkinProvider::paintIcon(QImage& image)
{
    if (!iconShown() || m_form->isMinimized())
        return;
    const int size = iconSize();
    const int width = m_titleIcon.Width ? m_titleIcon.Width : size;
    const int height = m_titleIcon.Height ? m_titleIcon.Height : size;
    const QRect place(frameWidth(), (frameWidth() + titleHeight() - height) / 2, width, height);
    // Rendering an icon (the platform's is decoded from a file each time) costs as much as the
    // rest of the frame; it is done again only when the icon or its size changes.
    const IconKey key{m_titleIcon.Glyph.cacheKey(), m_form->windowIcon().cacheKey(), std::max(width, height)};
    if (m_iconPicture.isNull() || key != m_iconKey) {
        m_iconPicture = iconPicture(m_titleIcon, m_form, key.size);
        m_iconKey = key;
    }
    QPainter painter(&image);
    painter.drawImage(place, m_iconPicture);
}

void TsSkinProvider::paintTitleButtons(QImage& image)
{
    const QSize size = buttonSize();
    m_titleBackgroundRect = QRect(0, slotRect(0).top(), image.width(), size.height());
    m_titleBackground = image.copy(m_titleBackgroundRect);
    for (int index = 0; index < titleButtonCount; ++index)
        if (titleButtonShown(TitleButton(index)))
            paintTitleButton(image, TitleButton(index));
    const int iconRight = iconShown() ? frameWidth() + iconSize() : 0;
    for (int index = 0; index < m_titleButtons.size(); ++index) {
        TsTitleButton& button = m_titleButtons[index];
        const QRect rect = slotRect(userButtonFirstSlot + index);
        button.rect = rect.left() < iconRight ? QRect() : rect;
        paintUserButton(image, index);
    }
}

void TsSkinProvider::paintUserButton(QImage& image, int index)
{
    const TsTitleButton& button = m_titleButtons[index];
    const QRect& rect = button.rect;
    if (rect.isEmpty())
        return;
    if (!m_titleBackground.isNull())
        copyBlock(image, rect.topLeft(), m_titleBackground,
                  QRect(rect.topLeft() - m_titleBackgroundRect.topLeft(), rect.size()));
    if (button.UseSkinData)
        paintMaskImage(SkinData.skin(), image, m_userButtonMask, button.state, rect.topLeft(),
                       button.state == ControlState::Normal && !m_active);
    if (!button.Glyph.isNull()) {
        QImage glyph = button.Glyph.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = glyph.pixel(0, glyph.height() - 1);
        for (int gy = 0; gy < glyph.height(); ++gy)
            for (int gx = 0; gx < glyph.width(); ++gx)
                if (glyph.pixel(gx, gy) == key)
                    glyph.setPixel(gx, gy, 0);
        QPainter painter(&image);
        painter.drawImage(rect.center() - QPoint(glyph.width() / 2, glyph.height() / 2) + QPoint(1, 1), glyph);
    }
}

void TsSkinProvider::paintTitleButton(QImage& image, TitleButton button)
{
    const QRect rect = titleButtonRect(button);
    if (!m_titleBackground.isNull())
        copyBlock(image, rect.topLeft(), m_titleBackground,
                  QRect(rect.topLeft() - m_titleBackgroundRect.topLeft(), rect.size()));
    const ButtonRecord& record = m_buttons[int(button)];
    int mask = record.maskIndex;
    if (button == TitleButton::Maximize && m_form->isMaximized() && SkinData.skin().isValidMaskIndex(m_restoreMask))
        mask = m_restoreMask;
    const bool faint = (record.state == ControlState::Normal && !m_active) || !buttonEnabled(button);
    paintMaskImage(SkinData.skin(), image, mask, record.state, rect.topLeft(), faint);
}

void TsSkinProvider::paintCaption(QImage& image)
{
    const int width = image.width();
    const int step = buttonSize().width() + buttonGap;
    const int left = frameWidth() + captionIconGap + (iconShown() ? iconSize() : 0);
    const int right = m_titleButtons.isEmpty()
                          ? width - shownButtonCount() * step - captionButtonsGap
                          : width - (int(m_titleButtons.size()) + userButtonFirstSlot) * step - captionButtonsGap;
    if (right <= left)
        return;
    QFont font = m_form->font();
    font.setBold(true);
    QPainter painter(&image);
    painter.setFont(font);
    const TextFlags flags = alignmentTextFlags(m_captionAlignment) | TextFlag::NoPrefix;
    QRect rect(left, frameWidth(), right - left, titleHeight() - frameWidth());
    writeSkinText(SkinData.skin(), painter, shortenText(font, m_caption, rect.width()),
                  {.sectionIndex = m_titleSection, .enabled = m_form->isEnabled(), .hot = m_active, .flags = flags},
                  rect);
}

// ---- geometry

int TsSkinProvider::frameWidth() const
{
    return metrics::frameWidth;
}

int TsSkinProvider::titleHeight() const
{
    return metrics::captionHeight;
}

QSize TsSkinProvider::buttonSize() const
{
    const int close = m_buttons[int(TitleButton::Close)].maskIndex;
    return SkinData.skin().isValidMaskIndex(close) ? SkinData.skin().stateImageSize(close) : missingButtonSize;
}

int TsSkinProvider::iconSize() const
{
    const int title = titleHeight();
    if (m_titleIcon.Width)
        return m_titleIcon.Width;
    if (title < lowestTitleWithIcon)
        return 0;
    for (const IconStep& step : iconSteps)
        if (title <= step.tallestTitle)
            return step.iconSide;
    return largestIconSide;
}

bool TsSkinProvider::iconShown() const
{
    return m_showAppIcon && (m_borderIcons & biSystemMenu);
}

bool TsSkinProvider::titleButtonShown(TitleButton button) const
{
    if (!(m_borderIcons & biSystemMenu) || !SkinData.skin().isValidMaskIndex(m_buttons[int(button)].maskIndex))
        return false;
    switch (button) {
    case TitleButton::Close: return true;
    case TitleButton::Maximize:
    case TitleButton::Minimize: return m_borderIcons & (biMinimize | biMaximize);
    case TitleButton::Help: return m_borderIcons & biHelp;
    }
    return false;
}

bool TsSkinProvider::buttonEnabled(TitleButton button) const
{
    switch (button) {
    case TitleButton::Maximize: return m_borderIcons & biMaximize;
    case TitleButton::Minimize: return m_borderIcons & biMinimize;
    default: return true;
    }
}

int TsSkinProvider::shownButtonCount() const
{
    int count = 0;
    for (int index = 0; index < titleButtonCount; ++index)
        count += titleButtonShown(TitleButton(index)) ? 1 : 0;
    return count;
}

int TsSkinProvider::buttonSlot(TitleButton button) const
{
    const bool middle = titleButtonShown(TitleButton::Maximize);
    switch (button) {
    case TitleButton::Close: return 0;
    case TitleButton::Maximize: return 1;
    case TitleButton::Minimize: return 2;
    case TitleButton::Help: return middle ? 3 : 1;
    }
    return 0;
}

QRect TsSkinProvider::slotRect(int slot) const
{
    const QSize size = buttonSize();
    const int top = (frameWidth() + titleHeight() - size.height()) / 2 + (size.height() < 16 ? smallButtonDrop : 0);
    const int right = m_form->width() - frameWidth() - size.width() - buttonGap;
    return QRect(right - slot * (size.width() + buttonGap), top, size.width(), size.height());
}

QRect TsSkinProvider::titleButtonRect(TitleButton button) const
{
    return slotRect(buttonSlot(button));
}

int TsSkinProvider::hitTest(QPoint p) const
{
    if (!m_frameSkinned)
        return HTCLIENT;
    const int width = m_form->width();
    const int height = m_form->height();
    const int x = frameWidth();
    const int y = frameWidth();
    const QRect band = slotRect(0);
    if (p.y() >= band.top() && p.y() <= band.bottom() + 1) {
        for (int index = 0; index < titleButtonCount; ++index) {
            const auto button = TitleButton(index);
            const QRect rect = titleButtonRect(button);
            if (titleButtonShown(button) && p.x() >= rect.left() && p.x() <= rect.right())
                return buttonEnabled(button) ? titleButtonHit(button) : HTCAPTION;
        }
        if (iconShown() && p.x() >= x && p.x() <= x + iconSize())
            return HTSYSMENU;
        for (int index = 0; index < m_titleButtons.size(); ++index) {
            const TsTitleButton& button = m_titleButtons[index];
            const QRect rect = slotRect(userButtonFirstSlot + index);
            if (!button.rect.isNull() && p.x() >= rect.left() && p.x() <= rect.right())
                return button.Enabled ? firstUserButtonHit + index : HTCAPTION;
        }
        return HTCAPTION;
    }
    if (m_grip && m_grip->isVisibleTo(m_form) && QRect(m_grip->mapTo(m_form, QPoint(0, 0)), m_grip->size()).contains(p))
        return HTBOTTOMRIGHT;
    if (m_form->isMaximized())
        return QRect(2, 2, width - 4, height - 4).contains(p) ? (p.y() < y + titleHeight() ? HTCAPTION : HTCLIENT)
                                                              : HTERROR;
    // A corner reaches along its edges as far as the title is high.
    const int reach = titleHeight();
    const bool left = p.x() < x;
    const bool right = p.x() >= width - x;
    const bool top = p.y() < y;
    const bool bottom = p.y() >= height - y;
    const bool nearLeft = p.x() < reach;
    const bool nearRight = p.x() >= width - reach;
    const bool nearTop = p.y() < reach;
    const bool nearBottom = p.y() >= height - reach;
    if ((top && nearLeft) || (left && nearTop))
        return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop))
        return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom))
        return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom))
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (top)
        return HTTOP;
    if (bottom)
        return HTBOTTOM;
    if (p.y() < y + titleHeight())
        return HTCAPTION;
    return HTCLIENT;
}

QMenuBar* TsSkinProvider::menuBar() const
{
    return m_form->layout() ? qobject_cast<QMenuBar*>(m_form->layout()->menuBar()) : nullptr;
}

QPoint TsSkinProvider::clientOrigin() const
{
    // A window never shown has not laid its client out yet.
    m_form->layout()->activate();
    return m_client->mapTo(m_form, QPoint(0, 0));
}
