// Draws the title page of the course "Вестория" (500 x 506) and writes it as a baseline,
// three-component JPEG through libjpeg: cover_generator <output.jpg>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <jpeglib.h>

namespace {

// A dusk sky over a town's roofs with a radio mast: the "photograph" behind the title.
void drawScene(QPainter& painter, int width, int height)
{
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(22, 34, 70));
    sky.setColorAt(0.55, QColor(120, 88, 120));
    sky.setColorAt(0.8, QColor(232, 150, 90));
    sky.setColorAt(1.0, QColor(60, 40, 40));
    painter.fillRect(0, 0, width, height, sky);

    QRadialGradient sun(QPointF(width * 0.72, height * 0.74), 90);
    sun.setColorAt(0, QColor(255, 230, 170, 230));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    painter.setBrush(sun);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(width * 0.72, height * 0.74), 90, 90);

    // Radio mast with its waves.
    painter.setPen(QPen(QColor(30, 25, 35), 3));
    const QPointF top(width * 0.2, height * 0.42);
    painter.drawLine(top, QPointF(width * 0.14, height * 0.86));
    painter.drawLine(top, QPointF(width * 0.26, height * 0.86));
    for (int rung = 1; rung < 8; ++rung) {
        const double t = rung / 8.0;
        painter.drawLine(QPointF(top.x() - 0.06 * width * t, top.y() + (0.44 * height) * t),
                         QPointF(top.x() + 0.06 * width * t, top.y() + (0.44 * height) * t));
    }
    painter.setPen(QPen(QColor(255, 240, 210, 160), 2));
    painter.setBrush(Qt::NoBrush);
    for (int wave = 1; wave <= 3; ++wave)
        painter.drawArc(QRectF(top.x() - 18 * wave, top.y() - 18 * wave, 36 * wave, 36 * wave), 30 * 16, 120 * 16);

    // Roofs of the town.
    QPainterPath roofs;
    roofs.moveTo(0, height);
    const int profile[] = {80, 70, 95, 60, 88, 72, 100, 66, 84, 58, 90, 76, 64};
    const int count = sizeof profile / sizeof profile[0];
    for (int i = 0; i < count; ++i) {
        const double x0 = width * i / double(count);
        const double x1 = width * (i + 1) / double(count);
        roofs.lineTo(x0, height - profile[i]);
        roofs.lineTo((x0 + x1) / 2, height - profile[i] - 18);
        roofs.lineTo(x1, height - profile[i]);
    }
    roofs.lineTo(width, height);
    roofs.closeSubpath();
    painter.setBrush(QColor(28, 22, 30));
    painter.setPen(Qt::NoPen);
    painter.drawPath(roofs);
    painter.setBrush(QColor(255, 214, 120));
    for (int i = 0; i < 24; ++i)
        painter.drawRect(QRectF((i * 37) % width + 6, height - 40 - (i * 13) % 30, 5, 7));
}

void drawTitle(QPainter& painter, int width)
{
    painter.setBrush(QColor(250, 244, 228, 215));
    painter.setPen(QPen(QColor(120, 30, 30), 2));
    painter.drawRect(QRectF(34, 40, width - 68, 190));
    painter.setPen(QColor(110, 20, 20));
    QFont small(QStringLiteral("DejaVu Serif"), 13);
    painter.setFont(small);
    painter.drawText(QRectF(34, 52, width - 68, 24), Qt::AlignHCenter, QStringLiteral("Электронный учебник"));
    QFont title(QStringLiteral("DejaVu Serif"), 40, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRectF(34, 80, width - 68, 70), Qt::AlignHCenter, QStringLiteral("ВЕСТОРИЯ"));
    QFont subtitle(QStringLiteral("DejaVu Serif"), 13, QFont::Normal, true);
    painter.setFont(subtitle);
    painter.setPen(QColor(40, 30, 30));
    painter.drawText(QRectF(44, 158, width - 88, 60), Qt::AlignHCenter | Qt::TextWordWrap,
                     QStringLiteral("История вестей и массовых коммуникаций: от глашатаев до Интернета"));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    painter.setPen(QColor(255, 245, 225));
    painter.drawText(QRectF(0, 470, width, 24), Qt::AlignHCenter, QStringLiteral("Нажмите на картинку, чтобы начать"));
}

bool writeJpeg(const QImage& image, const char* path)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 88, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cover_generator <output.jpg>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int width = 500;
    const int height = 506;
    QImage image(width, height, QImage::Format_RGB888);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawScene(painter, width, height);
        drawTitle(painter, width);
    }
    return writeJpeg(image, argv[1]) ? 0 : 1;
}
