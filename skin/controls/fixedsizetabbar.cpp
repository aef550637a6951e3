#include "skin/controls/fixedsizetabbar.h"

#include <QEvent>

void FixedSizeTabBar::setFixedTabSize(int width, int height)
{
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    // The bar measures its tabs again, and tells its tab widget, as it does for a new font.
    QEvent remeasure(QEvent::FontChange);
    changeEvent(&remeasure);
}

QSize FixedSizeTabBar::fixedSize(QSize hint) const
{
    const bool across =
        shape() == RoundedNorth || shape() == RoundedSouth || shape() == TriangularNorth || shape() == TriangularSouth;
    QSize size = across ? hint : hint.transposed();
    if (m_width > 0)
        size.setWidth(m_width);
    if (m_height > 0)
        size.setHeight(m_height);
    return across ? size : size.transposed();
}

QSize FixedSizeTabBar::tabSizeHint(int index) const
{
    return fixedSize(QTabBar::tabSizeHint(index));
}

// A fixed size is kept even where the tabs do not all fit: they scroll rather than shrink.
QSize FixedSizeTabBar::minimumTabSizeHint(int index) const
{
    return fixedSize(QTabBar::minimumTabSizeHint(index));
}
