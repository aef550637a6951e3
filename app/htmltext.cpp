#include "app/htmltext.h"

#include <QTextDocumentFragment>

#include <array>

namespace htmltext {

namespace {

// Elements whose content a reader never sees as text of the page.
constexpr std::array hiddenContent{u"script", u"style", u"title"};

// Elements that begin or end a line of their own; any other tag sits inside a line, so that
// "Теле<b>граф</b>" stays one word.
constexpr std::array blockElements{
    u"address", u"article", u"aside",      u"blockquote", u"body",   u"br",   u"caption", u"center", u"dd", u"div",
    u"dl",      u"dt",      u"figcaption", u"figure",     u"footer", u"form", u"h1",      u"h2",     u"h3", u"h4",
    u"h5",      u"h6",      u"header",     u"hr",         u"html",   u"li",   u"nav",     u"ol",     u"p",  u"pre",
    u"section", u"table",   u"tbody",      u"td",         u"tfoot",  u"th",   u"thead",   u"tr",     u"ul"};

// The references course texts use most, decoded without asking the toolkit; any other name is
// looked up by the toolkit's own table.
struct NamedCharacter {
    const char16_t* name;
    char16_t character;
};
constexpr std::array namedCharacters{
    NamedCharacter{u"amp", u'&'},    NamedCharacter{u"lt", u'<'},    NamedCharacter{u"gt", u'>'},
    NamedCharacter{u"quot", u'"'},   NamedCharacter{u"apos", u'\''}, NamedCharacter{u"nbsp", u' '},
    NamedCharacter{u"laquo", u'«'},  NamedCharacter{u"raquo", u'»'}, NamedCharacter{u"bdquo", u'„'},
    NamedCharacter{u"ldquo", u'“'},  NamedCharacter{u"rdquo", u'”'}, NamedCharacter{u"lsquo", u'‘'},
    NamedCharacter{u"rsquo", u'’'},  NamedCharacter{u"mdash", u'—'}, NamedCharacter{u"ndash", u'–'},
    NamedCharacter{u"hellip", u'…'}, NamedCharacter{u"minus", u'−'}, NamedCharacter{u"plusmn", u'±'},
    NamedCharacter{u"times", u'×'},  NamedCharacter{u"deg", u'°'},   NamedCharacter{u"copy", u'©'},
    NamedCharacter{u"middot", u'·'}, NamedCharacter{u"bull", u'•'},  NamedCharacter{u"sect", u'§'}};

bool isNameCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u':'
           || c == u'_';
}

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

template <std::size_t N>
bool isOneOf(const QString& name, const std::array<const char16_t*, N>& names)
{
    for (const char16_t* candidate : names)
        if (name == QStringView(candidate))
            return true;
    return false;
}

class Reader {
public:
    explicit Reader(QStringView html) : html_(html) { text_.reserve(html.size()); }

    QString read()
    {
        while (at_ < html_.size()) {
            const QChar c = html_[at_];
            if (c == u'<') {
                readMarkup();
            } else if (c == u'&') {
                readReference();
            } else if (collapses(c)) {
                spacePending_ = true;
                ++at_;
            } else if (c == QChar::Nbsp) {
                addCharacter(c);
                ++at_;
            } else {
                addRun();
            }
        }
        endLine();
        if (!text_.isEmpty())
            text_.chop(1);
        return text_;
    }

private:
    // HTML's own white space, which runs together into one space outside preformatted text; any
    // other space (a no-break or thin one, say) is a character of the text.
    bool collapses(QChar c) const
    {
        return preformatted_ == 0 && (c == u' ' || c == u'\n' || c == u'\t' || c == u'\r' || c == u'\f');
    }

    // Plain characters up to the next tag, reference or space at once: a lecture is mostly these.
    void addRun()
    {
        qsizetype end = at_ + 1;
        while (end < html_.size()) {
            const QChar c = html_[end];
            if (c == u'<' || c == u'&' || c == QChar::Nbsp || collapses(c))
                break;
            ++end;
        }
        startText();
        text_ += html_.mid(at_, end - at_);
        at_ = end;
    }

    void addCharacter(QChar c)
    {
        startText();
        text_ += c == QChar::Nbsp ? QChar(u' ') : c;
    }

    void startText()
    {
        if (spacePending_ && !text_.isEmpty() && text_.back() != u'\n')
            text_ += u' ';
        spacePending_ = false;
    }

    void endLine()
    {
        spacePending_ = false;
        if (!text_.isEmpty() && text_.back() != u'\n')
            text_ += u'\n';
    }

    void skipTo(QStringView end)
    {
        const qsizetype found = html_.indexOf(end, at_, Qt::CaseInsensitive);
        at_ = found < 0 ? html_.size() : found + end.size();
    }

    void readMarkup()
    {
        if (html_.mid(at_, 4) == u"<!--") {
            at_ += 4;
            skipTo(u"-->");
            return;
        }
        const qsizetype nameStart = at_ + (html_.mid(at_, 2) == u"</" ? 2 : 1);
        const QChar first = nameStart < html_.size() ? html_[nameStart] : QChar();
        if (first == u'!' || first == u'?') {
            at_ = nameStart;
            skipTo(u">");
            return;
        }
        if (!isLetter(first)) {
            // A "<" that starts no tag is the text's own, as in "a < b".
            addCharacter(u'<');
            ++at_;
            return;
        }
        const bool closing = nameStart == at_ + 2;
        qsizetype nameEnd = nameStart;
        while (nameEnd < html_.size() && isNameCharacter(html_[nameEnd]))
            ++nameEnd;
        const QString name = html_.mid(nameStart, nameEnd - nameStart).toString().toLower();
        at_ = nameEnd;
        skipAttributes();
        if (!closing && isOneOf(name, hiddenContent)) {
            skipTo(QStringLiteral("</") + name);
            skipTo(u">");
            return;
        }
        if (name == u"pre")
            preformatted_ = std::max(0, preformatted_ + (closing ? -1 : 1));
        if (isOneOf(name, blockElements))
            endLine();
    }

    // Past the tag's closing ">", which a quoted attribute value may hold.
    void skipAttributes()
    {
        QChar quote;
        for (; at_ < html_.size(); ++at_) {
            const QChar c = html_[at_];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'>') {
                ++at_;
                return;
            }
        }
    }

    void readReference()
    {
        qsizetype end = at_ + 1;
        const bool numeric = end < html_.size() && html_[end] == u'#';
        if (numeric)
            ++end;
        while (end < html_.size() && end - at_ < 40 && isNameCharacter(html_[end]))
            ++end;
        const bool terminated = end < html_.size() && html_[end] == u';';
        const QStringView name = html_.mid(at_ + 1, end - at_ - 1);
        const QString decoded = numeric ? numericCharacter(name.mid(1)) : namedCharacter(name, terminated);
        if (decoded.isEmpty()) {
            addCharacter(u'&');
            ++at_;
            return;
        }
        for (const QChar c : decoded)
            addCharacter(c);
        at_ = end + (terminated ? 1 : 0);
    }

    static QString numericCharacter(QStringView digits)
    {
        bool ok = false;
        const bool hex = digits.startsWith(u'x') || digits.startsWith(u'X');
        const uint code = (hex ? digits.mid(1) : digits).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return {};
        const char32_t character = code;
        return QString::fromUcs4(&character, 1);
    }

    static QString namedCharacter(QStringView name, bool terminated)
    {
        for (const NamedCharacter& known : namedCharacters)
            if (name == QStringView(known.name))
                return QString(QChar(known.character));
        if (!terminated || name.isEmpty())
            return {};
        const QString reference = u'&' + name.toString() + u';';
        const QString decoded = QTextDocumentFragment::fromHtml(reference).toPlainText();
        return decoded == reference ? QString() : decoded;
    }

    QStringView html_;
    QString text_;
    qsizetype at_ = 0;
    int preformatted_ = 0;
    bool spacePending_ = false;
};

} // namespace

QString plainText(QStringView html)
{
    return Reader(html).read();
}

} // namespace htmltext
