#include "testing/headingfont.h"

#include "platform/metrics.h"

QFont headingFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(metrics::textPixelSize);
    font.setBold(true);
    return font;
}
