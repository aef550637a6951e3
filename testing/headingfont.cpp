#include "testing/headingfont.h"

QFont headingFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}
