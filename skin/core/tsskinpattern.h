#pragma once

// A texture of a skin kept inside the program, held as the decoded JPEG picture.

#include <QImage>
#include <QList>
#include <QString>

struct TsSkinPattern {
    QString SectionName;
    QImage Image;
    QString Name;
    QString PropertyName;
};
using TsSkinPatterns = QList<TsSkinPattern>;
