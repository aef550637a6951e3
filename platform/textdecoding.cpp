#include "platform/textdecoding.h"

#include <QStringDecoder>

QString decodeUndeclaredText(const QByteArray& bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom);
        return decoder.decode(bytes);
    }
    // Stateless, so that a sequence the text ends in the middle of counts as an error, not as
    // the start of more text that never comes.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cyrillic("windows-1251");
    return cyrillic.isValid() ? QString(cyrillic.decode(bytes)) : QString::fromLatin1(bytes);
}
