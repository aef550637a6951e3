#include "skin/controls/tsskinprovider.h"

#include "skin/controls/clientscroller.h"
#include "skin/controls/containerpaint.h"
#include "skin/controls/frameinput.h"
#include "skin/controls/titlebuttonsaccess.h"
#include "skin/controls/tsgrip.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "platform/guarded.h"
#include "platform/metrics.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace {

// Set on a window while a provider has given it the skinned frame, so that a second provider of
// the same window does not grow it twice.
constexpr const char* framedProperty = "skinFramed";

} // namespace

TsSkinProvider::TsSkinProvider(Form* form)
    : QObject(form),
      SkinData(this, true),
      m_form(form),
      m_client(form->client()),
      m_layout(form, SkinData),
      m_image(form, SkinData, m_layout),
      m_systemMenu(this),
      m_ownColor(form->palette().color(QPalette::Window))
{
    SkinData.setControlKind(ControlKind::SkinProvider);
    SkinData.setSkinSection(QStringLiteral("FORM"));
    m_input = std::make_unique<FrameInput>(form, m_layout, m_image, m_systemMenu);
    connectGuarded(m_input.get(), &FrameInput::titleButtonMouseDown, this,
                   [this](TsTitleButton& button) { emit titleButtonMouseDown(button); });
    connectGuarded(m_input.get(), &FrameInput::titleButtonMouseUp, this,
                   [this](TsTitleButton& button) { emit titleButtonMouseUp(button); });
    m_scroller = std::make_unique<ClientScroller>(form, m_client, this);
    // A window shows one set of title buttons to screen readers and has one menu key, however many
    // providers it has: the first provider's.
    if (of(form) == this)
        m_access = std::make_unique<TitleButtonsAccess>(form, m_systemMenu, m_layout, *m_input);
    m_form->setMouseTracking(true);
    m_form->installEventFilter(this);
    m_client->installEventFilter(this);
    connectGuarded(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now)
            m_scroller->scrollIntoView(now);
    });
    lookUpIndexes();
    if (frameSkinActive())
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
    m_layout.setBorderIcons(icons);
    m_systemMenu.refresh();
    updateAccessButtons();
    invalidateFrame();
}

void TsSkinProvider::setCaptionAlignment(CaptionAlignment alignment)
{
    m_image.setCaptionAlignment(alignment);
    invalidateFrame();
}

void TsSkinProvider::setGripMode(GripMode mode)
{
    m_gripMode = mode;
    m_image.setGripPainted(mode == GripMode::gmRightBottom);
    m_scroller->setGripWanted(mode == GripMode::gmRightBottom);
    m_scroller->updateGrip();
    invalidateFrame();
}

ResizeMode TsSkinProvider::resizeMode() const
{
    return m_input->resizeMode();
}

void TsSkinProvider::setResizeMode(ResizeMode mode)
{
    m_input->setResizeMode(mode);
}

void TsSkinProvider::setShowAppIcon(bool show)
{
    m_layout.setShowAppIcon(show);
    updateAccessButtons();
    invalidateFrame();
}

void TsSkinProvider::setTitleIcon(const TsTitleIcon& icon)
{
    m_layout.setTitleIcon(icon);
    invalidateFrame();
}

bool TsSkinProvider::frameSkinActive() const
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
        if (frameSkinActive()) {
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
        else if (watched == m_scroller->corner() && event->type() == QEvent::Paint)
            m_scroller->paintCorner(frameImage());
        else if (watched == m_scroller->grip())
            consumed = gripEvent(event);
    });
    return consumed;
}

bool TsSkinProvider::answerSkinMessage(QEvent* event, QPoint cacheOrigin)
{
    auto* message = static_cast<SkinMessageEvent*>(event);
    switch (message->message) {
    case SKM_GETCACHE:
        if (frameSkinActive()) {
            frameImage();
            message->cache = {&SkinData.cache(), cacheOrigin.x(), cacheOrigin.y(), true};
        }
        return true;
    case SKM_GETPROVIDER: message->result = toLParam(this); return true;
    case SKM_ISHOOKED: message->result = 1; return true;
    case SKM_PREPARECACHE:
        SkinData.handleMessage(event);
        if (SkinData.cachePreparedByCaller())
            m_image.rebuild(frameSkinActive());
        return true;
    case SKM_SETUPDATING:
        SkinData.handleMessage(event);
        if (SkinData.suspended())
            SkinData.markStale();
        return true;
    case SKM_REPAINT:
        // Every provider of the window hears it.
        SkinData.handleMessage(event);
        m_image.dropTitleBackground();
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
        m_scroller->updateBars();
    if (event->type() == QEvent::Wheel)
        return m_scroller->scrollByWheel(static_cast<QWheelEvent*>(event));
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
        m_image.markShapeStale();
        invalidateFrame();
        updateAccessButtons();
        return false;
    case QEvent::WindowStateChange:
        m_image.markShapeStale();
        m_systemMenu.refresh();
        updateAccessButtons();
        m_scroller->updateGrip();
        invalidateFrame();
        return false;
    case QEvent::ActivationChange:
        m_image.setActive(m_form->isActiveWindow());
        invalidateFrame();
        return false;
    case QEvent::WindowTitleChange:
        m_image.setCaption(m_form->windowTitle());
        invalidateFrame();
        return false;
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::WindowIconChange: invalidateFrame(); return false;
    case QEvent::Move:
        if (ScreenSnap)
            m_input->snapToMonitor(SnapBuffer);
        return false;
    case QEvent::Leave: m_input->leave(); return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        return m_input->mouseEvent(mouse, hitTest(mouse->position().toPoint()));
    }
    default: return false;
    }
}

void TsSkinProvider::paint(QPaintEvent* event)
{
    if (!skinData().ready || SkinData.suspended())
        return;
    m_image.updateShapeIfStale();
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
        QMouseEvent onFrame(mouse->type(), m_scroller->grip()->mapTo(m_form, mouse->position()),
                            mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers());
        return m_input->mouseEvent(&onFrame, hitTest(onFrame.position().toPoint()));
    }
    default: return false;
    }
}

void TsSkinProvider::clickTitleButton(TitleButton button)
{
    m_input->clickTitleButton(button);
}

QPoint TsSkinProvider::snappedPosition(const QRect& frame, const QRect& monitor, int buffer)
{
    return FrameInput::snappedPosition(frame, monitor, buffer);
}

int TsSkinProvider::hitTest(QPoint windowPosition) const
{
    if (!m_frameSkinned)
        return HTCLIENT;
    return m_layout.hitTest(windowPosition, m_scroller->gripRect());
}

TsScrollBar* TsSkinProvider::horizontalScrollBar() const
{
    return m_scroller->horizontalBar();
}

TsScrollBar* TsSkinProvider::verticalScrollBar() const
{
    return m_scroller->verticalBar();
}

QWidget* TsSkinProvider::scrollCorner() const
{
    return m_scroller->corner();
}

TsGrip* TsSkinProvider::sizeGrip() const
{
    return m_scroller->grip();
}

QPoint TsSkinProvider::scrollOffset() const
{
    return m_scroller->offset();
}

void TsSkinProvider::lookUpIndexes()
{
    SkinData.updateIndexes();
    m_layout.lookUpButtonMasks(SkinData.skinIndex(), SkinData.SkinSection());
    m_image.lookUpIndexes();
}

void TsSkinProvider::applyFrame()
{
    if (!m_form->property(framedProperty).toBool()) {
        const bool visible = m_form->isVisible();
        const int x = m_layout.frameWidth();
        const int y = m_layout.frameWidth();
        const int title = m_layout.titleHeight();
        m_form->setWindowFlag(Qt::FramelessWindowHint, true);
        m_form->setContentsMargins(x, y + title, x, y);
        m_form->resize(m_form->size() + QSize(2 * x, title + 2 * y));
        m_ownMaximumSize = m_form->maximumSize();
        if (const QScreen* screen = m_form->screen())
            m_form->setMaximumSize(screen->availableGeometry().size()
                                   + QSize(metrics::workAreaOverhang, metrics::workAreaOverhang));
        m_form->setProperty(framedProperty, true);
        if (visible)
            m_form->show();
    }
    setFramed(true);
    // The window's children would take a sizing shape the window had when the pointer crossed a
    // border into them.
    setChildCursors(true);
    m_image.setActive(m_form->isActiveWindow());
    m_image.markShapeStale();
    applyGlobalColor();
    updateAccessButtons();
    m_scroller->updateBars();
    invalidateFrame();
}

void TsSkinProvider::removeFrame()
{
    if (!m_frameSkinned)
        return;
    setFramed(false);
    if (m_form->property(framedProperty).toBool()) {
        const bool visible = m_form->isVisible();
        const int x = m_layout.frameWidth();
        const int y = m_layout.frameWidth();
        m_form->clearMask();
        m_form->setMaximumSize(m_ownMaximumSize);
        m_form->setWindowFlag(Qt::FramelessWindowHint, false);
        m_form->setContentsMargins(0, 0, 0, 0);
        m_form->resize(m_form->size() - QSize(2 * x, m_layout.titleHeight() + 2 * y));
        m_form->setProperty(framedProperty, false);
        if (visible)
            m_form->show();
    }
    m_form->unsetCursor();
    setChildCursors(false);
    m_scroller->updateBars();
    QPalette palette = m_form->palette();
    palette.setColor(QPalette::Window, m_ownColor);
    m_form->setPalette(palette);
    SkinData.dropCache();
    m_image.dropTitleBackground();
    m_input->reset();
    updateAccessButtons();
    m_form->update();
}

// Every part that shows or acts only on the skinned frame hears at once that the window wears it
// or no longer does.
void TsSkinProvider::setFramed(bool framed)
{
    m_frameSkinned = framed;
    m_scroller->setFramed(framed);
    if (m_access)
        m_access->setFramed(framed);
}

void TsSkinProvider::setChildCursors(bool arrow)
{
    for (QWidget* child : {m_client, static_cast<QWidget*>(m_layout.menuBar())}) {
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

void TsSkinProvider::updateAccessButtons()
{
    if (m_access)
        m_access->update();
}

const QImage& TsSkinProvider::frameImage()
{
    return m_image.current(frameSkinActive());
}

QImage TsSkinProvider::menuBarBackground() const
{
    if (!m_frameSkinned)
        return QImage();
    return m_image.menuBarBackground();
}

QPoint TsSkinProvider::clientOrigin() const
{
    // A window never shown has not laid its client out yet.
    m_form->layout()->activate();
    return m_client->mapTo(m_form, QPoint(0, 0));
}
