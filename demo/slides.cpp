#include "slides.h"

#include "drawings.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <stdexcept>

namespace {

const QColor ink(30, 35, 50);
const QColor band(40, 60, 95);
const QColor paper(248, 245, 236);
const QColor accent(170, 50, 40);

QFont slideFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

[[noreturn]] void fail(const QString& sourceName, int line, const QString& what)
{
    throw std::runtime_error((sourceName + ", line " + QString::number(line) + ": " + what).toStdString());
}

void footer(QPainter& p, QSize size, const QString& title, int number, int count)
{
    p.setPen(QColor(110, 110, 120));
    p.setFont(slideFont(16));
    const QRectF area(40, size.height() - 40, size.width() - 80, 30);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Вестория · ") + title);
    p.drawText(area, Qt::AlignRight | Qt::AlignVCenter, QString::number(number) + " / " + QString::number(count));
}

QImage titleSlide(const Presentation& presentation, QSize size, int count)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, band);
    g.setColorAt(1, band.darker(160));
    p.fillRect(image.rect(), g);
    p.fillRect(QRectF(0, size.height() * 0.62, size.width(), 6), accent);
    p.setPen(QColor(255, 255, 255));
    p.setFont(slideFont(58, true));
    p.drawText(QRectF(60, size.height() * 0.22, size.width() - 120, size.height() * 0.25),
               Qt::AlignCenter | Qt::TextWordWrap, presentation.title);
    p.setPen(QColor(225, 230, 240));
    p.setFont(slideFont(28));
    p.drawText(QRectF(60, size.height() * 0.47, size.width() - 120, size.height() * 0.13),
               Qt::AlignCenter | Qt::TextWordWrap, presentation.subtitle);
    p.setFont(slideFont(22));
    p.drawText(QRectF(60, size.height() * 0.68, size.width() - 120, 40), Qt::AlignCenter,
               QStringLiteral("Курс «Вестория: история вестей и массовых коммуникаций»"));
    p.setPen(QColor(190, 200, 215));
    p.setFont(slideFont(16));
    p.drawText(QRectF(40, size.height() - 40, size.width() - 80, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("1 / ") + QString::number(count));
    return image;
}

QImage contentSlide(const Presentation& presentation, const Slide& slide, QSize size, int number, int count)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, size.width(), 110), band);
    p.fillRect(QRectF(0, 110, size.width(), 5), accent);
    p.setPen(QColor(255, 255, 255));
    p.setFont(slideFont(38, true));
    p.drawText(QRectF(40, 0, size.width() - 80, 110), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               slide.heading);

    double textWidth = size.width() - 100;
    if (!slide.picture.isEmpty()) {
        const QSize pictureSize = pictureNaturalSize(slide.picture).scaled(400, 340, Qt::KeepAspectRatio);
        const QImage picture = drawPicture(slide.picture, pictureSize);
        const QPointF at(size.width() - pictureSize.width() - 40, 160);
        p.fillRect(QRectF(at - QPointF(6, 6), QSizeF(pictureSize) + QSizeF(12, 12)), QColor(200, 195, 185));
        p.drawImage(at, picture);
        textWidth = at.x() - 80;
    }
    double y = 150;
    for (const QString& bullet : slide.bullets) {
        p.setFont(slideFont(26));
        const QRectF room(80, y, textWidth - 30, size.height() - 60 - y);
        const QRectF used = p.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, bullet);
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QPointF(58, y + 17), 7, 7);
        p.setPen(ink);
        p.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, bullet);
        y += used.height() + 22;
    }
    if (y > size.height() - 50)
        throw std::runtime_error(("slide '" + slide.heading + "' has more text than fits").toStdString());
    footer(p, size, presentation.title, number, count);
    return image;
}

} // namespace

Presentation parsePresentation(const QString& text, const QString& sourceName)
{
    Presentation presentation;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int number = i + 1;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QStringLiteral("title:"))) {
            presentation.title = line.mid(6).trimmed();
        } else if (line.startsWith(QStringLiteral("subtitle:"))) {
            presentation.subtitle = line.mid(9).trimmed();
        } else if (line.startsWith(QStringLiteral("== "))) {
            presentation.slides.push_back({line.mid(3).trimmed(), {}, {}});
        } else if (presentation.slides.empty()) {
            fail(sourceName, number, QStringLiteral("text before the first slide heading"));
        } else if (line.startsWith(QStringLiteral("- "))) {
            presentation.slides.back().bullets << line.mid(2).trimmed();
        } else if (line.startsWith(QStringLiteral("picture:"))) {
            presentation.slides.back().picture = line.mid(8).trimmed();
            if (!pictureNames().contains(presentation.slides.back().picture))
                fail(sourceName, number, QStringLiteral("unknown picture"));
        } else {
            fail(sourceName, number, QStringLiteral("a line must be a heading, a bullet or a picture"));
        }
    }
    if (presentation.title.isEmpty() || presentation.slides.empty())
        fail(sourceName, static_cast<int>(lines.size()), QStringLiteral("a presentation needs a title and slides"));
    return presentation;
}

std::vector<QImage> renderPresentation(const Presentation& presentation, QSize slideSize)
{
    const int count = static_cast<int>(presentation.slides.size()) + 1;
    std::vector<QImage> pages;
    pages.push_back(titleSlide(presentation, slideSize, count));
    for (std::size_t i = 0; i < presentation.slides.size(); ++i)
        pages.push_back(contentSlide(presentation, presentation.slides[i], slideSize, static_cast<int>(i) + 2, count));
    return pages;
}
