#include "platform/lecturemarkup.h"

#include "platform/mathformula.h"
#include "platform/medialength.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The view measures boxes in pixels only; a browser takes 96 pixels to the inch.
constexpr double pixelsPerInch = 96.0;

QString lengthInPixels(double value, QStringView unit)
{
    const double inches = unit == u"cm"   ? value / 2.54
                          : unit == u"mm" ? value / 25.4
                          : unit == u"in" ? value
                                          : value / 72;
    return QString::number(inches * pixelsPerInch, 'g', 4) + QStringLiteral("px");
}

QString inPixels(const QString& value)
{
    static const QRegularExpression printLength(QStringLiteral("(?<![\\w.])(\\d*\\.?\\d+)(cm|mm|in|pt)\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype copied = 0;
    for (QRegularExpressionMatchIterator it = printLength.globalMatch(value); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += QStringView(value).mid(copied, match.capturedStart() - copied);
        result += lengthInPixels(match.captured(1).toDouble(), match.captured(2).toLower());
        copied = match.capturedEnd();
    }
    result += QStringView(value).mid(copied);
    return result;
}

// The view reads a border shorthand only as width, style, colour, in that order; Word writes
// "solid windowtext 1.0pt".
QString orderedBorder(const QString& value)
{
    static const QRegularExpression styles(
        QStringLiteral("^(none|hidden|dotted|dashed|solid|double|groove|ridge|inset|outset)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression width(QStringLiteral("^(\\d*\\.?\\d+(px)?|thin|medium|thick)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    QStringList widths, kinds, colours;
    for (const QString& token : value.simplified().split(u' ', Qt::SkipEmptyParts)) {
        if (styles.match(token).hasMatch())
            kinds << token;
        else if (width.match(token).hasMatch())
            widths << token;
        else
            colours << token;
    }
    return (widths + kinds + colours).join(u' ');
}

// The view takes "monospace" for the name of a font, which no system has, and falls back to the
// proportional text font; the system's own fixed-pitch font is what a browser would pick.
QString withFixedFont(const QString& value)
{
    static const QRegularExpression generic(QStringLiteral("(?<![\\w\"'-])monospace(?![\\w\"'-])"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!generic.match(value).hasMatch())
        return value;
    static const QString fixed = [] {
        QFont font(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        return QFontInfo(font).family();
    }();
    return QString(value).replace(generic, u'"' + fixed + QStringLiteral("\", monospace"));
}

QString cleanDeclaration(const QString& name, const QString& value)
{
    if (name.startsWith(u"font"))
        return withFixedFont(value);
    const QString pixels = inPixels(value);
    if (name == u"border" || (name.startsWith(u"border-") && name.count(u'-') == 1 && name != u"border-collapse"))
        return orderedBorder(pixels);
    return pixels;
}

// Where a tag that starts at `from` ends: its '>' outside quoted attribute values, or -1. As in a
// browser, a quote opens a value only right after its '=': an apostrophe in an unquoted value
// ("title=don't") is a letter.
qsizetype tagEnd(const QString& html, qsizetype from)
{
    QChar quote;
    QChar previous;
    for (qsizetype i = from; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if ((c == u'"' || c == u'\'') && previous == u'=') {
            quote = c;
        } else if (c == u'>') {
            return i;
        }
        if (!c.isSpace())
            previous = c;
    }
    return -1;
}

QString cleanTag(const QString& tag)
{
    static const QRegularExpression styleAttribute(QStringLiteral("(\\sstyle\\s*=\\s*)(\"([^\"]*)\"|'([^']*)')"),
                                                   QRegularExpression::CaseInsensitiveOption);
    // Most tags carry no style; the pattern is kept for those that do.
    if (!tag.contains(QLatin1StringView("style"), Qt::CaseInsensitive))
        return tag;
    const QRegularExpressionMatch match = styleAttribute.match(tag);
    if (!match.hasMatch())
        return tag;
    const QChar quote = tag[match.capturedStart(2)];
    const QString css = LectureMarkup::cleanStyle(match.capturedView(quote == u'"' ? 3 : 4));
    return tag.left(match.capturedStart(2)) + quote + css + quote + tag.mid(match.capturedEnd(2));
}

bool startsWithTag(const QString& html, qsizetype at, QLatin1StringView name)
{
    const qsizetype after = at + 1 + name.size();
    return html.size() > after && QStringView(html).mid(at + 1, name.size()).compare(name, Qt::CaseInsensitive) == 0
           && !html[after].isLetterOrNumber();
}

QString attribute(const QString& tag, QLatin1StringView name)
{
    static const QRegularExpression pattern(
        QStringLiteral("\\s([\\w:-]+)\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"));
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(tag); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedView(1).compare(name, Qt::CaseInsensitive) == 0)
            return match.captured(3) + match.captured(4) + match.captured(5);
    }
    return {};
}

// A selector's last part, the element it picks: "nav.side" in "body > nav.side".
struct Selector {
    QString element, id;
    QStringList classes;

    explicit Selector(const QString& text)
    {
        static const QRegularExpression part(QStringLiteral("([.#]?)([\\w-]+)"));
        static const QRegularExpression combinator(QStringLiteral("[\\s>+~]"));
        const QStringList parts = text.split(combinator, Qt::SkipEmptyParts);
        const QString last = parts.isEmpty() ? QString() : parts.last();
        for (QRegularExpressionMatchIterator it = part.globalMatch(last.section(u':', 0, 0)); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            if (match.captured(1) == u".")
                classes << match.captured(2).toLower();
            else if (match.captured(1) == u"#")
                id = match.captured(2).toLower();
            else
                element = match.captured(2).toLower();
        }
    }
    bool picks(const QString& tagName, const QString& tagId, const QStringList& tagClasses) const
    {
        if ((element.isEmpty() && id.isEmpty() && classes.isEmpty()) || (!element.isEmpty() && element != tagName)
            || (!id.isEmpty() && id != tagId))
            return false;
        for (const QString& name : classes)
            if (!tagClasses.contains(name))
                return false;
        return true;
    }
};

// The view reads a font size in points, pixels or by keyword, but drops one relative to the
// parent's ("smaller", "80%", "0.8em"), so that a note made smaller inside a heading came out at
// the heading's size. It knows no size relative to a parent; the keyword nearest the factor, which
// it takes relative to the text's normal size, is the nearest it reads. A factor nearest 1 is
// left as it is: dropped, the size is the parent's, which is what it means.
QString fontSizeTheViewReads(const QString& value)
{
    static const QRegularExpression relative(QStringLiteral("^\\s*(smaller|larger|(\\d*\\.?\\d+)(%|em|rem))\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = relative.match(value);
    if (!match.hasMatch())
        return value;
    const QString word = match.captured(1).toLower();
    const double factor = word == u"smaller"  ? 1 / 1.2
                          : word == u"larger" ? 1.2
                                              : match.captured(2).toDouble() / (match.captured(3) == u"%" ? 100 : 1);
    static const struct {
        double factor;
        const char* keyword;
    } ladder[] = {{0.8, "small"}, {1.0, nullptr}, {1.2, "large"}, {1.5, "x-large"}, {2.0, "xx-large"}};
    const auto* nearest =
        std::min_element(std::begin(ladder), std::end(ladder), [factor](const auto& a, const auto& b) {
            return std::abs(a.factor - factor) < std::abs(b.factor - factor);
        });
    return nearest->keyword ? QString::fromLatin1(nearest->keyword) : value;
}

// Whether the declaration at `at` of a style sheet sizes the whole page (a rule for html or body),
// where a relative size is the reader's business, not the note's.
bool inPageRule(const QString& css, qsizetype at)
{
    const qsizetype open = css.lastIndexOf(u'{', at);
    const qsizetype close = css.lastIndexOf(u'}', at);
    if (open < 0 || open < close)
        return false;
    const qsizetype start = css.lastIndexOf(u'}', open) + 1;
    for (const QString& selector : css.mid(start, open - start).split(u','))
        if (const QString element = Selector(selector).element; element == u"html" || element == u"body")
            return true;
    return false;
}

// The elements that the page's style gives a declaration the view cannot read, found by the rules
// of its style blocks and by their own style attributes.
class StyledElements {
public:
    StyledElements(const QString& html, const QRegularExpression& declaration) : declaration_(declaration)
    {
        static const QRegularExpression styleBlock(QStringLiteral("<style[^>]*>(.*?)</style"),
                                                   QRegularExpression::CaseInsensitiveOption
                                                       | QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^{}]*)\\}"));
        for (QRegularExpressionMatchIterator blocks = styleBlock.globalMatch(html); blocks.hasNext();) {
            const QString css = blocks.next().captured(1);
            for (QRegularExpressionMatchIterator rules = rule.globalMatch(css); rules.hasNext();) {
                const QRegularExpressionMatch match = rules.next();
                if (declaration_.match(match.captured(2)).hasMatch())
                    for (const QString& selector : match.captured(1).split(u','))
                        selectors_.emplace_back(selector);
            }
        }
    }

    bool picks(const QString& tag, const QString& name) const
    {
        if (declaration_.match(attribute(tag, QLatin1StringView("style"))).hasMatch())
            return true;
        if (selectors_.empty())
            return false;
        const QString id = attribute(tag, QLatin1StringView("id")).toLower();
        const QStringList classes =
            attribute(tag, QLatin1StringView("class")).toLower().split(u' ', Qt::SkipEmptyParts);
        for (const Selector& selector : selectors_)
            if (selector.picks(name, id, classes))
                return true;
        return false;
    }

private:
    const QRegularExpression& declaration_;
    std::vector<Selector> selectors_;
};

// The page's blocks that a browser floats beside the text: a side navigation, a table of contents.
// The view cannot float a block, and would put thousands of pixels of links before the text.
const QRegularExpression& floating()
{
    static const QRegularExpression pattern(QStringLiteral("(^|[;\\s{])float\\s*:\\s*(left|right)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}
const QStringList floatedContainers = {QStringLiteral("nav"), QStringLiteral("aside"), QStringLiteral("div"),
                                       QStringLiteral("section")};

// The view justifies a paragraph only by its align attribute, never by its style; Word justifies
// its normal text by style.
const QRegularExpression& justifying()
{
    static const QRegularExpression pattern(QStringLiteral("(^|[;\\s{])text-align\\s*:\\s*justify"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}
const QStringList paragraphs = {QStringLiteral("p"),  QStringLiteral("div"), QStringLiteral("li"),
                                QStringLiteral("td"), QStringLiteral("h1"),  QStringLiteral("h2"),
                                QStringLiteral("h3"), QStringLiteral("h4")};

// A floated nav or aside is a side block by name; a floated div or section is one when it is a
// list of links. A floated figure with its caption stays by the text it illustrates.
bool isNavigation(const QString& name, QStringView element)
{
    if (name == u"nav" || name == u"aside")
        return true;
    constexpr int fewestLinks = 3;
    return element.count(QLatin1StringView("<a "), Qt::CaseInsensitive) >= fewestLinks
           && !element.contains(QLatin1StringView("<img"), Qt::CaseInsensitive);
}

QString tagName(const QString& html, qsizetype at)
{
    qsizetype end = at + 1;
    while (end < html.size() && (html[end].isLetterOrNumber() || html[end] == u'-' || html[end] == u':'))
        ++end;
    return html.mid(at + 1, end - at - 1).toLower();
}

// Where the element whose start tag begins at `at` ends, past its end tag; -1 when it is never closed.
qsizetype elementEnd(const QString& html, qsizetype at, const QString& name)
{
    const QString open = u'<' + name;
    const QString close = QStringLiteral("</") + name;
    int depth = 0;
    for (qsizetype i = at; (i = html.indexOf(u'<', i)) >= 0; ++i) {
        const bool closing = QStringView(html).mid(i).startsWith(close, Qt::CaseInsensitive);
        const qsizetype after = i + (closing ? close.size() : open.size());
        if (after >= html.size() || html[after].isLetterOrNumber() || html[after] == u'-')
            continue;
        if (closing) {
            if (--depth == 0) {
                const qsizetype end = html.indexOf(u'>', after);
                return end < 0 ? -1 : end + 1;
            }
        } else if (QStringView(html).mid(i).startsWith(open, Qt::CaseInsensitive)) {
            ++depth;
        }
    }
    return -1;
}

// A preformatted block a page styles with a class or its own style is code: a browser shows it in
// the frame and on the background its style sheet draws, which the view cannot draw round a block.
const QString codeFrameStart =
    QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\" style=\"border-collapse:collapse\">"
                   "<tr><td style=\"border:1px solid #c8ccd0; background-color:#f6f8fa\">");
const QString codeFrameEnd = QStringLiteral("</td></tr></table>");

// An img of the source with the width and height the tag declares.
QString imageTag(const QString& source, const QString& tag)
{
    QString image = QStringLiteral("<img src=\"%1\"").arg(source.toHtmlEscaped());
    for (const QLatin1StringView size : {QLatin1StringView("width"), QLatin1StringView("height")}) {
        const QString value = attribute(tag, size);
        if (!value.isEmpty())
            image += QStringLiteral(" %1=\"%2\"").arg(size, value.toHtmlEscaped());
    }
    return image + u'>';
}

// An SVG picture the page holds inline, or names as an object, becomes an image the view can load:
// the view shows neither, and spills an inline picture's labels as text onto the page.
bool namesSvg(const QString& tag)
{
    return attribute(tag, QLatin1StringView("type")).contains(QLatin1StringView("svg"), Qt::CaseInsensitive)
           || attribute(tag, QLatin1StringView("data")).endsWith(QLatin1StringView(".svg"), Qt::CaseInsensitive);
}

// A clip or a recording becomes its poster (or a plain frame with the file's name and, where the
// file tells it, its length) and a play link:
// the view plays nothing itself, and a link to a file that is not a page opens it with the
// desktop's player.
QString mediaLink(const QString& element, const QString& tag, const QString& name, const QUrl& folder)
{
    static const QRegularExpression sourceTag(QStringLiteral("<source\\b[^>]*>"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString source = attribute(tag, QLatin1StringView("src"));
    if (source.isEmpty())
        source = attribute(sourceTag.match(element).captured(), QLatin1StringView("src"));
    if (source.isEmpty())
        return {};
    const QString href = source.toHtmlEscaped();
    QString fileName = QStringView(source).mid(source.lastIndexOf(u'/') + 1).toString().toHtmlEscaped();
    // The length tells a student what a click commits to; it is known only where the file says it.
    if (const QUrl file = folder.resolved(QUrl(source)); !folder.isEmpty() && file.isLocalFile())
        if (const std::optional<double> seconds = mediaSeconds(file.toLocalFile()))
            fileName += QStringLiteral(" (%1)").arg(mediaLengthText(*seconds));
    const QString poster = attribute(tag, QLatin1StringView("poster"));
    const QString play = name == u"video" ? QStringLiteral("Смотреть") : QStringLiteral("Слушать");
    QString out = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"8\" style=\"border-collapse:collapse\">"
                                 "<tr><td style=\"border:1px solid #c8ccd0\">");
    if (!poster.isEmpty())
        out += QStringLiteral("<a href=\"%1\">%2</a><br>").arg(href, imageTag(poster, tag));
    return out + QStringLiteral("<a href=\"%1\"><b>\u25B6 %2</b></a> %3</td></tr></table>").arg(href, play, fileName);
}

// A formula the layout knows becomes a picture of it, drawn by the view in the font of its line
// (the view would flatten the MathML into a run of its letters); one it does not know shows its
// alttext or annotation, or says that a formula stands there.
QString formula(const QString& math, const QString& tag)
{
    static const QRegularExpression annotation(QStringLiteral("<annotation\\b[^>]*>(.*?)</annotation>"),
                                               QRegularExpression::CaseInsensitiveOption
                                                   | QRegularExpression::DotMatchesEverythingOption);
    const QString alttext = attribute(tag, QLatin1StringView("alttext")).toHtmlEscaped();
    if (MathFormula::parse(math))
        return QStringLiteral("<img src=\"%1%2\" align=\"middle\" alt=\"%3\">")
            .arg(LectureMarkup::formulaScheme, QString::fromLatin1(math.toUtf8().toBase64()), alttext);
    QString text = alttext;
    if (text.isEmpty())
        text = annotation.match(math).captured(1).trimmed();
    if (text.isEmpty())
        text = QStringLiteral("[формула]");
    return QStringLiteral("<i>%1</i>").arg(text);
}

int headingLevel(const QString& name)
{
    return name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6' ? name[1].digitValue() : 0;
}

// The view sets <small> at one size below the normal text wherever it stands, so that a note in a
// large heading came out smaller than the text under it; a browser sets it one size below the
// heading's. The keyword nearest that size, for the headings the view sets larger than the text.
QString smallInHeading(int level)
{
    static const QString sizes[] = {QStringLiteral("x-large"), QStringLiteral("large"), QStringLiteral("medium")};
    return level >= 1 && level <= 3 ? sizes[level - 1] : QString();
}

class Rewriter {
public:
    Rewriter(const QString& html, const QUrl& folder)
        : html_(html),
          folder_(folder),
          floated_(html, floating()),
          justified_(html, justifying())
    {}

    QString result()
    {
        QString out = rewrite(0, html_.size(), true);
        if (!moved_.isEmpty())
            out += moved_;
        return out;
    }

private:
    QString rewrite(qsizetype from, qsizetype to, bool moveFloated)
    {
        QString out;
        out.reserve(to - from);
        qsizetype copied = from;
        bool inFramedCode = false;
        qsizetype at = html_.indexOf(u'<', from);
        while (at >= 0 && at < to) {
            out += QStringView(html_).mid(copied, at - copied);
            qsizetype next = at + 1;
            if (QStringView(html_).mid(at).startsWith(u"<!--")) {
                // A real comment outside a style block stays one, whatever it holds.
                const qsizetype close = html_.indexOf(QStringLiteral("-->"), at + 4);
                next = close < 0 || close + 3 > to ? to : close + 3;
                out += QStringView(html_).mid(at, next - at);
            } else if (startsWithTag(html_, at, QLatin1StringView("style"))) {
                const qsizetype open = tagEnd(html_, at);
                const qsizetype close =
                    open < 0 ? -1 : html_.indexOf(QStringLiteral("</style"), open, Qt::CaseInsensitive);
                if (close < 0 || close > to) {
                    next = to;
                    out += QStringView(html_).mid(at, to - at);
                } else {
                    out += QStringView(html_).mid(at, open + 1 - at);
                    out += LectureMarkup::cleanStyle(QStringView(html_).mid(open + 1, close - open - 1));
                    next = close;
                }
            } else if (at + 1 < to && html_[at + 1].isLetter()) {
                const qsizetype end = tagEnd(html_, at);
                next = end < 0 || end >= to ? to : end + 1;
                const QString tag = html_.mid(at, next - at);
                const QString name = tagName(html_, at);
                const qsizetype elementStop =
                    moveFloated && floatedContainers.contains(name) && floated_.picks(tag, name)
                        ? elementEnd(html_, at, name)
                        : -1;
                const qsizetype svgStop =
                    name == u"svg" || (name == u"object" && namesSvg(tag)) ? elementEnd(html_, at, name) : -1;
                const qsizetype mediaStop = name == u"video" || name == u"audio" ? elementEnd(html_, at, name) : -1;
                const QString media = mediaStop > 0 && mediaStop <= to
                                          ? mediaLink(html_.mid(at, mediaStop - at), tag, name, folder_)
                                          : QString();
                const qsizetype mathStop = name == u"math" ? elementEnd(html_, at, name) : -1;
                if (mathStop > 0 && mathStop <= to) {
                    out += formula(html_.mid(at, mathStop - at), tag);
                    next = mathStop;
                } else if (!media.isEmpty()) {
                    out += media;
                    next = mediaStop;
                } else if (svgStop > 0 && svgStop <= to) {
                    const QString source =
                        name == u"svg" ? QStringLiteral("data:image/svg+xml;base64,")
                                             + QString::fromLatin1(html_.mid(at, svgStop - at).toUtf8().toBase64())
                                       : attribute(tag, QLatin1StringView("data"));
                    out += imageTag(source, tag);
                    next = svgStop;
                } else if (elementStop > 0 && elementStop <= to
                           && isNavigation(name, QStringView(html_).mid(at, elementStop - at))) {
                    moved_ += rewrite(at, elementStop, false);
                    next = elementStop;
                } else {
                    if (name == u"pre" && !inFramedCode
                        && !(attribute(tag, QLatin1StringView("class")) + attribute(tag, QLatin1StringView("style")))
                                .isEmpty()) {
                        inFramedCode = true;
                        out += codeFrameStart;
                    }
                    if (const int level = headingLevel(name); level > 0)
                        heading_ = level;
                    const QString cleaned = cleanTag(tag);
                    if (paragraphs.contains(name) && justified_.picks(tag, name)
                        && attribute(tag, QLatin1StringView("align")).isEmpty())
                        out += cleaned.left(1 + name.size()) + QStringLiteral(" align=\"justify\"")
                               + cleaned.mid(1 + name.size());
                    else if (const QString size = smallInHeading(heading_);
                             name == u"small" && !size.isEmpty()
                             && attribute(tag, QLatin1StringView("style")).isEmpty())
                        out += cleaned.left(1 + name.size()) + QStringLiteral(" style=\"font-size:%1\"").arg(size)
                               + cleaned.mid(1 + name.size());
                    else
                        out += cleaned;
                }
            } else if (html_.size() > at + 3 && html_[at + 1] == u'/'
                       && (html_[at + 2] == u'h' || html_[at + 2] == u'H')
                       && headingLevel(tagName(html_, at + 1)) > 0) {
                heading_ = 0;
                out += u'<';
            } else if (startsWithTag(html_, at, QLatin1StringView("/pre")) && inFramedCode) {
                const qsizetype end = tagEnd(html_, at);
                next = end < 0 || end >= to ? to : end + 1;
                out += QStringView(html_).mid(at, next - at);
                out += codeFrameEnd;
                inFramedCode = false;
            } else if (moveFloated && startsWithTag(html_, at, QLatin1StringView("/body"))) {
                out += moved_;
                moved_.clear();
                out += u'<';
            } else {
                out += u'<';
            }
            copied = next;
            at = html_.indexOf(u'<', next);
        }
        out += QStringView(html_).mid(copied, to - copied);
        return out;
    }

    const QString& html_;
    const QUrl folder_;
    // The level of the heading the text is in, 0 outside headings.
    int heading_ = 0;
    StyledElements floated_;
    StyledElements justified_;
    QString moved_;
};

} // namespace

QString LectureMarkup::cleanStyle(QStringView css)
{
    static const QRegularExpression commentMarkers(QStringLiteral("<!--|-->"));
    static const QRegularExpression wordRules(QStringLiteral("@(page|list|font-face)\\b[^{]*\\{[^}]*\\}"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression systemTextColour(QStringLiteral("\\bwindowtext\\b"),
                                                     QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression declaration(
        QStringLiteral("([\\w-]+)(\\s*:\\s*)((\"[^\"]*\"|'[^']*'|[^;{}\"'])*)(;?)"));
    QString text = css.toString();
    text.remove(commentMarkers);
    text.remove(wordRules);
    text.replace(systemTextColour, QStringLiteral("black"));
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    for (QRegularExpressionMatchIterator it = declaration.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += QStringView(text).mid(copied, match.capturedStart() - copied);
        copied = match.capturedEnd();
        const QString name = match.captured(1).toLower();
        // Word's own properties mean nothing to a browser; some of their values trip the view's reader.
        if (name.startsWith(u"mso-"))
            continue;
        QString value = cleanDeclaration(name, match.captured(3));
        if (name == u"font-size" && !inPageRule(text, match.capturedStart()))
            value = fontSizeTheViewReads(value);
        result += match.captured(1) + match.captured(2) + value + match.captured(5);
    }
    result += QStringView(text).mid(copied);
    return result;
}

QString LectureMarkup::prepare(const QString& html, const QString& folder)
{
    return Rewriter(html, folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder + u'/')).result();
}
