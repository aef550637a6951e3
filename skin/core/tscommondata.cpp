#include "skin/core/tscommondata.h"

#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

bool inRange(int kind, int first, int last) { return kind >= first && kind <= last; }

QWidget* pageControlOfSheet(QWidget* sheet)
{
    if (!sheet->inherits("TsTabSheet"))
        return nullptr;
    for (QWidget* w = sheet->parentWidget(); w; w = w->parentWidget()) {
        if (w->inherits("TsPageControl"))
            return w;
    }
    return nullptr;
}

} // namespace

TsCacheInfo& skinCacheReply()
{
    static TsCacheInfo reply;
    return reply;
}

QString& skinChangedSection()
{
    static QString section;
    return section;
}

TsCommonData::TsCommonData(QObject* owner, bool withCacheBitmap)
    : ownerControl(qobject_cast<QWidget*>(owner)), ownerObject(owner), hasCacheBitmap(withCacheBitmap)
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

void TsCommonData::updateSection()
{
    if (m_skinSection.isEmpty()) {
        const QString className = ownerObject ? QString::fromLatin1(ownerObject->metaObject()->className()) : QString();
        setSkinSection(defaultSectionForKind(controlKind, className));
    } else {
        updateIndexes();
    }
}

QString TsCommonData::defaultSectionForKind(int kind, const QString& ownerClassName)
{
    switch (kind) {
    case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 10: case 41: case 76: case 78:
    case 83: case 84: case 96: case 97: case 131: case 140: case 227:
        return QStringLiteral("EDIT");
    case 11: case 12: case 13: case 14: case 15: case 16: case 17: case 18: case 81: case 82:
        return QStringLiteral("COMBOBOX");
    case 32: return QStringLiteral("CHECKBOX");
    case 33: return QStringLiteral("RADIOBUTTON");
    case 51: case 59: case 68: case 73: return QStringLiteral("PANEL");
    case 54: case 60: return QStringLiteral("TOOLBAR");
    case 56: return QStringLiteral("DRAGBAR");
    case 57: return QStringLiteral("TABSHEET");
    case 58: return QStringLiteral("PANEL_LOW");
    case 74: case 226: return QStringLiteral("GROUPBOX");
    case 75: return QStringLiteral("SPLITTER");
    case 92: case 95: return QStringLiteral("SPEEDBUTTON");
    case 93: case 94: return QStringLiteral("BUTTON");
    case 98: return QStringLiteral("TOOLBUTTON");
    case 141: return QStringLiteral("PAGECONTROL");
    case 143: return QStringLiteral("TABCONTROL");
    case 151: return QStringLiteral("STATUSBAR");
    case 161: return QStringLiteral("GAUGE");
    case 165: return QStringLiteral("TRACKBAR");
    default: return ownerClassName;
    }
}

bool TsCommonData::isNoHotKind(int kind)
{
    return inRange(kind, 51, 74) || kind == 110 || inRange(kind, 141, 161);
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
    QWidget* parent = ownerControl ? ownerControl->parentWidget() : nullptr;
    if (!parent)
        return {};
    if (QWidget* pageControl = pageControlOfSheet(parent)) {
        sendSkinMessage(pageControl, SKM_GETCACHE);
        TsCacheInfo info = skinCacheReply();
        const QPoint sheetPos = parent->mapTo(pageControl, QPoint(0, 0));
        info.x = sheetPos.x();
        info.y = sheetPos.y();
        return info;
    }
    skinCacheReply() = {};
    sendSkinMessage(parent, SKM_GETCACHE);
    return skinCacheReply();
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
    case QEvent::Resize:
        bgChanged = true;
        return false;
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
    default:
        break;
    }

    if (event->type() != SkinMessageEvent::eventType())
        return false;
    auto* message = static_cast<SkinMessageEvent*>(event);
    switch (message->message) {
    case SKM_SETBGCHANGED:
        bgChanged = message->lParam != 0;
        return true;
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
        skinCacheReply().ready = false;
        if (hasCacheBitmap)
            skinCacheReply() = {&cacheBitmap, 0, 0, true};
        return true;
    case SKM_REPAINTCHILD:
        message->result = 0;
        return true;
    case SKM_SECTIONCHANGED:
        if (!skinChangedSection().isEmpty() && m_skinSection.toUpper() == skinChangedSection() && ownerControl) {
            invalidate();
            ownerControl->repaint();
        }
        return true;
    case SKM_SETUPDATING:
        updatingFlag = message->lParam != 0;
        return true;
    case SKM_PREPARECACHE:
        cachePreparedByCaller = message->wParam != 0;
        return true;
    case SKM_ISUPDATING:
        message->result = bgChanged || updating() ? 1 : 0;
        return true;
    case SKM_ISHALFVISIBLE:
        message->result = halfVisible ? 1 : 0;
        return true;
    case SKM_SETPAINTINGCHILD:
        paintingChild = fromLParam<QWidget>(message->lParam);
        return true;
    case SKM_PARENTBGCHANGED:
        if (sectionIsTransparent())
            bgChanged = true;
        message->result = 0;
        return true;
    case SKM_GETSKININDEX:
        message->result = skinIndex + 1;
        return true;
    default:
        return false;
    }
}
