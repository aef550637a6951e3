#include "skin/core/tscommondata.h"

#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

bool inRange(ControlKind kind, ControlKind first, ControlKind last)
{
    return kind >= first && kind <= last;
}

QString defaultSectionForKind(ControlKind kind, const QString& ownerClassName)
{
    using enum ControlKind;
    switch (kind) {
    case EditLike2:
    case Edit:
    case EditLike4:
    case EditLike5:
    case EditLike6:
    case Memo:
    case EditLike8:
    case EditLike10:
    case EditLike41:
    case EditLike76:
    case EditLike78:
    case EditLike83:
    case EditLike84:
    case TreeView:
    case ListBox:
    case EditLike131:
    case EditLike140:
    case EditLike227: return QStringLiteral("EDIT");
    case ComboBox:
    case ComboBoxLike12:
    case ComboBoxLike13:
    case ComboBoxLike14:
    case ComboBoxLike15:
    case ComboBoxLike16:
    case ComboBoxLike17:
    case ComboBoxLike18:
    case ComboBoxLike81:
    case ComboBoxLike82: return QStringLiteral("COMBOBOX");
    case CheckBox: return QStringLiteral("CHECKBOX");
    case RadioButton: return QStringLiteral("RADIOBUTTON");
    case Panel:
    case PanelLike59:
    case PanelLike68:
    case PanelLike73: return QStringLiteral("PANEL");
    case Toolbar:
    case ToolbarLike60: return QStringLiteral("TOOLBAR");
    case DragBar: return QStringLiteral("DRAGBAR");
    case TabSheet: return QStringLiteral("TABSHEET");
    case LowPanel: return QStringLiteral("PANEL_LOW");
    case GroupBox:
    case GroupBoxLike226: return QStringLiteral("GROUPBOX");
    case Splitter: return QStringLiteral("SPLITTER");
    case SpeedButton:
    case SpeedButtonLike95: return QStringLiteral("SPEEDBUTTON");
    case Button:
    case BitButton: return QStringLiteral("BUTTON");
    case ToolButton: return QStringLiteral("TOOLBUTTON");
    case PageControl: return QStringLiteral("PAGECONTROL");
    case TabControl: return QStringLiteral("TABCONTROL");
    case StatusBar: return QStringLiteral("STATUSBAR");
    case Gauge: return QStringLiteral("GAUGE");
    case TrackBar: return QStringLiteral("TRACKBAR");
    default: return ownerClassName;
    }
}

// Containers never show a hot state from the mouse alone.
bool isNoHotKind(ControlKind kind)
{
    using enum ControlKind;
    return inRange(kind, Panel, GroupBox) || kind == ContainerLike110 || inRange(kind, PageControl, Gauge);
}

} // namespace

TsCommonData::TsCommonData(QObject* owner, bool withCacheBitmap)
    : m_ownerControl(qobject_cast<QWidget*>(owner)),
      m_ownerObject(owner),
      m_skin(noSkin()),
      m_hasCache(withCacheBitmap)
{
    if (withCacheBitmap)
        m_cache = QImage(0, 0, QImage::Format_BGR888);
}

TsCommonData::~TsCommonData()
{
    m_ownerControl = nullptr;
    m_ownerObject = nullptr;
}

void TsCommonData::setSkinSection(const QString& section)
{
    if (section == m_skinSection)
        return;
    m_skinSection = section.isEmpty() ? QStringLiteral("UNKNOWN") : section;
    if (skinInForce()->sections.isEmpty()) {
        m_skin = noSkin();
        m_skinIndex = -1;
        m_borderIndex = -1;
    } else {
        updateIndexes();
    }
    invalidate();
}

void TsCommonData::updateIndexes()
{
    m_stale = true;
    m_skin = skinInForce();
    m_skinIndex = m_skin->FindSection(m_skinSection);
    m_borderIndex = m_skinIndex >= 0 ? m_skin->FindMask(m_skinIndex, m_skinSection, QStringLiteral("BORDERSMASK")) : -1;
}

void TsCommonData::updateSection(const QMetaObject* ownerClass)
{
    if (m_skinSection.isEmpty()) {
        if (!ownerClass && m_ownerObject)
            ownerClass = m_ownerObject->metaObject();
        const QString className = ownerClass ? QString::fromLatin1(ownerClass->className()) : QString();
        setSkinSection(defaultSectionForKind(m_controlKind, className));
    } else {
        updateIndexes();
    }
}

bool TsCommonData::skinned() const
{
    // The manager's messages reach the controls of its forms only: a control outside them is not
    // told that the skin was removed, and must not go on showing the one it holds.
    return !m_ownerDestroying && m_skinIndex >= 0 && !skinInForce()->sections.isEmpty();
}

bool TsCommonData::hot() const
{
    if (!m_ownerControl || m_ownerDestroying || !m_ownerControl->isEnabled())
        return false;
    return m_focused || m_ownerControl->hasFocus() || (m_mouseAbove && !isNoHotKind(m_controlKind));
}

bool TsCommonData::updating() const
{
    if (m_suspended || !skinData().ready)
        return true;
    QWidget* parent = m_ownerControl ? m_ownerControl->parentWidget() : nullptr;
    return parent && sendSkinMessage(parent, SKM_ISUPDATING) == 1;
}

TsCacheInfo TsCommonData::parentCache() const
{
    return requestSkinCache(m_ownerControl ? m_ownerControl->parentWidget() : nullptr);
}

void TsCommonData::prepareCacheBitmap()
{
    if (!m_ownerControl)
        return;
    const QSize size = m_ownerControl->size();
    m_hasCache = true;
    if (m_cache.format() != QImage::Format_BGR888 || m_cache.size() != size)
        m_cache = QImage(size, QImage::Format_BGR888);
}

void TsCommonData::invalidate()
{
    if (m_ownerDestroying)
        return;
    m_stale = true;
    if (m_ownerControl && m_ownerControl->parentWidget())
        m_ownerControl->update();
}

QWidget* TsCommonData::paintingChild() const
{
    return m_paintingChild;
}

void TsCommonData::dropCache()
{
    m_cache = QImage(0, 0, QImage::Format_BGR888);
}

void TsCommonData::followVisibleArea()
{
    QWidget* parent = m_ownerControl ? m_ownerControl->parentWidget() : nullptr;
    if (!parent)
        return;
    if (m_halfVisible || sendSkinMessage(parent, SKM_ISHALFVISIBLE) != 0)
        m_stale = true;
    m_halfVisible = !parent->rect().contains(m_ownerControl->geometry());
}

bool TsCommonData::sectionIsTransparent() const
{
    return section() && section()->transparency > 0;
}

bool TsCommonData::sectionHasGradient() const
{
    return section() && section()->gradientPercent > 0;
}

void TsCommonData::copyCache(QPainter& painter, int x, int y, int width, int height) const
{
    painter.drawImage(QPoint(x, y), m_cache, QRect(x, y, width, height));
}

void TsCommonData::copyCacheToWindow(QWidget* control, QPainter& painter, const QRect& source) const
{
    if (!control)
        return;
    QRegion area(0, 0, control->width(), control->height());
    for (QObject* object : control->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || !child->isVisibleTo(control))
            continue;
        const bool windowless = child->property(windowlessProperty).toBool();
        const bool opaque = child->testAttribute(Qt::WA_OpaquePaintEvent) || child->autoFillBackground();
        if (windowless || opaque)
            area -= child->geometry();
    }
    painter.save();
    painter.setClipRegion(area, Qt::IntersectClip);
    painter.drawImage(QPoint(0, 0), m_cache, QRect(source.topLeft(), control->size()));
    painter.restore();
}

bool TsCommonData::handleMessage(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize: m_stale = true; return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (m_ownerControl && (m_ownerControl->focusPolicy() & Qt::TabFocus)) {
            m_stale = true;
            m_focused = event->type() == QEvent::FocusIn;
        }
        return false;
    case QEvent::FontChange:
    case QEvent::EnabledChange:
        m_mouseAbove = false;
        m_focused = false;
        return false;
    case QEvent::Enter:
    case QEvent::Leave:
        if (!isNoHotKind(m_controlKind))
            m_mouseAbove = event->type() == QEvent::Enter;
        return false;
    default: break;
    }

    if (event->type() != SkinMessageEvent::eventType())
        return false;
    auto* message = static_cast<SkinMessageEvent*>(event);
    switch (message->message) {
    case SKM_SETBGCHANGED: m_stale = message->lParam != 0; return true;
    case SKM_SETNEWSKIN:
        m_suspended = true;
        updateIndexes();
        return true;
    case SKM_REMOVESKIN:
        if (!m_ownerDestroying) {
            m_borderIndex = -1;
            m_skinIndex = -1;
            m_skin = noSkin();
            m_suspended = true;
            if (m_hasCache)
                dropCache();
            if (m_ownerControl)
                m_ownerControl->update();
        }
        return true;
    case SKM_REPAINT:
        m_stale = true;
        m_suspended = false;
        invalidate();
        return true;
    case SKM_GETCACHE:
        if (m_hasCache)
            message->cache = {&m_cache, 0, 0, true};
        return true;
    case SKM_REPAINTCHILD: message->result = 0; return true;
    case SKM_SECTIONCHANGED:
        // Sections change only with the whole skin here, and that comes as SKM_SETNEWSKIN.
        return true;
    case SKM_SETUPDATING: m_suspended = message->lParam != 0; return true;
    case SKM_PREPARECACHE: m_cachePreparedByCaller = message->wParam != 0; return true;
    case SKM_ISUPDATING: message->result = imagePending() ? 1 : 0; return true;
    case SKM_ISHALFVISIBLE: message->result = m_halfVisible ? 1 : 0; return true;
    case SKM_SETPAINTINGCHILD: m_paintingChild = fromLParam<QWidget>(message->lParam); return true;
    case SKM_PARENTBGCHANGED:
        if (sectionIsTransparent())
            m_stale = true;
        message->result = 0;
        return true;
    case SKM_GETSKININDEX: message->result = m_skinIndex + 1; return true;
    default: return false;
    }
}
