#include "testing/headingfont.h"

namespace {
constexpr int pixelSize = 16;
} // namespace

QFont headingFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}
