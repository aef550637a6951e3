#pragma once

#include <QByteArray>
#include <QImage>

// Windows metafiles, played by our own renderer: the placeable metafile (.wmf with its
// placement header, the only kind that says its own size) and the enhanced metafile (.emf). The
// common drawing records are played (lines, rectangles, ellipses, arcs, chords and pies, polygons,
// Bezier curves, text, stretched bitmaps, pens, brushes, fonts, mapping modes, world transforms,
// saved states); the others (clipping, paths, regions, palettes) are passed over. The picture gets
// the size the file declares, at 96 pixels per inch, with a transparent background. Damaged data
// fails with "Metafile is not valid".
bool isPlaceableMetafile(const QByteArray& data);
bool isEnhancedMetafile(const QByteArray& data);

QImage renderPlaceableMetafile(const QByteArray& data);
QImage renderEnhancedMetafile(const QByteArray& data);
