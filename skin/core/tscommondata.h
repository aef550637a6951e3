#pragma once

// The skin data every skinned control owns: its section, the skin it holds and the indexes looked
// up in it, the state flags, and the cache bitmap the control is painted into before it reaches
// the screen.
//
// The skin is taken from the skin in force (skininforce.h) whenever the indexes are looked up and
// dropped when the skin is removed, so the control's indexes always belong to the skin it holds;
// the control paints from skin().

#include "skin/core/controlkind.h"
#include "skin/core/skintables.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>

class QEvent;
struct QMetaObject;
class QObject;
class QPainter;
class QWidget;

class TsCommonData {
public:
    TsCommonData(QObject* owner, bool withCacheBitmap);
    ~TsCommonData();
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;

    const QString& SkinSection() const { return m_skinSection; }
    void setSkinSection(const QString& section);

    void updateIndexes();
    // Gives an empty section the default of the control kind, else looks the indexes up again. A
    // kind without a default section takes the name of `ownerClass` (the owner's class if none).
    void updateSection(const QMetaObject* ownerClass = nullptr);

    bool skinned() const;
    bool hot() const;
    // Painting is suspended: by this control, by a skin change, or by an ancestor.
    bool updating() const;
    TsCacheInfo parentCache() const;
    void prepareCacheBitmap();
    void invalidate();
    bool sectionIsTransparent() const;
    bool sectionHasGradient() const;

    void copyCache(QPainter& painter, int x, int y, int width, int height) const;
    // Copies the control's area of the cache to (0, 0), leaving out the visible children that are
    // windowless or opaque so that they are not overdrawn.
    void copyCacheToWindow(QWidget* control, QPainter& painter, const QRect& source) const;

    // The common handling every skinned control runs before its own; true when the event is a
    // skin message answered here.
    bool handleMessage(QEvent* event);

    // The owner tells its skin data when its destructor starts, so that late messages change
    // nothing.
    void setOwnerDestroying() { m_ownerDestroying = true; }
    bool ownerDestroying() const { return m_ownerDestroying; }

    // Controls that their container paints (no window of their own in the skin's sense) carry
    // this dynamic property set to true.
    static constexpr const char* windowlessProperty = "skinWindowless";

    QWidget* owner() const { return m_ownerControl; }
    ControlKind controlKind() const { return m_controlKind; }
    void setControlKind(ControlKind kind) { m_controlKind = kind; }
    // The skin the control's indexes belong to; the empty skin while it has none.
    const SkinTables& skin() const { return *m_skin; }
    // The control's section and border mask in skin(), -1 for none.
    int skinIndex() const { return m_skinIndex; }
    int borderIndex() const { return m_borderIndex; }
    // The same as entries of skin(); null for none.
    const TsGeneralData* section() const { return m_skinIndex >= 0 ? &m_skin->sections[m_skinIndex] : nullptr; }
    const TsMaskData* borderMask() const { return m_borderIndex >= 0 ? &m_skin->masks[m_borderIndex] : nullptr; }

    // The image the control is painted into before it reaches the screen, sized to the control
    // by prepareCacheBitmap.
    QImage& cache() { return m_cache; }
    const QImage& cache() const { return m_cache; }
    // Forgets the image, as when the skin is removed.
    void dropCache();

    // The one rule by which every cache is painted afresh. The cache is stale once something
    // outside the control's look changed what it shows: a new skin, a resize, focus, the
    // parent's face, a move while partly out of view (markStale, or invalidate to repaint as well).
    // A control that keeps the look it was painted with (its state, texts, values) passes
    // whether that look changed. Either way the cache is painted afresh, unless the caller has
    // prepared it for this paint itself (SKM_PREPARECACHE): that holds until it is painted.
    bool cacheOutdated(bool lookChanged = false) const { return (m_stale || lookChanged) && !m_cachePreparedByCaller; }
    bool stale() const { return m_stale; }
    void markStale() { m_stale = true; }
    // Said by the painter once the cache shows the control as it is.
    void markPainted()
    {
        m_stale = false;
        m_cachePreparedByCaller = false;
    }
    bool cachePreparedByCaller() const { return m_cachePreparedByCaller; }
    // What a child asking whether this control's image can be used yet is told: not while it is
    // stale or painting is suspended.
    bool imagePending() const { return m_stale || updating(); }

    // A control partly outside its parent, or on a parent that is, cannot trust what it kept: its
    // cache goes stale at each paint while that lasts, and once more when it ends. Asked before
    // each paint.
    void followVisibleArea();

    // Painting suspended by this control itself or by a skin change (not by an ancestor; see
    // updating), until SKM_REPAINT.
    bool suspended() const { return m_suspended; }
    bool focused() const { return m_focused; }
    bool mouseAbove() const { return m_mouseAbove; }
    void setMouseAbove(bool above) { m_mouseAbove = above; }
    // The child a container paints at the moment (SKM_SETPAINTINGCHILD), if any.
    QWidget* paintingChild() const;

private:
    QWidget* m_ownerControl = nullptr;
    QObject* m_ownerObject = nullptr;
    ControlKind m_controlKind = ControlKind::Unlisted;
    QString m_skinSection;
    SharedSkin m_skin;
    int m_skinIndex = -1;
    int m_borderIndex = -1;
    QImage m_cache; // Format_BGR888
    bool m_hasCache = false;
    bool m_stale = true;
    bool m_cachePreparedByCaller = false;
    bool m_halfVisible = false;
    bool m_suspended = false;
    bool m_focused = false;
    bool m_mouseAbove = false;
    QPointer<QWidget> m_paintingChild;
    bool m_ownerDestroying = false;
};
