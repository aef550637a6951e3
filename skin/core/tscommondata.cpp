#include "skin/core/tscommondata.h"

#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"

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
    : ownerControl(qobject_cast<QWidget*>(owner)),
      ownerObject(owner),
      hasCacheBitmap(withCacheBitmap)
{
    if (withCacheBitmap)
        cacheBitmap = QImage(0, 0, QImage::Format_BGR888);
}

TsCommonData::~TsCommonData()
{
    ownerControl = nullptr;
    ownerObject = nullptr;
}

void TsCommonData::setSkinSection(const QString& section)
{
    if (section == m_skinSection)
        return;
    m_skinSection = section.isEmpty() ? QStringLiteral("UNKNOWN") : section;
    if (currentSkin().sections.isEmpty())
        skinIndex = -1;
    else
        updateIndexes();
    invalidate();
}

void TsCommonData::updateIndexes()
{
    bgChanged = true;
    skinIndex = FindSection(m_skinSection);
    borderIndex = skinIndex >= 0 ? FindMask(skinIndex, m_skinSection, QStringLiteral("BORDERSMASK")) : -1;
}

void TsCommonData::updateSection(const QMetaObject* ownerClass)
{
    if (m_skinSection.isEmpty()) {
        if (!ownerClass && ownerObject)
            ownerClass = ownerObject->metaObject();
        const QString className = ownerClass ? QString::fromLatin1(ownerClass->className()) : QString();
        setSkinSection(defaultSectionForKind(controlKind, className));
    } else {
        updateIndexes();
    }
}

bool TsCommonData::skinned() const
{
    return !m_ownerDestroying && isValidSectionIndex(skinIndex);
}

bool TsCommonData::hot() const
{
    if (!ownerControl || m_ownerDestroying || !ownerControl->isEnabled())
        return false;
    return focused || ownerControl->hasFocus() || (mouseAbove && !isNoHotKind(controlKind));
}

bool TsCommonData::updating() const
{
    if (updatingFlag || !skinData().ready)
        return true;
    QWidget* parent = ownerControl ? ownerControl->parentWidget() : nullptr;
    return parent && sendSkinMessage(parent, SKM_ISUPDATING) == 1;
}

TsCacheInfo TsCommonData::parentCache() const
{
    return requestSkinCache(ownerControl ? ownerControl->parentWidget() : nullptr);
}

void TsCommonData::prepareCacheBitmap()
{
    if (!ownerControl)
        return;
    const QSize size = ownerControl->size();
    hasCacheBitmap = true;
    if (cacheBitmap.format() != QImage::Format_BGR888 || cacheBitmap.size() != size)
        cacheBitmap = QImage(size, QImage::Format_BGR888);
}

void TsCommonData::invalidate()
{
    if (m_ownerDestroying)
        return;
    bgChanged = true;
    if (ownerControl && ownerControl->parentWidget())
        ownerControl->update();
}

bool TsCommonData::sectionIsTransparent() const
{
    return isValidSectionIndex(skinIndex) && currentSkin().sections[skinIndex].transparency > 0;
}

bool TsCommonData::sectionHasGradient() const
{
    return isValidSectionIndex(skinIndex) && currentSkin().sections[skinIndex].gradientPercent > 0;
}

void TsCommonData::copyCache(QPainter& painter, int x, int y, int width, int height) const
{
    painter.drawImage(QPoint(x, y), cacheBitmap, QRect(x, y, width, height));
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
    painter.drawImage(QPoint(0, 0), cacheBitmap, QRect(source.topLeft(), control->size()));
    painter.restore();
}

bool TsCommonData::handleMessage(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize: bgChanged = true; return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (ownerControl && (ownerControl->focusPolicy() & Qt::TabFocus)) {
            bgChanged = true;
            focused = event->type() == QEvent::FocusIn;
        }
        return false;
    case QEvent::FontChange:
    case QEvent::EnabledChange:
        mouseAbove = false;
        focused = false;
        return false;
    case QEvent::Enter:
    case QEvent::Leave:
        if (!isNoHotKind(controlKind))
            mouseAbove = event->type() == QEvent::Enter;
        return false;
    default: break;
    }

    if (event->type() != SkinMessageEvent::eventType())
        return false;
    auto* message = static_cast<SkinMessageEvent*>(event);
    switch (message->message) {
    case SKM_SETBGCHANGED: bgChanged = message->lParam != 0; return true;
    case SKM_SETNEWSKIN:
        updatingFlag = true;
        updateIndexes();
        return true;
    case SKM_REMOVESKIN:
        if (!m_ownerDestroying) {
            borderIndex = -1;
            skinIndex = -1;
            updatingFlag = true;
            if (hasCacheBitmap)
                cacheBitmap = QImage(0, 0, QImage::Format_BGR888);
            if (ownerControl)
                ownerControl->update();
        }
        return true;
    case SKM_REPAINT:
        bgChanged = true;
        updatingFlag = false;
        invalidate();
        return true;
    case SKM_GETCACHE:
        if (hasCacheBitmap)
            message->cache = {&cacheBitmap, 0, 0, true};
        return true;
    case SKM_REPAINTCHILD: message->result = 0; return true;
    case SKM_SECTIONCHANGED:
        // Sections change only with the whole skin here, and that comes as SKM_SETNEWSKIN.
        return true;
    case SKM_SETUPDATING: updatingFlag = message->lParam != 0; return true;
    case SKM_PREPARECACHE: cachePreparedByCaller = message->wParam != 0; return true;
    case SKM_ISUPDATING: message->result = bgChanged || updating() ? 1 : 0; return true;
    case SKM_ISHALFVISIBLE: message->result = halfVisible ? 1 : 0; return true;
    case SKM_SETPAINTINGCHILD: paintingChild = fromLParam<QWidget>(message->lParam); return true;
    case SKM_PARENTBGCHANGED:
        if (sectionIsTransparent())
            bgChanged = true;
        message->result = 0;
        return true;
    case SKM_GETSKININDEX: message->result = skinIndex + 1; return true;
    default: return false;
    }
}
