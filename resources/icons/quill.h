#pragma once

#include <QImage>

class QPainter;

// The program's quill, drawn from paths rather than kept as a picture, so that the 16-pixel mark
// of the topic trees, the window icon and the desktop's icons at every size are the one drawing.

// Paints it into the square from (0, 0) to (size, size) of the painter's coordinates.
void paintQuill(QPainter& painter, qreal size);

// The quill on a transparent square of size x size pixels.
QImage quillImage(int size);
