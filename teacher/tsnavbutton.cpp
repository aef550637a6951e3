#include "teacher/tsnavbutton.h"

#include "teacher/navigatormetrics.h"

#include <QIcon>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// The glyph with its background (the colour of its bottom-left pixel) made transparent.
QImage withTransparentBackground(const QImage& glyph)
{
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

// The disabled look: every glyph pixel half way to the button's face colour.
QImage blendedInto(const QImage& glyph, QColor face)
{
    QImage image = glyph;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0)
                line[x] = qRgb((qRed(line[x]) + face.red()) / 2, (qGreen(line[x]) + face.green()) / 2,
                               (qBlue(line[x]) + face.blue()) / 2);
    }
    return image;
}

} // namespace

TsNavButton::TsNavButton(int index, QWidget* parent) : TsSpeedButton(parent)
{
    setObjectName(QStringLiteral("NavButton%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
    SkinData.setSkinSection(QStringLiteral("TOOLBUTTON"));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAutoRaise(false);
}

void TsNavButton::repeatWhileHeld()
{
    setAutoRepeat(true);
    setAutoRepeatDelay(metrics::navigator::repeatDelayMs);
    setAutoRepeatInterval(metrics::navigator::repeatIntervalMs);
}

void TsNavButton::setFocusMarked(bool marked)
{
    if (focusMarked_ == marked)
        return;
    focusMarked_ = marked;
    update();
}

void TsNavButton::setGlyph(const QImage& glyph)
{
    // The skin draws the glyph itself; the icon is the platform's look.
    TsSpeedButton::setGlyph(glyph);
    const QImage image = withTransparentBackground(glyph);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(blendedInto(image, palette().color(QPalette::Button))), QIcon::Disabled);
    setIcon(icon);
    setIconSize(image.size());
}

void TsNavButton::paintEvent(QPaintEvent* event)
{
    TsSpeedButton::paintEvent(event);
    if (!focusMarked_)
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    const int inset = metrics::navigator::focusMarkInset;
    option.rect = rect().adjusted(inset, inset, -inset, -inset);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
