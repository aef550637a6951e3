#pragma once

// What a skinned container does for the controls on it: paints the ones that have no window of
// their own in the skin's sense over its cached background, and passes skin messages down to its
// children. The window frame, panels, group boxes and page controls share these.

#include "skin/core/skintext.h"
#include "skin/core/skintypes.h"

class QObject;
class QPainter;
class QWidget;

enum class CaptionAlignment;

// Paints every visible windowless child of `container` (TsCommonData::windowlessProperty) at its
// place on `painter`, whose origin is the container's. An opaque child, or any child while
// `cache` is not ready, paints straight onto the painter; any other over a copy of the cache's
// pixels at its place.
void paintGraphicChildren(QWidget* container, QPainter& painter, const TsCacheInfo& cache);

// Sends the skin message to each direct child of `container`.
void sendToChildren(QWidget* container, unsigned message, intptr_t wParam = 0, intptr_t lParam = 0);

// SKM_PREPARECACHE with 0 to `control` and every control below it: the caller no longer prepares
// their caches.
void releasePreparedCaches(QWidget* control);

// Repaints `container` and every skinned control below it; with `backgroundChanged` each is told
// that its background changed first.
void redrawContainer(QWidget* container, bool backgroundChanged);

// Repaints every skinned control of the window `window`.
void invalidateSkinnedControls(QWidget* window);

// The window that owns `object`: the first window among its ancestors (itself included).
QWidget* owningWindow(QObject* object);

// The text flags that write a caption of the alignment on one centred line, tabs expanded.
TextFlags alignmentTextFlags(CaptionAlignment alignment);
