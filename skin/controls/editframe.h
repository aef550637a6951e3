#pragma once

// What the text, list and tree controls share while a skin is in force: their whole face is
// painted from their section into the cache, and only a frame of strips around the platform's own
// client area reaches the screen from it.

#include "skin/core/disabledkind.h"

class QFrame;
class QPainter;
class QImage;
class QSize;
class QWidget;
class TsCommonData;

// Rebuilds the cache of `skin`'s control when its background changed: the section with its
// border over the whole control, hot or normal, then the disabled look when disabled.
void prepareFrameCache(TsCommonData& skin, TsDisabledKind disabledKind);

// Copies the frame `width` pixels wide from the cache: top, left, bottom and right strips.
void paintFrameStrips(QPainter& painter, const QImage& cache, QSize size, int width);

// The platform frame of a scrolling control, kept while the skin paints the frame instead.
struct PlatformFrame {
    int style = 0;
    int lineWidth = 0;
    int midLineWidth = 0;
};

// Makes the platform's frame of `control` a plain one of `width`, so that its client area stands
// where the skin's frame ends; returns the frame it had.
PlatformFrame takeFrameOver(QFrame* control, int width);
void giveFrameBack(QFrame* control, const PlatformFrame& frame);
