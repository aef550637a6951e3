#pragma once

// Turns a skin section into pixels: the section's background (base colour, texture, gradient,
// transparency over the parent's cached background) and, for items, its border mask on top. Each
// painter reads the skin it is given, which is the one the section index belongs to (a control
// passes the skin its skin data holds), and the paint's own SectionPaint; nothing else. All
// painters return at once for a section index that is not valid in that skin.

#include "skin/core/controlstate.h"
#include "skin/core/bordertiles.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>

struct SkinTables;

// One section painted over its parent.
struct SectionPaint {
    int sectionIndex = -1;
    QString sectionName;
    // The parent's cached background: its pixels are read at the cache's offset plus `position`.
    TsCacheInfo parentCache = {};
    // The place of the painted rectangle's top-left corner in the parent's client area.
    QPoint position = {};
    // Anything but the normal state paints the hot look.
    ControlState state = ControlState::Normal;
    // The parts of the border mask that an item lays over its background.
    BorderParts border = BorderPart::Frame;
    // Replaces the colour of the background's final plain fill unless clSkinKey.
    int32_t fillColor = clSkinKey;
};

// Masks given by the caller instead of looked up by section name; an invalid index is no mask.
struct SectionMasks {
    int border = -1;
    int texture = -1;
    int hotTexture = -1;
};

void paintSectionBackground(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint);

// The same with the caller's texture masks (an invalid one fills with the base colour); the
// fill colour is not used.
void paintSectionBackgroundFixed(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint,
                                 const SectionMasks& masks);

// Background, then the section's "BORDERSMASK", when the rectangle lies inside the target.
void paintItem(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint);

// The same with the caller's masks.
void paintItemFixed(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint,
                    const SectionMasks& masks);

// As paintItem, with the border laid by the tab border painter.
void paintTabItem(const SkinTables& skin, QImage& target, const QRect& rect, const SectionPaint& paint);

// The item over the whole of `target`.
void paintWholeItem(const SkinTables& skin, QImage& target, const SectionPaint& paint);
