#include "platform/textdecoding.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// A word processor leaves the odd stray control character in what it saves; random bytes give one
// in nine.
constexpr qsizetype mostStrayCharactersPerHundred = 1;

// A control character (C0 but the four that lay out text, DEL and C1) or one the decoding could
// not read; spelled out rather than looked up, as every character of every lecture is asked.
bool isStray(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x20)
        return code != u'\t' && code != u'\n' && code != u'\f' && code != u'\r';
    return (code >= 0x7F && code <= 0x9F) || c == QChar::ReplacementCharacter;
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
