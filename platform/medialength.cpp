#include "platform/medialength.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

quint32 littleEndian32(const char* bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

} // namespace

std::optional<double> mediaSeconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return {};
    quint32 byteRate = 0;
    // A file names its chunks in any order; a few dozen is more than any recorder writes.
    constexpr int mostChunks = 64;
    for (int chunk = 0; chunk < mostChunks; ++chunk) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return {};
        const qint64 size = littleEndian32(head.constData() + 4);
        const qint64 start = file.pos();
        if (head.startsWith("fmt ")) {
            const QByteArray format = file.read(16);
            if (format.size() < 16)
                return {};
            byteRate = littleEndian32(format.constData() + 8);
        } else if (head.startsWith("data")) {
            if (byteRate == 0)
                return {};
            // A recording cut short, or written while it was still growing, plays only what is there.
            return double(std::min(size, file.size() - start)) / byteRate;
        }
        // Chunks are padded to an even length.
        if (!file.seek(start + size + (size & 1)))
            return {};
    }
    return {};
}

QString mediaLengthText(double seconds)
{
    const qint64 whole = std::llround(std::max(0.0, seconds));
    const qint64 hours = whole / 3600, minutes = whole / 60 % 60, rest = whole % 60;
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QChar(u'0')).arg(rest, 2, 10, QChar(u'0'));
    return QStringLiteral("%1:%2").arg(minutes).arg(rest, 2, 10, QChar(u'0'));
}
