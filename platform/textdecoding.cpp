#include "platform/textdecoding.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// A word processor leaves the odd stray control character in what it saves; random bytes give one
// in nine.
constexpr qsizetype mostStrayCharactersPerHundred = 1;

bool isStray(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\f':
    case u'\r': return false;
    default: return c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter;
    }
}

} // namespace

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

bool readsAsText(const QString& text)
{
    const qsizetype stray = std::count_if(text.cbegin(), text.cend(), isStray);
    return stray * 100 <= text.size() * mostStrayCharactersPerHundred;
}
