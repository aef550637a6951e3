#include "drawings.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <stdexcept>

namespace {

QFont font(const char* family, int pixels, bool bold = false, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void verticalGradient(QPainter& p, const QRectF& area, QColor top, QColor bottom)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(area, g);
}

void caption(QPainter& p, const QRectF& canvas, const QString& text)
{
    const QRectF band(canvas.left(), canvas.bottom() - 40, canvas.width(), 40);
    p.fillRect(band, QColor(20, 20, 20, 170));
    p.setPen(QColor(250, 244, 225));
    p.setFont(font("DejaVu Serif", 20, false, true));
    p.drawText(band, Qt::AlignCenter, text);
}

// Grey bars standing for lines of small print.
void printedLines(QPainter& p, const QRectF& area, double lineHeight, unsigned seed)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 60, 50));
    unsigned state = seed;
    for (double y = area.top(); y + lineHeight * 0.5 <= area.bottom(); y += lineHeight) {
        state = state * 1103515245u + 12345u;
        const bool paragraphEnd = (state >> 16) % 7 == 0;
        const double width = paragraphEnd ? area.width() * (0.35 + ((state >> 8) % 40) / 100.0) : area.width();
        p.drawRect(QRectF(area.left(), y, width, lineHeight * 0.45));
    }
}

void drawActa(QPainter& p)
{
    const QRectF canvas(0, 0, 640, 480);
    verticalGradient(p, canvas, QColor(120, 170, 220), QColor(235, 215, 180));
    // A temple behind the board.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 215, 195));
    p.drawRect(QRectF(330, 120, 280, 30));
    QPolygonF pediment({QPointF(320, 120), QPointF(470, 60), QPointF(620, 120)});
    p.drawPolygon(pediment);
    p.setBrush(QColor(210, 198, 175));
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(345 + i * 47, 150, 20, 190));
    p.setBrush(QColor(190, 175, 150));
    p.drawRect(QRectF(320, 340, 300, 20));
    // Paving of the Forum.
    p.setBrush(QColor(185, 165, 135));
    p.drawRect(QRectF(0, 360, 640, 120));
    p.setPen(QPen(QColor(160, 140, 110), 2));
    for (int x = -200; x < 640; x += 60)
        p.drawLine(QPointF(x, 480), QPointF(x + 200, 360));
    // The whitened board, the album.
    p.setPen(QPen(QColor(90, 60, 30), 6));
    p.drawLine(QPointF(90, 330), QPointF(90, 420));
    p.drawLine(QPointF(290, 330), QPointF(290, 420));
    p.setBrush(QColor(248, 246, 238));
    p.setPen(QPen(QColor(120, 85, 45), 8));
    p.drawRect(QRectF(50, 90, 280, 240));
    p.setPen(QColor(150, 20, 20));
    p.setFont(font("DejaVu Serif", 26, true));
    p.drawText(QRectF(50, 100, 280, 36), Qt::AlignCenter, QStringLiteral("ACTA DIVRNA"));
    p.setPen(QColor(40, 40, 40));
    p.setFont(font("DejaVu Serif", 13));
    const QStringList lines = {QStringLiteral("SENATVS HODIE CONVENIT"), QStringLiteral("DE PROVINCIIS DECREVIT"),
                               QStringLiteral("LVDI IN CIRCO MAXIMO"),   QStringLiteral("NATVS EST FILIVS"),
                               QStringLiteral("INCENDIVM IN SVBVRA"),    QStringLiteral("C. IVLIVS CAESAR COS.")};
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(60, 145 + i * 28, 260, 26), Qt::AlignCenter, lines[i]);
    // Readers in togas.
    const QColor togas[] = {QColor(245, 240, 225), QColor(200, 60, 50), QColor(235, 228, 205)};
    for (int i = 0; i < 3; ++i) {
        const double x = 120 + i * 85;
        p.setPen(Qt::NoPen);
        p.setBrush(togas[i]);
        QPainterPath body;
        body.moveTo(x - 24, 470);
        body.lineTo(x - 16, 385);
        body.quadTo(x, 370, x + 16, 385);
        body.lineTo(x + 24, 470);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(205, 160, 120));
        p.drawEllipse(QPointF(x, 362), 13, 15);
    }
    caption(p, canvas, QStringLiteral("Acta diurna на римском Форуме"));
}

void drawPress(QPainter& p)
{
    const QRectF canvas(0, 0, 640, 480);
    verticalGradient(p, canvas, QColor(95, 70, 50), QColor(60, 42, 30));
    p.fillRect(QRectF(0, 400, 640, 80), QColor(80, 60, 40));
    const QColor wood(140, 95, 55);
    const QColor darkWood(100, 65, 35);
    p.setPen(QPen(darkWood, 2));
    p.setBrush(wood);
    // Frame: two cheeks, head and the bed's rails.
    p.drawRect(QRectF(200, 40, 40, 370));
    p.drawRect(QRectF(420, 40, 40, 370));
    p.drawRect(QRectF(180, 40, 300, 45));
    p.drawRect(QRectF(190, 190, 280, 26));
    p.drawRect(QRectF(120, 290, 440, 22));
    // The screw and the platen it presses down.
    p.setBrush(QColor(170, 160, 140));
    p.drawRect(QRectF(318, 85, 24, 80));
    p.setPen(QPen(QColor(90, 85, 75), 3));
    for (int y = 92; y < 160; y += 12)
        p.drawLine(QPointF(318, y), QPointF(342, y + 6));
    p.setPen(QPen(darkWood, 2));
    p.setBrush(QColor(120, 110, 95));
    p.drawRect(QRectF(270, 225, 120, 20));
    // Bar, pulled by the pressman.
    p.setPen(QPen(QColor(60, 55, 50), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(342, 130), QPointF(540, 170));
    p.setBrush(QColor(30, 25, 20));
    p.drawEllipse(QPointF(545, 171), 10, 10);
    // Forme with the type and a printed sheet beside it.
    p.setPen(QPen(QColor(40, 35, 30), 1));
    p.setBrush(QColor(50, 50, 55));
    p.drawRect(QRectF(265, 270, 130, 20));
    p.setBrush(QColor(245, 240, 225));
    p.drawRect(QRectF(140, 250, 90, 38));
    printedLines(p, QRectF(148, 256, 74, 30), 5, 7);
    // Type case with its compartments.
    p.setPen(QPen(darkWood, 2));
    p.setBrush(QColor(155, 110, 65));
    p.drawRect(QRectF(500, 260, 120, 140));
    p.setPen(QPen(QColor(90, 60, 30), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(500 + i * 30, 260), QPointF(500 + i * 30, 400));
    for (int j = 1; j < 5; ++j)
        p.drawLine(QPointF(500, 260 + j * 28), QPointF(620, 260 + j * 28));
    p.setPen(QColor(230, 220, 200));
    p.setFont(font("DejaVu Serif", 14, true));
    const QString letters = QStringLiteral("ABCDEFGHIKLMNOPRSTVX");
    for (int k = 0; k < letters.size(); ++k)
        p.drawText(QRectF(500 + (k % 4) * 30, 260 + (k / 4) * 28, 30, 28), Qt::AlignCenter, letters.mid(k, 1));
    caption(p, canvas, QStringLiteral("Печатный станок Гутенберга, Майнц, около 1450 г."));
}

void drawNewspaper(QPainter& p)
{
    const QRectF canvas(0, 0, 480, 640);
    p.fillRect(canvas, QColor(90, 80, 70));
    const QRectF sheet(30, 20, 420, 600);
    p.fillRect(sheet, QColor(240, 232, 210));
    p.setPen(QColor(30, 25, 20));
    p.setFont(font("DejaVu Serif", 46, true));
    p.drawText(QRectF(sheet.left(), 35, sheet.width(), 60), Qt::AlignCenter, QStringLiteral("RELATION"));
    p.setFont(font("DejaVu Serif", 13, false, true));
    p.drawText(QRectF(sheet.left(), 95, sheet.width(), 22), Qt::AlignCenter,
               QStringLiteral("Aller Fürnemmen und gedenckwürdigen Historien"));
    p.setFont(font("DejaVu Serif", 12));
    p.drawText(QRectF(sheet.left() + 20, 118, sheet.width() - 40, 20), Qt::AlignLeft, QStringLiteral("Num. 12"));
    p.drawText(QRectF(sheet.left() + 20, 118, sheet.width() - 40, 20), Qt::AlignRight, QStringLiteral("Anno 1609"));
    p.setPen(QPen(QColor(30, 25, 20), 2));
    p.drawLine(QPointF(50, 142), QPointF(430, 142));
    p.drawLine(QPointF(50, 146), QPointF(430, 146));
    // Woodcut: a ship on the sea.
    const QRectF cut(60, 160, 360, 150);
    p.setPen(QPen(QColor(30, 25, 20), 2));
    p.setBrush(QColor(225, 215, 190));
    p.drawRect(cut);
    p.setPen(QPen(QColor(40, 35, 30), 1));
    for (double y = cut.top() + 100; y < cut.bottom(); y += 7)
        for (double x = cut.left() + 5; x < cut.right() - 20; x += 24)
            p.drawArc(QRectF(x, y, 20, 8), 0, 180 * 16);
    p.setBrush(QColor(90, 60, 35));
    QPolygonF hull({QPointF(160, 255), QPointF(320, 255), QPointF(300, 280), QPointF(180, 280)});
    p.drawPolygon(hull);
    p.drawLine(QPointF(240, 255), QPointF(240, 170));
    p.setBrush(QColor(245, 240, 225));
    p.drawPolygon(QPolygonF({QPointF(242, 175), QPointF(300, 235), QPointF(242, 235)}));
    p.drawPolygon(QPolygonF({QPointF(238, 185), QPointF(195, 240), QPointF(238, 240)}));
    // Three columns of reports, each headed by the place it came from.
    p.setFont(font("DejaVu Serif", 12, true));
    const QStringList places = {QStringLiteral("Auß Venedig"), QStringLiteral("Auß Prag"), QStringLiteral("Auß Cölln")};
    for (int c = 0; c < 3; ++c) {
        const double x = 50 + c * 130;
        p.setPen(QColor(30, 25, 20));
        p.drawText(QRectF(x, 322, 120, 20), Qt::AlignLeft, places[c]);
        printedLines(p, QRectF(x, 346, 118, 250), 9, 11u + static_cast<unsigned>(c) * 31u);
        if (c > 0) {
            p.setPen(QPen(QColor(60, 50, 40), 1));
            p.drawLine(QPointF(x - 6, 322), QPointF(x - 6, 600));
        }
    }
}

void drawVedomosti(QPainter& p)
{
    const QRectF canvas(0, 0, 400, 520);
    p.fillRect(canvas, QColor(236, 224, 196));
    p.setPen(QPen(QColor(90, 60, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(14, 14, 372, 492));
    p.setPen(QPen(QColor(90, 60, 40), 1));
    p.drawRect(QRectF(22, 22, 356, 476));
    // Ornamental corners.
    p.setBrush(QColor(150, 40, 30));
    for (const QPointF& corner : {QPointF(22, 22), QPointF(378, 22), QPointF(22, 498), QPointF(378, 498)})
        p.drawEllipse(corner, 8, 8);
    // An emblem in place of the state arms.
    p.setPen(QPen(QColor(60, 40, 25), 2));
    p.setBrush(QColor(210, 180, 110));
    p.drawEllipse(QPointF(200, 80), 38, 38);
    p.setPen(QPen(QColor(60, 40, 25), 3));
    p.drawLine(QPointF(200, 52), QPointF(200, 108));
    p.drawLine(QPointF(172, 80), QPointF(228, 80));
    p.drawEllipse(QPointF(200, 80), 16, 16);
    p.setPen(QColor(40, 25, 15));
    p.setFont(font("DejaVu Serif", 44, true));
    p.drawText(QRectF(20, 125, 360, 60), Qt::AlignCenter, QStringLiteral("ВЕДОМОСТИ"));
    p.setFont(font("DejaVu Serif", 14, false, true));
    p.drawText(QRectF(40, 190, 320, 90), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("о военных и иных делах, достойных знания и памяти, случившихся в Московском "
                              "государстве и во иных окрестных странах"));
    p.setPen(QPen(QColor(90, 60, 40), 1));
    p.drawLine(QPointF(60, 290), QPointF(340, 290));
    printedLines(p, QRectF(50, 305, 300, 150), 10, 1703u);
    p.setPen(QColor(40, 25, 15));
    p.setFont(font("DejaVu Serif", 16, true));
    p.drawText(QRectF(20, 460, 360, 30), Qt::AlignCenter, QStringLiteral("В Москве, 1703 года, января 2 дня"));
}

void drawTower(QPainter& p, const QPointF& base, double scale, QColor colour)
{
    p.setPen(QPen(colour.darker(130), 2));
    p.setBrush(colour);
    p.drawRect(QRectF(base.x() - 18 * scale, base.y() - 60 * scale, 36 * scale, 60 * scale));
    p.drawPolygon(
        QPolygonF({QPointF(base.x() - 22 * scale, base.y() - 60 * scale), QPointF(base.x(), base.y() - 75 * scale),
                   QPointF(base.x() + 22 * scale, base.y() - 60 * scale)}));
    p.setPen(QPen(QColor(50, 40, 30), std::max(2.0, 4 * scale)));
    const QPointF mastTop(base.x(), base.y() - 150 * scale);
    p.drawLine(QPointF(base.x(), base.y() - 75 * scale), mastTop);
}

void drawChappe(QPainter& p)
{
    const QRectF canvas(0, 0, 640, 480);
    verticalGradient(p, canvas, QColor(150, 190, 230), QColor(230, 235, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 150, 90));
    QPainterPath hills;
    hills.moveTo(0, 360);
    hills.cubicTo(150, 300, 250, 330, 330, 310);
    hills.cubicTo(420, 290, 520, 340, 640, 320);
    hills.lineTo(640, 480);
    hills.lineTo(0, 480);
    p.drawPath(hills);
    p.setBrush(QColor(95, 125, 70));
    QPainterPath nearHill;
    nearHill.moveTo(0, 420);
    nearHill.cubicTo(120, 330, 300, 320, 500, 480);
    nearHill.lineTo(0, 480);
    p.drawPath(nearHill);
    // A far tower with its arms in another position: the next relay of the line.
    drawTower(p, QPointF(530, 318), 0.35, QColor(200, 190, 170));
    p.setPen(QPen(QColor(50, 40, 30), 2));
    p.drawLine(QPointF(518, 262), QPointF(542, 262));
    p.drawLine(QPointF(518, 262), QPointF(514, 252));
    p.drawLine(QPointF(542, 262), QPointF(546, 272));
    // The near tower: regulator beam and two indicator arms.
    const QPointF base(190, 380);
    drawTower(p, base, 1.7, QColor(205, 195, 175));
    const QPointF pivot(base.x(), base.y() - 240);
    p.save();
    p.translate(pivot);
    p.rotate(-15);
    p.setPen(QPen(QColor(30, 25, 20), 1));
    p.setBrush(QColor(40, 35, 30));
    p.drawRect(QRectF(-75, -6, 150, 12));
    p.drawEllipse(QPointF(0, 0), 7, 7);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 72, 0);
        p.rotate(side * -45.0);
        p.drawRect(QRectF(-4, -4, 8, -48));
        p.restore();
    }
    p.restore();
    p.setPen(QColor(30, 30, 30));
    p.setFont(font("DejaVu Serif", 15, false, true));
    p.drawText(QRectF(330, 80, 290, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Париж — Лилль, 1794:\nвесть идёт от башни к башне"));
    caption(p, canvas, QStringLiteral("Оптический телеграф системы Клода Шаппа"));
}

void drawKey(QPainter& p)
{
    const QRectF canvas(0, 0, 640, 480);
    verticalGradient(p, canvas, QColor(70, 90, 80), QColor(35, 45, 40));
    // Wooden base.
    p.setPen(QPen(QColor(70, 45, 25), 2));
    p.setBrush(QColor(150, 100, 55));
    p.drawRoundedRect(QRectF(110, 230, 420, 90), 8, 8);
    p.setBrush(QColor(120, 78, 40));
    p.drawRect(QRectF(110, 300, 420, 20));
    // Brass lever on its pillars.
    const QColor brass(200, 165, 70);
    p.setPen(QPen(brass.darker(150), 2));
    p.setBrush(brass);
    p.drawRect(QRectF(380, 190, 30, 45));
    p.drawRect(QRectF(200, 215, 24, 20));
    QPolygonF lever({QPointF(170, 190), QPointF(470, 200), QPointF(470, 212), QPointF(170, 204)});
    p.drawPolygon(lever);
    p.drawEllipse(QPointF(395, 205), 12, 12);
    // Knob.
    QRadialGradient knob(QPointF(160, 178), 40);
    knob.setColorAt(0, QColor(90, 90, 90));
    knob.setColorAt(1, QColor(10, 10, 10));
    p.setBrush(knob);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(118, 160, 84, 40));
    p.fillRect(QRectF(152, 195, 16, 14), QColor(20, 20, 20));
    // Wires leaving the terminals.
    p.setPen(QPen(QColor(150, 40, 30), 4));
    p.setBrush(Qt::NoBrush);
    QPainterPath wire;
    wire.moveTo(500, 260);
    wire.cubicTo(580, 250, 560, 150, 640, 140);
    p.drawPath(wire);
    p.setPen(QPen(QColor(40, 40, 40), 4));
    QPainterPath wire2;
    wire2.moveTo(500, 285);
    wire2.cubicTo(590, 290, 600, 200, 640, 190);
    p.drawPath(wire2);
    // The tape with ВЕСТОРИЯ in Morse.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 240, 220));
    p.drawRect(QRectF(0, 360, 640, 36));
    p.setBrush(QColor(30, 30, 90));
    const QString morse = QStringLiteral(".-- . ... - --- .-. .. .-.-");
    double x = 20;
    for (QChar sign : morse) {
        if (sign == u' ') {
            x += 22;
        } else if (sign == u'.') {
            p.drawEllipse(QPointF(x + 4, 378), 4, 4);
            x += 16;
        } else {
            p.drawRoundedRect(QRectF(x, 374, 26, 8), 3, 3);
            x += 36;
        }
    }
    p.setPen(QColor(235, 235, 225));
    p.setFont(font("DejaVu Sans", 16));
    p.drawText(QRectF(20, 30, 600, 30), Qt::AlignLeft, QStringLiteral("Лента: «ВЕСТОРИЯ» азбукой Морзе"));
    caption(p, canvas, QStringLiteral("Телеграфный ключ"));
}

void drawTelephone(QPainter& p)
{
    const QRectF canvas(0, 0, 480, 640);
    verticalGradient(p, canvas, QColor(215, 200, 170), QColor(170, 150, 120));
    const QColor oak(130, 80, 40);
    p.setPen(QPen(oak.darker(150), 2));
    p.setBrush(oak);
    p.drawRoundedRect(QRectF(140, 80, 200, 300), 10, 10);
    p.drawRoundedRect(QRectF(160, 380, 160, 150), 8, 8);
    // Bells.
    QRadialGradient bell(QPointF(200, 120), 40);
    bell.setColorAt(0, QColor(255, 240, 190));
    bell.setColorAt(1, QColor(180, 140, 50));
    p.setBrush(bell);
    p.drawEllipse(QPointF(200, 130), 32, 32);
    p.drawEllipse(QPointF(280, 130), 32, 32);
    p.setBrush(QColor(60, 50, 40));
    p.drawEllipse(QPointF(240, 130), 6, 6);
    // Mouthpiece on its arm.
    p.setPen(QPen(QColor(30, 30, 30), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(240, 260), QPointF(240, 300));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 25));
    QPolygonF horn({QPointF(215, 300), QPointF(265, 300), QPointF(255, 330), QPointF(225, 330)});
    p.drawPolygon(horn);
    p.drawEllipse(QPointF(240, 300), 26, 8);
    // Crank on the right side.
    p.setPen(QPen(QColor(40, 40, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(340, 230), QPointF(372, 230));
    p.drawLine(QPointF(372, 230), QPointF(372, 270));
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(380, 275), 9, 12);
    // Receiver hanging on its hook on the left, with its cord.
    p.setPen(QPen(QColor(60, 60, 60), 6));
    p.drawLine(QPointF(140, 210), QPointF(110, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 15));
    p.drawRoundedRect(QRectF(86, 195, 26, 120), 10, 10);
    p.drawEllipse(QPointF(99, 195), 20, 12);
    p.setPen(QPen(QColor(90, 70, 50), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath cord;
    cord.moveTo(99, 315);
    cord.cubicTo(90, 400, 150, 420, 160, 360);
    p.drawPath(cord);
    p.setPen(QColor(250, 240, 220));
    p.setFont(font("DejaVu Serif", 15, true));
    p.drawText(QRectF(160, 400, 160, 40), Qt::AlignCenter, QStringLiteral("ТЕЛЕФОНЪ"));
    p.setPen(QColor(40, 30, 20));
    p.setFont(font("DejaVu Serif", 20, false, true));
    p.drawText(QRectF(0, 560, 480, 60), Qt::AlignCenter, QStringLiteral("Настенный телефон, 1890-е годы"));
}

void drawTeletype(QPainter& p)
{
    const QRectF canvas(0, 0, 640, 480);
    verticalGradient(p, canvas, QColor(190, 195, 200), QColor(140, 145, 150));
    p.fillRect(QRectF(0, 380, 640, 100), QColor(110, 80, 55));
    // Paper roll and printed sheet.
    p.setPen(QPen(QColor(120, 120, 110), 1));
    p.setBrush(QColor(250, 250, 242));
    p.drawRect(QRectF(180, 40, 280, 150));
    p.setPen(QColor(30, 30, 30));
    p.setFont(font("DejaVu Sans Mono", 14, true));
    const QStringList lines = {QStringLiteral("ТАСС МОСКВА 10 ИЮЛЯ 1925"), QStringLiteral("МОЛНИЯ"),
                               QStringLiteral("ОБРАЗОВАНО ТЕЛЕГРАФНОЕ"), QStringLiteral("АГЕНТСТВО СОВЕТСКОГО"),
                               QStringLiteral("СОЮЗА ТЧК")};
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(195, 50 + i * 26, 260, 24), Qt::AlignLeft, lines[i]);
    // Body of the machine.
    QLinearGradient body(QPointF(0, 180), QPointF(0, 380));
    body.setColorAt(0, QColor(90, 100, 95));
    body.setColorAt(1, QColor(50, 58, 55));
    p.setPen(QPen(QColor(30, 35, 33), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(120, 180, 400, 120), 12, 12);
    p.setBrush(QColor(70, 78, 75));
    QPolygonF deck({QPointF(110, 300), QPointF(530, 300), QPointF(580, 380), QPointF(60, 380)});
    p.drawPolygon(deck);
    // Keyboard: four rows of round keys.
    for (int row = 0; row < 4; ++row) {
        const int keys = 10 - (row == 3 ? 4 : 0);
        const double width = 380 + row * 40;
        const double left = 320 - width / 2;
        for (int k = 0; k < keys; ++k) {
            const double x = left + (row == 3 ? 80 : 0) + k * (width / 10) + 12;
            p.setBrush(QColor(235, 235, 228));
            p.setPen(QPen(QColor(20, 20, 20), 2));
            p.drawEllipse(QPointF(x, 315 + row * 17), 9, 6);
        }
    }
    p.setPen(QColor(230, 230, 220));
    p.setFont(font("DejaVu Sans", 13, true));
    p.drawText(QRectF(120, 200, 400, 30), Qt::AlignCenter, QStringLiteral("ТЕЛЕТАЙП"));
    caption(p, canvas, QStringLiteral("Телетайп — рабочий аппарат агентства"));
}

void drawHyperboloid(QPainter& p, double centreX, double bottomY, double topY, double bottomRadius, double topRadius)
{
    const int bars = 24;
    const double twist = 2 * std::numbers::pi * 5 / bars;
    for (int i = 0; i < bars; ++i) {
        const double a = 2 * std::numbers::pi * i / bars;
        for (int direction : {-1, 1}) {
            const double b = a + direction * twist;
            const QPointF low(centreX + bottomRadius * std::cos(a), bottomY + 6 * std::sin(a));
            const QPointF high(centreX + topRadius * std::cos(b), topY + 3 * std::sin(b));
            const bool front = std::sin(a) + std::sin(b) > 0;
            p.setPen(QPen(front ? QColor(40, 45, 55) : QColor(110, 115, 125), front ? 1.6 : 1.0));
            p.drawLine(low, high);
        }
    }
    p.setPen(QPen(QColor(40, 45, 55), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(centreX, bottomY), bottomRadius, 6);
    p.drawEllipse(QPointF(centreX, topY), topRadius, 3);
}

void drawShukhovTower(QPainter& p)
{
    const QRectF canvas(0, 0, 700, 500);
    verticalGradient(p, canvas, QColor(70, 110, 170), QColor(235, 200, 160));
    // Radio waves spreading from the top.
    p.setBrush(Qt::NoBrush);
    for (int r = 1; r <= 6; ++r) {
        p.setPen(QPen(QColor(255, 255, 255, 200 - r * 25), 3));
        p.drawArc(QRectF(350 - 45 * r, 62 - 32 * r, 90 * r, 64 * r), 25 * 16, 130 * 16);
    }
    // City roofs at the foot of the tower.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 60, 65));
    double x = 0;
    unsigned state = 1922;
    while (x < 700) {
        state = state * 1103515245u + 12345u;
        const double w = 30 + (state >> 16) % 50;
        const double h = 25 + (state >> 8) % 45;
        p.drawRect(QRectF(x, 440 - h, w, h + 60));
        x += w;
    }
    // Six stacked hyperboloid sections, each narrower than the one below.
    double bottom = 450;
    double radius = 95;
    const double heights[] = {80, 72, 64, 56, 48, 40};
    for (double height : heights) {
        const double top = bottom - height;
        const double topRadius = radius * 0.78;
        drawHyperboloid(p, 350, bottom, top, radius, topRadius);
        bottom = top;
        radius = topRadius * 0.97;
    }
    p.setPen(QPen(QColor(40, 45, 55), 3));
    p.drawLine(QPointF(350, bottom), QPointF(350, bottom - 25));
    p.setPen(QColor(255, 255, 255));
    p.setFont(font("DejaVu Serif", 22, true));
    p.drawText(QRectF(20, 20, 300, 40), Qt::AlignLeft, QStringLiteral("Шаболовка, 1922"));
    p.setFont(font("DejaVu Serif", 14, false, true));
    p.drawText(QRectF(20, 55, 300, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Сетчатая башня В. Г. Шухова, около 150 м"));
    caption(p, canvas, QStringLiteral("Радиобашня на Шаболовке"));
}

void drawTelevision(QPainter& p)
{
    const QRectF canvas(0, 0, 640, 480);
    verticalGradient(p, canvas, QColor(200, 185, 160), QColor(150, 130, 105));
    p.fillRect(QRectF(0, 390, 640, 90), QColor(120, 85, 55));
    // Cabinet.
    QLinearGradient wood(QPointF(150, 0), QPointF(490, 0));
    wood.setColorAt(0, QColor(120, 70, 35));
    wood.setColorAt(0.5, QColor(165, 105, 55));
    wood.setColorAt(1, QColor(110, 65, 30));
    p.setPen(QPen(QColor(70, 40, 20), 2));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(150, 110, 340, 280), 14, 14);
    // The small screen with an announcer.
    p.setBrush(QColor(40, 50, 50));
    p.drawRoundedRect(QRectF(250, 140, 140, 105), 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(185, 205, 200));
    p.drawRoundedRect(QRectF(258, 147, 124, 91), 16, 16);
    p.setBrush(QColor(90, 105, 105));
    p.drawEllipse(QPointF(320, 182), 14, 17);
    p.drawRoundedRect(QRectF(290, 200, 60, 40), 12, 12);
    // Speaker cloth and knobs.
    p.setBrush(QColor(190, 170, 130));
    p.drawRect(QRectF(190, 270, 260, 60));
    p.setPen(QPen(QColor(150, 130, 95), 1));
    for (double y = 275; y < 330; y += 6)
        p.drawLine(QPointF(190, y), QPointF(450, y));
    p.setPen(QPen(QColor(30, 20, 10), 2));
    p.setBrush(QColor(40, 30, 20));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(250 + i * 70, 355), 13, 13);
    // Water-filled lens on its stand in front of the screen.
    p.setPen(QPen(QColor(160, 160, 160), 4));
    p.drawLine(QPointF(320, 300), QPointF(320, 395));
    p.drawLine(QPointF(280, 395), QPointF(360, 395));
    QRadialGradient lens(QPointF(300, 170), 110);
    lens.setColorAt(0, QColor(220, 240, 255, 110));
    lens.setColorAt(1, QColor(120, 170, 210, 150));
    p.setPen(QPen(QColor(200, 200, 200), 5));
    p.setBrush(lens);
    p.drawEllipse(QPointF(320, 195), 100, 100);
    p.setPen(QColor(40, 25, 10));
    p.setFont(font("DejaVu Sans", 16, true));
    p.drawText(QRectF(150, 112, 340, 24), Qt::AlignCenter, QStringLiteral("КВН-49"));
    caption(p, canvas, QStringLiteral("Телевизор КВН-49 с линзой"));
}

void drawArpanet(QPainter& p)
{
    const QRectF canvas(0, 0, 640, 480);
    p.fillRect(canvas, QColor(245, 245, 238));
    p.setPen(QPen(QColor(215, 220, 230), 1));
    for (int x = 0; x < 640; x += 20)
        p.drawLine(QPointF(x, 0), QPointF(x, 480));
    for (int y = 0; y < 480; y += 20)
        p.drawLine(QPointF(0, y), QPointF(640, y));
    p.setPen(QColor(20, 30, 60));
    p.setFont(font("DejaVu Sans", 22, true));
    p.drawText(QRectF(20, 15, 600, 34), Qt::AlignLeft, QStringLiteral("ARPANET, декабрь 1969 года"));
    p.setFont(font("DejaVu Sans", 14));
    p.drawText(QRectF(20, 48, 600, 24), Qt::AlignLeft, QStringLiteral("Четыре первых узла сети"));
    struct Node {
        QPointF at;
        const char* name;
        const char* place;
    };
    const Node nodes[] = {{QPointF(150, 330), "UCLA", "Лос-Анджелес"},
                          {QPointF(170, 150), "SRI", "Стэнфорд"},
                          {QPointF(90, 240), "UCSB", "Санта-Барбара"},
                          {QPointF(470, 180), "UTAH", "Солт-Лейк-Сити"}};
    const std::pair<int, int> links[] = {{0, 1}, {0, 2}, {2, 1}, {1, 3}};
    p.setPen(QPen(QColor(200, 60, 40), 4));
    for (const auto& [from, to] : links)
        p.drawLine(nodes[from].at, nodes[to].at);
    p.setPen(QPen(QColor(200, 60, 40), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    QPainterPath first;
    first.moveTo(nodes[0].at + QPointF(30, -10));
    first.quadTo(QPointF(260, 240), nodes[1].at + QPointF(30, 10));
    p.drawPath(first);
    p.setFont(font("DejaVu Sans Mono", 14, true));
    p.drawText(QPointF(250, 250), QStringLiteral("«LO» 29.10.1969"));
    for (const Node& node : nodes) {
        p.setPen(QPen(QColor(20, 40, 90), 3));
        p.setBrush(QColor(90, 140, 210));
        p.drawEllipse(node.at, 30, 30);
        p.setPen(QColor(255, 255, 255));
        p.setFont(font("DejaVu Sans", 13, true));
        p.drawText(QRectF(node.at.x() - 30, node.at.y() - 30, 60, 60), Qt::AlignCenter, QString::fromLatin1(node.name));
        p.setPen(QColor(20, 30, 60));
        p.setFont(font("DejaVu Sans", 12));
        p.drawText(QRectF(node.at.x() - 70, node.at.y() + 32, 140, 20), Qt::AlignCenter, QString::fromUtf8(node.place));
    }
    caption(p, canvas, QStringLiteral("Схема первых узлов сети ARPANET"));
}

struct Drawing {
    QSize logical;
    std::function<void(QPainter&)> paint;
};

const std::map<QString, Drawing>& drawings()
{
    static const std::map<QString, Drawing> all = {
        {QStringLiteral("acta"), {QSize(640, 480), drawActa}},
        {QStringLiteral("press"), {QSize(640, 480), drawPress}},
        {QStringLiteral("newspaper"), {QSize(480, 640), drawNewspaper}},
        {QStringLiteral("vedomosti"), {QSize(400, 520), drawVedomosti}},
        {QStringLiteral("chappe"), {QSize(640, 480), drawChappe}},
        {QStringLiteral("key"), {QSize(640, 480), drawKey}},
        {QStringLiteral("telephone"), {QSize(480, 640), drawTelephone}},
        {QStringLiteral("teletype"), {QSize(640, 480), drawTeletype}},
        {QStringLiteral("tower"), {QSize(700, 500), drawShukhovTower}},
        {QStringLiteral("television"), {QSize(640, 480), drawTelevision}},
        {QStringLiteral("arpanet"), {QSize(640, 480), drawArpanet}},
    };
    return all;
}

} // namespace

QImage drawPicture(const QString& name, QSize size)
{
    const auto found = drawings().find(name);
    if (found == drawings().end())
        throw std::runtime_error("no drawing named '" + name.toStdString() + "'");
    if (size.isEmpty())
        throw std::runtime_error("drawing '" + name.toStdString() + "' asked for at an empty size");
    const Drawing& drawing = found->second;
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 40, 40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The drawing keeps its proportions and sits in the middle of a size of another shape.
    const double scale =
        std::min(double(size.width()) / drawing.logical.width(), double(size.height()) / drawing.logical.height());
    p.translate((size.width() - drawing.logical.width() * scale) / 2,
                (size.height() - drawing.logical.height() * scale) / 2);
    p.scale(scale, scale);
    p.setClipRect(QRect(QPoint(0, 0), drawing.logical));
    drawing.paint(p);
    p.end();
    return image;
}

QSize pictureNaturalSize(const QString& name)
{
    const auto found = drawings().find(name);
    if (found == drawings().end())
        throw std::runtime_error("no drawing named '" + name.toStdString() + "'");
    return found->second.logical;
}

QStringList pictureNames()
{
    QStringList names;
    for (const auto& entry : drawings())
        names << entry.first;
    return names;
}

std::vector<QRgb> radioWavesPalette()
{
    return {qRgb(30, 50, 90), qRgb(60, 90, 140), qRgb(250, 250, 250), qRgb(255, 210, 80),
            qRgb(40, 40, 45), qRgb(200, 60, 40), qRgb(120, 160, 210), qRgb(90, 70, 60)};
}

std::vector<QImage> drawRadioWaves(int side, int frameCount)
{
    const std::vector<QRgb> palette = radioWavesPalette();
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(palette[0]);
        QPainter p(&image); // no antialiasing: every pixel stays a palette colour
        const double s = side / 160.0;
        p.scale(s, s);
        p.fillRect(QRectF(0, 120, 160, 40), QColor(palette[7]));
        p.setPen(QPen(QColor(palette[4]), 3));
        p.drawLine(QPointF(80, 40), QPointF(55, 125));
        p.drawLine(QPointF(80, 40), QPointF(105, 125));
        p.setPen(QPen(QColor(palette[4]), 1));
        for (int y = 55; y < 125; y += 14) {
            const double half = (y - 40) * 25.0 / 85.0;
            p.drawLine(QPointF(80 - half, y), QPointF(80 + half, y + 14));
            p.drawLine(QPointF(80 + half, y), QPointF(80 - half, y + 14));
        }
        p.setBrush(QColor(palette[5]));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(80, 38), 5, 5);
        // Rings move outwards one step per frame and start again from the mast.
        p.setBrush(Qt::NoBrush);
        for (int ring = 0; ring < 3; ++ring) {
            const double radius = 12 + ((frame + ring * frameCount / 3) % frameCount) * (70.0 / frameCount);
            p.setPen(QPen(QColor(ring == 0 ? palette[3] : palette[2]), 3));
            p.drawArc(QRectF(80 - radius, 38 - radius, 2 * radius, 2 * radius), 25 * 16, 130 * 16);
        }
        p.end();
        frames.push_back(image);
    }
    return frames;
}
