#include "app/searchwords.h"

#include <array>

namespace searchwords {

namespace {

// Longest first, so that "ами" is left off before "и".
constexpr std::array endings{u"ами", u"ями", u"ого", u"его", u"ому", u"ему", u"ыми", u"ими", u"ах", u"ях",
                             u"ов",  u"ев",  u"ом",  u"ем",  u"ой",  u"ей",  u"ам",  u"ям",  u"ых", u"их",
                             u"ую",  u"юю",  u"ая",  u"яя",  u"ое",  u"ее",  u"ые",  u"ие",  u"ый", u"ий",
                             u"а",   u"я",   u"ы",   u"и",   u"у",   u"ю",   u"е",   u"о",   u"ь"};
constexpr qsizetype shortestStem = 4;

// A letter of the folded text as a pattern that takes both forms of it.
QString letterPattern(QChar letter)
{
    if (letter == u'е')
        return QStringLiteral("[её]");
    return QRegularExpression::escape(QString(letter));
}

QString foldedPattern(const QString& foldedText)
{
    QString pattern;
    for (const QChar letter : foldedText)
        pattern += letterPattern(letter);
    return pattern;
}

} // namespace

QString folded(const QString& text)
{
    // The course index folds every lecture it reads, so Russian and Latin letters, which are
    // nearly all of it, are folded without a table lookup. A letter that lowers into two (İ) or
    // lies outside the basic plane is left to the toolkit's own folding of the whole text.
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'А' && c <= u'Я')
            out[i] = QChar(char16_t(c + (u'а' - u'А')));
        else if (c >= u'A' && c <= u'Z')
            out[i] = QChar(char16_t(c + (u'a' - u'A')));
        else if (c == u'ё' || c == u'Ё')
            out[i] = QChar(u'е');
        else if (c < 0x80 || (c >= u'а' && c <= u'я'))
            out[i] = QChar(c);
        else if (QChar::isSurrogate(c) || c == u'İ')
            return text.toLower().replace(u'ё', u'е');
        else
            out[i] = QChar(char16_t(QChar::toLower(c)));
    }
    return result;
}

QString indexWords(const QString& text)
{
    QString result = folded(text);
    for (QChar& c : result) {
        const char16_t code = c.unicode();
        if (code < 0x80 || (code >= u'а' && code <= u'я'))
            continue;
        if (!c.isLetterOrNumber() && !c.isMark() && !c.isSurrogate()) {
            c = u' ';
        } else if ((code >= 0xC0 && code <= 0x24F) || (code >= 0x1E00 && code <= 0x1EFF)) {
            const QString parts = c.decomposition();
            if (!parts.isEmpty() && parts[0].unicode() < 0x80)
                c = parts[0];
        }
    }
    return result;
}

QStringList words(const QString& query)
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    return folded(query).split(separators, Qt::SkipEmptyParts);
}

QString stem(const QString& word)
{
    for (const char16_t* ending : endings) {
        const QString end = QString::fromUtf16(ending);
        if (word.endsWith(end) && word.size() - end.size() >= shortestStem)
            return word.left(word.size() - end.size());
    }
    return word;
}

QRegularExpression phrasePattern(const QString& text)
{
    return QRegularExpression(foldedPattern(folded(text)), QRegularExpression::CaseInsensitiveOption
                                                               | QRegularExpression::UseUnicodePropertiesOption);
}

QRegularExpression stemPattern(const QString& query)
{
    QStringList stems;
    for (const QString& word : words(query))
        stems << foldedPattern(stem(word));
    if (stems.isEmpty())
        return QRegularExpression(QStringLiteral("(?!)"));
    return QRegularExpression(QStringLiteral("\\b(?:%1)\\w*").arg(stems.join(u'|')),
                              QRegularExpression::CaseInsensitiveOption
                                  | QRegularExpression::UseUnicodePropertiesOption);
}

} // namespace searchwords
