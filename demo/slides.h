#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

// A presentation written as plain text:
//   title: <title>            subtitle: <subtitle>       (the title slide)
//   == <slide heading>        - <bullet>                 picture: <drawing name>
// Lines starting with '#' are comments.
struct Slide {
    QString heading;
    QStringList bullets;
    QString picture;
};

struct Presentation {
    QString title;
    QString subtitle;
    std::vector<Slide> slides;
};

Presentation parsePresentation(const QString& text, const QString& sourceName);
// The title slide followed by one picture per slide, all of slideSize.
std::vector<QImage> renderPresentation(const Presentation& presentation, QSize slideSize);
