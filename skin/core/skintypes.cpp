#include "skin/core/skintypes.h"

#include <QStringList>

TsGradArray parseGradient(const QString& data)
{
    TsGradArray result;
    const QStringList words = data.split(QLatin1Char(';'));
    for (qsizetype i = 0; i + 5 <= words.size(); i += 5) {
        bool ok[4] = {};
        const int color1 = words[i].trimmed().toInt(&ok[0]);
        const int color2 = words[i + 1].trimmed().toInt(&ok[1]);
        const int percent = words[i + 2].trimmed().toInt(&ok[2]);
        const int mode = words[i + 3].trimmed().toInt(&ok[3]);
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3])
            break;
        TsGradSegment segment;
        segment.color1 = color1;
        segment.color2 = color2;
        segment.percent = uint8_t(qBound(0, percent, 100));
        segment.mode = mode;
        result.append(segment);
    }
    return result;
}
