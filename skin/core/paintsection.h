#pragma once

// Turns a skin section into pixels: the section's background (base colour, texture, gradient,
// transparency over the parent's cached background) and, for items, its border mask on top. All
// painters return at once for a section index that is not valid.

#include "skin/core/skintypes.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>

// Process-wide colour overrides, clSkinKey when not in use. A control sets one right before it
// paints and resets it right after.
// The base colour override replaces the section's Color/HotColor in paintSectionBackground.
int32_t baseColorOverride();
void setBaseColorOverride(int32_t color);
// The fill colour override replaces the colour of the background's final plain fill.
int32_t fillColorOverride();
void setFillColorOverride(int32_t color);

// `position` is the place of the rectangle's top-left corner in the parent's client area; the
// parent's pixels are read at the parent cache's offset plus `position`. A `state` other than 0
// paints the hot look.
void paintSectionBackground(int sectionIndex, const QString& sectionName, const TsCacheInfo& parentCache,
                            QImage& target, QPoint position, const QRect& rect, int state);

// The same with the texture masks given by the caller (an invalid index fills with the base
// colour); the colour overrides are not used.
void paintSectionBackgroundFixed(int sectionIndex, int textureIndex, int hotTextureIndex, QImage& target,
                                 QPoint position, const QRect& rect, int state, const TsCacheInfo& parentCache,
                                 const QString& sectionName);

// Background, then the section's "BORDERSMASK", when the rectangle lies inside the target.
void paintItem(int sectionIndex, const QString& sectionName, const TsCacheInfo& parentCache, QImage& target,
               QPoint position, const QRect& rect, int state, bool fillCentre);

void paintItemFixed(int sectionIndex, int borderMaskIndex, int textureIndex, QImage& target, QPoint position,
                    const QRect& rect, int state, bool fillCentre, const TsCacheInfo& parentCache,
                    const QString& sectionName, int hotTextureIndex);

// As paintItem, with the border laid by the tab border painter.
void paintTabItem(int sectionIndex, const QString& sectionName, const TsCacheInfo& parentCache, QImage& target,
                  QPoint position, const QRect& rect, int state, bool fillCentre);

// The item over the whole of `target`.
void paintWholeItem(int sectionIndex, const QString& sectionName, QImage& target, QPoint position, int state,
                    bool fillCentre, const TsCacheInfo& parentCache);
