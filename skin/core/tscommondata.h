#pragma once

// The skin data every skinned control owns: its section, the indexes looked up for it, the state
// flags, and the cache bitmap the control is painted into before it reaches the screen.

#include "skin/core/controlkind.h"
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

    bool updatingFlag = false;
    int borderIndex = -1;
    int skinIndex = -1;
    QPointer<QWidget> paintingChild;
    bool cachePreparedByCaller = false;
    bool bgChanged = true;
    bool halfVisible = false;
    QWidget* ownerControl = nullptr;
    QObject* ownerObject = nullptr;
    QImage cacheBitmap; // Format_BGR888, sized to the control
    bool hasCacheBitmap = false;
    ControlKind controlKind = ControlKind::Unlisted;
    bool focused = false;
    bool mouseAbove = false;

private:
    QString m_skinSection;
    bool m_ownerDestroying = false;
};
