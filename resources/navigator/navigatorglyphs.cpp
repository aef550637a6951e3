#include "resources/navigator/navigatorglyphs.h"

#include <QList>
#include <QString>

namespace {

QList<QImage> loadGlyphs()
{
    static const char* const names[navigatorGlyphCount] = {"SDBN_FIRST",  "SDBN_PRIOR",  "SDBN_NEXT", "SDBN_LAST",
                                                           "SDBN_INSERT", "SDBN_DELETE", "SDBN_EDIT", "SDBN_POST",
                                                           "SDBN_CANCEL", "SDBN_REFRESH"};
    QList<QImage> glyphs;
    for (const char* name : names)
        glyphs.append(QImage(QStringLiteral(":/navigator/") + QLatin1String(name)));
    return glyphs;
}

} // namespace

const QImage& navigatorGlyph(int index)
{
    static const QList<QImage> glyphs = loadGlyphs();
    static const QImage none;
    if (index < 0 || index >= glyphs.size())
        return none;
    return glyphs[index];
}
